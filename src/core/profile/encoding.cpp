#include "profile/encoding.h"

#include <cerrno>
#include <iconv.h>

namespace vnovla::profile {
namespace {

// One iconv conversion descriptor per direction, opened on first use and kept: opening
// one costs far more than a short conversion.
class Converter
{
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (handle_ != invalidHandle())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On a sequence that does not convert, calls onError with the
    // remaining input and the output so far; onError returns how many input bytes to skip,
    // or 0 to give up.
    template <typename OnError>
    bool convert(std::string_view input, std::string& output, OnError onError)
    {
        if (handle_ == invalidHandle())
            return false;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        // iconv's interface is not const-correct; it never writes through the input pointer.
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a sequence cut off at the end of the input).
            const std::size_t skip = onError(output);
            if (skip == 0 || skip > inLeft)
                return false;
            in += skip;
            inLeft -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(handle_, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        return true;
    }

private:
    static iconv_t invalidHandle() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
};

// The profile store runs on the user-interface thread, but tools and tests may use it
// from several threads; each thread keeps its own descriptors.
Converter& fromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}
Converter& toCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 character at text[pos]; returns its length, or 0 when malformed
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

TextEncoding detectEncoding(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.starts_with("\xFF\xFE"))
        return TextEncoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16Be;
    if (!isAscii(bytes) && isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Cp932;
}

std::string_view byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return "\xEF\xBB\xBF";
    case TextEncoding::Utf16Le:
        return "\xFF\xFE";
    case TextEncoding::Utf16Be:
        return "\xFE\xFF";
    case TextEncoding::Cp932:
    case TextEncoding::Utf8:
        break;
    }
    return {};
}

std::size_t multiByteCharacterLength(std::string_view text, std::size_t pos, TextEncoding encoding)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (encoding == TextEncoding::Cp932) {
        if (isCp932Lead(lead) && pos + 1 < text.size() &&
            isCp932Trail(static_cast<unsigned char>(text[pos + 1])))
            return 2;
        return 1;
    }
    char32_t ignored = 0;
    const std::size_t length = decodeUtf8(text, pos, ignored);
    return length == 0 ? 1 : length;
}

std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes, TextEncoding encoding)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t next = pos + characterLength(text, pos, encoding);
        if (next > maxBytes)
            break;
        pos = next;
    }
    return text.substr(0, pos);
}

bool isValidUtf8(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t ignored = 0;
        const std::size_t length = decodeUtf8(text, pos, ignored);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string cp932ToUtf8(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const bool converted = fromCp932().convert(bytes, out, [](std::string& output) {
        output += kReplacement;
        return std::size_t{1};
    });
    if (!converted)
        return std::string(bytes.size(), '?');
    return out;
}

std::optional<std::string> cp932ToUtf8Strict(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    if (!fromCp932().convert(bytes, out, [](std::string&) { return std::size_t{0}; }))
        return std::nullopt;
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    if (!isValidUtf8(utf8))
        return std::nullopt;
    std::string out;
    if (!toCp932().convert(utf8, out, [](std::string&) { return std::size_t{0}; }))
        return std::nullopt;
    // Some characters (the yen sign, for one) have a CP932 form only by approximation;
    // they would come back as something else, so they count as not representable.
    const auto back = cp932ToUtf8Strict(out);
    if (!back || *back != utf8)
        return std::nullopt;
    return out;
}

namespace {

template <typename OnBroken>
bool decodeUtf16(std::string_view bytes, TextEncoding encoding, std::string& out, OnBroken onBroken)
{
    const bool little = encoding == TextEncoding::Utf16Le;
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little ? (a | (b << 8)) : ((a << 8) | b));
    };
    const std::size_t units = bytes.size() / 2;
    out.reserve(units * 3 / 2);
    for (std::size_t u = 0; u < units; ++u) {
        const char32_t unit = unitAt(u * 2);
        if (unit >= 0xD800 && unit <= 0xDBFF && u + 1 < units) {
            const char32_t low = unitAt((u + 1) * 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++u;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            if (!onBroken(out))
                return false;
            continue;
        }
        appendUtf8(out, unit);
    }
    if (bytes.size() % 2 != 0)
        return onBroken(out);
    return true;
}

} // namespace

std::optional<std::string> utf16ToUtf8(std::string_view bytes, TextEncoding encoding)
{
    std::string out;
    if (!decodeUtf16(bytes, encoding, out, [](std::string&) { return false; }))
        return std::nullopt;
    return out;
}

std::string utf16ToUtf8Lossy(std::string_view bytes, TextEncoding encoding)
{
    std::string out;
    decodeUtf16(bytes, encoding, out, [](std::string& o) {
        o += kReplacement;
        return true;
    });
    return out;
}

std::string utf8ToUtf16(std::string_view utf8, TextEncoding encoding)
{
    const bool little = encoding == TextEncoding::Utf16Le;
    std::string out;
    out.reserve(utf8.size() * 2);
    const auto put = [&](char32_t unit) {
        const auto high = static_cast<char>((unit >> 8) & 0xFF);
        const auto low = static_cast<char>(unit & 0xFF);
        out += little ? low : high;
        out += little ? high : low;
    };
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        std::size_t length = decodeUtf8(utf8, pos, cp);
        if (length == 0) {
            cp = 0xFFFD;
            length = 1;
        }
        pos += length;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

} // namespace vnovla::profile
