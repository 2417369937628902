#pragma once

#include <string>
#include <string_view>

namespace vnovla::test {

enum class Endian { Little, Big };

// The bytes of UTF-16 text, with its byte-order mark, as a Windows editor saves a
// "Unicode" file. Built unit by unit so tests do not depend on the code they test.
inline std::string utf16File(std::u16string_view text, Endian endian = Endian::Little)
{
    std::string bytes;
    const auto put = [&](char16_t unit) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += endian == Endian::Little ? low : high;
        bytes += endian == Endian::Little ? high : low;
    };
    put(0xFEFF);
    for (const char16_t unit : text)
        put(unit);
    return bytes;
}

} // namespace vnovla::test
