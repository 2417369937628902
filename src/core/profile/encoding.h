#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vnovla::profile {

// How a profile file stores its text. Inside the program text is always UTF-8.
enum class TextEncoding {
    Cp932,   // Windows Japanese ANSI code page; also every pure-ASCII file
    Utf8,    // valid UTF-8 with non-ASCII text, no byte-order mark
    Utf8Bom, // UTF-8 behind EF BB BF
    Utf16Le, // behind FF FE, as Windows editors save "Unicode" files
    Utf16Be, // behind FE FF
};

// Looks at the whole file: a byte-order mark decides; otherwise a file that is valid UTF-8
// and holds non-ASCII bytes is UTF-8, and anything else (pure ASCII included, so that a file
// a Windows user brings stays readable on Windows) is CP932.
TextEncoding detectEncoding(std::string_view bytes);

// The byte-order mark that starts a file of this encoding ("" for none).
std::string_view byteOrderMark(TextEncoding encoding);

// CP932 lead bytes: 81-9F and E0-FC. A lead byte followed by a valid trail byte (40-7E,
// 80-FC) forms one character whose trail may look like '\', ']', '[' or an ASCII letter.
constexpr bool isCp932Lead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
constexpr bool isCp932Trail(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// The length in bytes of the character that starts at text[pos] in a byte-oriented
// encoding (CP932 or UTF-8). Malformed input counts one byte a character.
std::size_t multiByteCharacterLength(std::string_view text, std::size_t pos, TextEncoding encoding);
inline std::size_t characterLength(std::string_view text, std::size_t pos, TextEncoding encoding)
{
    // ASCII is one byte in both encodings: the common case stays inline.
    if (static_cast<unsigned char>(text[pos]) < 0x80)
        return 1;
    return multiByteCharacterLength(text, pos, encoding);
}

// The longest prefix of text that holds at most maxBytes bytes and ends on a character
// boundary of the encoding.
std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes, TextEncoding encoding);

bool isValidUtf8(std::string_view text);

// CP932 -> UTF-8. Bytes that do not decode become U+FFFD, one per byte, so that a
// damaged file still shows everything else.
std::string cp932ToUtf8(std::string_view bytes);
// CP932 -> UTF-8, or nothing when any byte does not decode.
std::optional<std::string> cp932ToUtf8Strict(std::string_view bytes);
// UTF-8 -> CP932, or nothing when a character has no CP932 form that reads back as the
// same character (so nothing is ever replaced or approximated).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// UTF-16 (without its byte-order mark) <-> UTF-8. Decoding fails on an unpaired surrogate
// or an odd byte count.
std::optional<std::string> utf16ToUtf8(std::string_view bytes, TextEncoding encoding);
std::string utf8ToUtf16(std::string_view utf8, TextEncoding encoding);
// Lossy variant for display: broken units become U+FFFD.
std::string utf16ToUtf8Lossy(std::string_view bytes, TextEncoding encoding);

} // namespace vnovla::profile
