#pragma once

#include "profile/encoding.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vnovla::profile {

// The parsed text of one profile file, kept line by line so that a write changes only the
// bytes it must and everything else comes back out exactly as it went in.
//
// Names and values passed in and out are in the document's text encoding: CP932 for CP932
// files, UTF-8 for all others (UTF-16 files are held as UTF-8 and encoded again on output).
// Names are matched after trimming, ignoring the case of ASCII letters only.
class ProfileDocument
{
public:
    // An empty document that will be written in the given encoding.
    explicit ProfileDocument(TextEncoding encoding = TextEncoding::Cp932);
    // Parses a whole file, detecting its encoding. The document keeps the bytes it is given
    // and its lines point into them, so a large file is not copied.
    static ProfileDocument parse(std::string fileBytes);

    TextEncoding encoding() const { return encoding_; }
    // The encoding of names and values passed to and returned by this class.
    TextEncoding textEncoding() const
    {
        return encoding_ == TextEncoding::Cp932 ? TextEncoding::Cp932 : TextEncoding::Utf8;
    }
    // False when the file held bytes that could not be decoded (a broken UTF-16 file): such
    // a document can be read but must not be written back.
    bool lossless() const { return lossless_; }

    // The value of the first matching key in the first matching section, trimmed but
    // otherwise as stored (quotes included). Nothing when the section or key is missing.
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const;

    // Replaces the value of the first matching key, or adds the key after the last line of
    // the first matching section, or adds the section at the end. The caller has checked
    // that names and value fit on one line. Returns whether the text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // Turns a CP932 document into UTF-8 with a byte-order mark. Fails, changing nothing,
    // when the text holds bytes that are not CP932.
    bool convertToUtf8WithBom();

    // The whole file in its encoding, byte-order mark included.
    std::string serialize() const;

    // Names as spelled in the file, first occurrence only, in file order.
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

private:
    enum class LineKind : std::uint8_t { Blank, Header, Key, Other };
    enum class Eol : std::uint8_t { None, Lf, Cr, CrLf };

    struct Line
    {
        // Without its line ending. Points into the document's original text, or into `edited`
        // once a write has changed the line: a large file is then held in one buffer instead
        // of one allocation a line.
        std::string_view text;
        std::unique_ptr<std::string> edited;
        Eol eol = Eol::None;
        LineKind kind = LineKind::Blank;
        // For headers the name; for keys the name and the value; offsets into text.
        std::uint32_t nameBegin = 0, nameEnd = 0, valueBegin = 0, valueEnd = 0;

        std::string_view name() const { return text.substr(nameBegin, nameEnd - nameBegin); }
        std::string_view value() const { return text.substr(valueBegin, valueEnd - valueBegin); }
    };

    struct Section
    {
        std::vector<Line> lines; // the header first; the leading block of a file has none
        // Open addressing over (hash of the folded name, line): no allocation per key and no
        // sorting, which matter when a 1001-page profile is read at start. Holds the first
        // of duplicate keys only.
        struct KeySlot
        {
            std::uint32_t hash = 0; // the low half of the name's hash
            std::uint32_t line = kNoLine;
        };
        static constexpr std::uint32_t kNoLine = 0xFFFFFFFF;
        std::vector<KeySlot> keys;
        std::size_t keyCount = 0;
    };

    // Adds the key line unless a key of that name is there already.
    void addKey(Section& section, std::uint32_t line) const;

    static void setText(Line& line, std::string text);
    std::uint64_t foldedHash(std::string_view name) const;
    bool sameName(std::string_view a, std::string_view b) const;
    // The line of the first key named `name` in the section, if any.
    std::optional<std::uint32_t> findKey(const Section& section, std::string_view name) const;

    // Parses text[begin..]; the lines view the text, which the document keeps.
    void parseText(std::string text, std::size_t begin = 0);
    void classify(Line& line) const;
    void indexSection(std::size_t index);
    std::string fold(std::string_view name) const;
    std::string_view trimmedName(std::string_view name) const;
    static std::string_view eolText(Eol eol);

    TextEncoding encoding_;
    bool lossless_ = true;
    Eol fileEol_ = Eol::CrLf;
    // sections_[0] holds the lines before the first header, which belong to no section.
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_; // folded name -> first section
    // The text the lines were parsed from; held by pointer so that moving the document keeps
    // the lines' views valid.
    std::unique_ptr<const std::string> original_;
};

// The characters the profile functions trim from lines, names and values.
constexpr bool isProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

} // namespace vnovla::profile
