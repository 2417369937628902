#include "profile/profile_document.h"

#include <algorithm>

namespace vnovla::profile {
namespace {

std::string_view trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isProfileBlank(text[begin]))
        ++begin;
    while (end > begin && isProfileBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Built with append: GCC 12 at -O3 warns falsely (-Wrestrict) on chains of operator+.
std::string concat(std::string_view a, std::string_view b, std::string_view c)
{
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

} // namespace

ProfileDocument::ProfileDocument(TextEncoding encoding) : encoding_(encoding)
{
    sections_.emplace_back();
}

ProfileDocument ProfileDocument::parse(std::string fileBytes)
{
    ProfileDocument document(detectEncoding(fileBytes));
    const std::size_t bom = byteOrderMark(document.encoding_).size();
    switch (document.encoding_) {
    case TextEncoding::Cp932:
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        document.parseText(std::move(fileBytes), bom);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const std::string_view body = std::string_view(fileBytes).substr(bom);
        auto text = utf16ToUtf8(body, document.encoding_);
        if (!text) {
            document.lossless_ = false;
            text = utf16ToUtf8Lossy(body, document.encoding_);
        }
        document.parseText(std::move(*text));
        break;
    }
    }
    return document;
}

void ProfileDocument::setText(Line& line, std::string text)
{
    line.edited = std::make_unique<std::string>(std::move(text));
    line.text = *line.edited;
}

void ProfileDocument::parseText(std::string source, std::size_t begin)
{
    // The lines view this text; it never changes while they live.
    original_ = std::make_unique<const std::string>(std::move(source));
    const std::string_view text = std::string_view(*original_).substr(begin);
    sections_.clear();
    sectionIndex_.clear();
    sections_.emplace_back();
    bool eolSeen = false;

    std::size_t pos = 0;
    while (pos < text.size()) {
        // A plain loop: find_first_of calls memchr once for every byte of the file.
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        Line line;
        if (end == text.size()) {
            line.eol = Eol::None;
        } else if (text[end] == '\n') {
            line.eol = Eol::Lf;
        } else if (end + 1 < text.size() && text[end + 1] == '\n') {
            line.eol = Eol::CrLf;
        } else {
            line.eol = Eol::Cr;
        }
        line.text = text.substr(pos, end - pos);
        pos = end + eolText(line.eol).size();
        if (!eolSeen && line.eol != Eol::None) {
            fileEol_ = line.eol;
            eolSeen = true;
        }
        classify(line);
        if (line.kind == LineKind::Header) {
            indexSection(sections_.size() - 1);
            sections_.emplace_back();
        }
        sections_.back().lines.push_back(std::move(line));
    }
    indexSection(sections_.size() - 1);
}

void ProfileDocument::classify(Line& line) const
{
    const std::string_view text = line.text;
    const std::string_view trimmed = trim(text);
    const auto offset = [&](std::string_view part) {
        return static_cast<std::uint32_t>(part.data() - text.data());
    };
    if (trimmed.empty()) {
        line.kind = LineKind::Blank;
        return;
    }
    if (trimmed.front() == '[') {
        // The header ends at the last ']' of the line; in CP932 a ']' byte may be the
        // second half of a double-byte character, so walk character by character.
        std::size_t closing = std::string_view::npos;
        for (std::size_t i = 1; i < trimmed.size();) {
            if (trimmed[i] == ']')
                closing = i;
            i += characterLength(trimmed, i, textEncoding());
        }
        if (closing != std::string_view::npos) {
            const std::string_view name = trim(trimmed.substr(1, closing - 1));
            line.kind = LineKind::Header;
            line.nameBegin = offset(name);
            line.nameEnd = line.nameBegin + static_cast<std::uint32_t>(name.size());
            return;
        }
    }
    // '=' is below every CP932 trail byte, so a byte search cannot split a character.
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.kind = LineKind::Other;
        return;
    }
    const std::string_view name = trim(trimmed.substr(0, equals));
    std::string_view value = trimmed.substr(equals + 1);
    while (!value.empty() && isProfileBlank(value.front()))
        value.remove_prefix(1);
    line.kind = LineKind::Key;
    line.nameBegin = offset(trimmed);
    line.nameEnd = line.nameBegin + static_cast<std::uint32_t>(name.size());
    line.valueBegin = offset(value);
    line.valueEnd = line.valueBegin + static_cast<std::uint32_t>(value.size());
}

void ProfileDocument::indexSection(std::size_t index)
{
    Section& section = sections_[index];
    std::size_t keyLines = 0;
    for (const Line& line : section.lines)
        keyLines += line.kind == LineKind::Key ? 1 : 0;
    // At most 70 % full, so that probes stay short.
    std::size_t capacity = 8;
    while (capacity * 7 < keyLines * 10)
        capacity *= 2;
    section.keys.assign(capacity, Section::KeySlot{});
    section.keyCount = 0;
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        if (section.lines[i].kind == LineKind::Key)
            addKey(section, static_cast<std::uint32_t>(i));
    }
    // The leading block of the file has no name and cannot be asked for.
    if (index > 0)
        sectionIndex_.try_emplace(fold(section.lines.front().name()), index);
}

std::string ProfileDocument::fold(std::string_view name) const
{
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size();) {
        const std::size_t length = characterLength(folded, i, textEncoding());
        if (length == 1 && folded[i] >= 'A' && folded[i] <= 'Z')
            folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
        i += length;
    }
    return folded;
}

std::uint64_t ProfileDocument::foldedHash(std::string_view name) const
{
    // FNV-1a over the folded bytes, without building the folded text.
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = characterLength(name, i, textEncoding());
        for (std::size_t j = 0; j < length; ++j) {
            char c = name[i + j];
            if (length == 1 && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        i += length;
    }
    return hash;
}

bool ProfileDocument::sameName(std::string_view a, std::string_view b) const
{
    // Folding changes no length, and a double-byte character matches only itself, so the two
    // agree byte for byte up to the case of single-byte ASCII letters.
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = characterLength(a, i, textEncoding());
        if (length == 1) {
            if (lower(a[i]) != lower(b[i]))
                return false;
        } else if (a.substr(i, length) != b.substr(i, length)) {
            return false;
        }
        i += length;
    }
    return true;
}

void ProfileDocument::addKey(Section& section, std::uint32_t line) const
{
    const std::string_view name = section.lines[line].name();
    const auto hash = static_cast<std::uint32_t>(foldedHash(name));
    const std::size_t mask = section.keys.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Section::KeySlot& slot = section.keys[i];
        if (slot.line == Section::kNoLine) {
            slot = {hash, line};
            ++section.keyCount;
            return;
        }
        if (slot.hash == hash && sameName(section.lines[slot.line].name(), name))
            return;
    }
}

std::optional<std::uint32_t> ProfileDocument::findKey(const Section& section,
                                                      std::string_view name) const
{
    if (section.keys.empty())
        return std::nullopt;
    const auto hash = static_cast<std::uint32_t>(foldedHash(name));
    const std::size_t mask = section.keys.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Section::KeySlot& slot = section.keys[i];
        if (slot.line == Section::kNoLine)
            return std::nullopt;
        if (slot.hash == hash && sameName(section.lines[slot.line].name(), name))
            return slot.line;
    }
}

std::string_view ProfileDocument::trimmedName(std::string_view name) const
{
    return trim(name);
}

std::string_view ProfileDocument::eolText(Eol eol)
{
    switch (eol) {
    case Eol::Lf:
        return "\n";
    case Eol::Cr:
        return "\r";
    case Eol::CrLf:
        return "\r\n";
    case Eol::None:
        break;
    }
    return {};
}

std::optional<std::string_view> ProfileDocument::findValue(std::string_view section,
                                                           std::string_view key) const
{
    section = trimmedName(section);
    key = trimmedName(key);
    if (section.empty() || key.empty())
        return std::nullopt;
    const auto found = sectionIndex_.find(fold(section));
    if (found == sectionIndex_.end())
        return std::nullopt;
    const Section& s = sections_[found->second];
    const auto line = findKey(s, key);
    if (!line)
        return std::nullopt;
    return s.lines[*line].value();
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key,
                               std::string_view value)
{
    section = trimmedName(section);
    key = trimmedName(key);
    const std::string foldedSection = fold(section);
    const auto found = sectionIndex_.find(foldedSection);

    if (found == sectionIndex_.end()) {
        // A new section goes at the very end, right after the last line.
        Section& last = sections_.back();
        if (!last.lines.empty() && last.lines.back().eol == Eol::None)
            last.lines.back().eol = fileEol_;
        Section added;
        Line header;
        setText(header, concat("[", section, "]"));
        header.eol = fileEol_;
        classify(header);
        Line entry;
        setText(entry, concat(key, "=", value));
        entry.eol = fileEol_;
        classify(entry);
        added.lines.push_back(std::move(header));
        added.lines.push_back(std::move(entry));
        sections_.push_back(std::move(added));
        indexSection(sections_.size() - 1);
        return true;
    }

    Section& s = sections_[found->second];
    if (const auto existing = findKey(s, key)) {
        Line& line = s.lines[*existing];
        if (line.value() == value)
            return false;
        // A value with blanks at its ends (" " clears a key) takes the whole rest of the line
        // after '=', so that writing it again finds exactly that text and changes nothing;
        // any other value keeps the spacing around the old one.
        const bool edgeBlanks =
            !value.empty() && (isProfileBlank(value.front()) || isProfileBlank(value.back()));
        std::string text(line.text);
        if (edgeBlanks)
            text.replace(text.find('=') + 1, std::string::npos, value);
        else
            text.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
        if (text == line.text)
            return false;
        setText(line, std::move(text));
        // Blanks around the new value belong to the line, not to the value.
        classify(line);
        return true;
    }

    // A line that holds only the key's name reads as that key with an empty value; writing
    // the key turns that line into the key's line instead of adding a second one.
    for (std::size_t i = 1; i < s.lines.size(); ++i) {
        Line& line = s.lines[i];
        if (line.kind != LineKind::Other)
            continue;
        const std::string_view name = trim(line.text);
        if (!sameName(name, key))
            continue;
        // Blanks after the name go, so that writing the same value again finds it unchanged.
        const auto nameEnd = static_cast<std::size_t>(name.data() - line.text.data()) + name.size();
        setText(line, concat(line.text.substr(0, nameEnd), "=", value));
        classify(line);
        if ((s.keyCount + 1) * 10 > s.keys.size() * 7)
            indexSection(found->second);
        else
            addKey(s, static_cast<std::uint32_t>(i));
        return true;
    }

    // A new key goes after the last line of the section that is not blank, so that blank
    // lines separating it from the next section stay where they are. Key lines never
    // follow that point, so no line index in the key table moves.
    std::size_t last = s.lines.size() - 1;
    while (last > 0 && s.lines[last].kind == LineKind::Blank)
        --last;
    if (s.lines[last].eol == Eol::None)
        s.lines[last].eol = fileEol_;
    Line entry;
    setText(entry, concat(key, "=", value));
    entry.eol = fileEol_;
    classify(entry);
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(entry));
    if ((s.keyCount + 1) * 10 > s.keys.size() * 7)
        indexSection(found->second);
    else
        addKey(s, static_cast<std::uint32_t>(last + 1));
    return true;
}

bool ProfileDocument::convertToUtf8WithBom()
{
    if (encoding_ != TextEncoding::Cp932)
        return true;
    std::string text;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            text += line.text;
            text += eolText(line.eol);
        }
    }
    const auto converted = cp932ToUtf8Strict(text);
    if (!converted)
        return false;
    encoding_ = TextEncoding::Utf8Bom;
    const Eol eol = fileEol_;
    parseText(std::move(*converted));
    fileEol_ = eol;
    return true;
}

std::string ProfileDocument::serialize() const
{
    std::string text;
    std::size_t size = 0;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines)
            size += line.text.size() + 2;
    }
    text.reserve(size + 3);
    if (encoding_ == TextEncoding::Utf8Bom)
        text += byteOrderMark(encoding_);
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            text += line.text;
            text += eolText(line.eol);
        }
    }
    if (encoding_ == TextEncoding::Utf16Le || encoding_ == TextEncoding::Utf16Be)
        return std::string(byteOrderMark(encoding_)) + utf8ToUtf16(text, encoding_);
    return text;
}

std::vector<std::string> ProfileDocument::sectionNames() const
{
    std::vector<std::pair<std::size_t, std::string>> ordered;
    for (const auto& [folded, index] : sectionIndex_)
        ordered.emplace_back(index, std::string(sections_[index].lines.front().name()));
    std::sort(ordered.begin(), ordered.end());
    std::vector<std::string> names;
    names.reserve(ordered.size());
    for (auto& entry : ordered)
        names.push_back(std::move(entry.second));
    return names;
}

std::vector<std::string> ProfileDocument::keyNames(std::string_view section) const
{
    section = trimmedName(section);
    std::vector<std::string> names;
    if (section.empty())
        return names;
    const auto found = sectionIndex_.find(fold(section));
    if (found == sectionIndex_.end())
        return names;
    const Section& s = sections_[found->second];
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
        const Line& line = s.lines[i];
        if (line.kind != LineKind::Key)
            continue;
        if (findKey(s, line.name()) == i)
            names.emplace_back(line.name());
    }
    return names;
}

} // namespace vnovla::profile
