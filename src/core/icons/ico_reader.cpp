#include "icons/ico_reader.h"

#include "icons/byte_view.h"

namespace vnovla::icons {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kTypeIcon = 1;

} // namespace

IcoReader::IcoReader(std::span<const std::uint8_t> bytes) : bytes_(bytes)
{
    const ByteView view(bytes);
    const auto reserved = view.u16(0);
    const auto type = view.u16(2);
    const auto count = view.u16(4);
    if (!reserved || *reserved != 0 || !type || *type != kTypeIcon || !count)
        return;
    // A directory that claims more entries than the file holds is not an icon file; reading
    // only the entries that fit would number the images differently from Windows.
    if (!view.has(kDirectorySize, std::uint64_t{*count} * kEntrySize))
        return;
    entries_.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t at = kDirectorySize + i * kEntrySize;
        Entry entry;
        entry.info.side = view.at(at);
        entry.info.bitCount = *view.u16(at + 6);
        entry.size = *view.u32(at + 8);
        entry.offset = *view.u32(at + 12);
        if (entry.info.bitCount == 0) {
            if (const auto data = view.sub(entry.offset, entry.size))
                entry.info.bitCount = storedBitCount(data->bytes());
        }
        entries_.push_back(entry);
    }
}

std::optional<IconImage> IcoReader::image(int index) const
{
    if (index < 0 || index >= iconCount())
        return std::nullopt;
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    const std::optional<ByteView> data = ByteView(bytes_).sub(entry.offset, entry.size);
    if (!data)
        return std::nullopt;
    return decodeIconImage(data->bytes());
}

std::optional<IconImage> IcoReader::bestImage(int wantedSide) const
{
    std::vector<IconEntryInfo> infos;
    infos.reserve(entries_.size());
    for (const Entry& entry : entries_)
        infos.push_back(entry.info);
    for (const std::size_t index : preferenceOrder(infos, wantedSide)) {
        if (auto decoded = image(static_cast<int>(index)))
            return decoded;
    }
    return std::nullopt;
}

} // namespace vnovla::icons
