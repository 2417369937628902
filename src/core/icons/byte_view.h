#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vnovla::icons {

// Little-endian reads that answer "not there" instead of reading past the end: every offset
// and size in an icon file comes from the file itself and may be anything.
class ByteView
{
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    bool has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    // The part [offset, offset + length), or nothing when it does not lie wholly inside.
    std::optional<ByteView> sub(std::uint64_t offset, std::uint64_t length) const
    {
        if (!has(offset, length))
            return std::nullopt;
        return ByteView(
            bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length)));
    }

    std::optional<std::uint8_t> u8(std::uint64_t offset) const
    {
        if (!has(offset, 1))
            return std::nullopt;
        return bytes_[static_cast<std::size_t>(offset)];
    }

    std::optional<std::uint16_t> u16(std::uint64_t offset) const
    {
        if (!has(offset, 2))
            return std::nullopt;
        const auto at = static_cast<std::size_t>(offset);
        return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
    }

    std::optional<std::uint32_t> u32(std::uint64_t offset) const
    {
        if (!has(offset, 4))
            return std::nullopt;
        const auto at = static_cast<std::size_t>(offset);
        return static_cast<std::uint32_t>(bytes_[at]) |
               (static_cast<std::uint32_t>(bytes_[at + 1]) << 8) |
               (static_cast<std::uint32_t>(bytes_[at + 2]) << 16) |
               (static_cast<std::uint32_t>(bytes_[at + 3]) << 24);
    }

    // Only where the caller has checked has() for the whole record first.
    std::uint8_t at(std::size_t offset) const { return bytes_[offset]; }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace vnovla::icons
