// Fuzz target for the profile store.
//
// Every input is first a whole profile file: it must come back out byte for byte, and
// lookups must agree with a plain line-by-line reading of the same text. Then the input is
// split into file bytes and one or two writes:
//
//     <file bytes> "\0\0" <section> "\x01" <key> "\x01" <value> ["\x01" <section> ...]
//
// (without the "\0\0" marker the whole input is the file and the write is derived from it).
// The file is written to disk, the write goes through ProfileFile, and the result must read
// back as written while every other key reads as before.

#include "profile/encoding.h"
#include "profile/profile_document.h"
#include "profile/profile_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace vnovla::profile;

[[noreturn]] void fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "profile_fuzz: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail (%zu bytes):", detail.size());
        for (const char c : detail.substr(0, 200))
            std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fail(#condition, detail);                                                              \
    } while (false)

// ---------------------------------------------------------------------------------------------
// A plain reading of the text, line by line, with no index: the model the document must match.

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// ASCII letters match either case; a CP932 trail byte that looks like a letter is part of
// its character and must match exactly.
bool sameName(std::string_view a, std::string_view b, TextEncoding encoding)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = characterLength(a, i, encoding);
        if (length != characterLength(b, i, encoding))
            return false;
        for (std::size_t j = i; j < i + length; ++j) {
            char x = a[j];
            char y = b[j];
            if (length == 1 && x >= 'A' && x <= 'Z')
                x = static_cast<char>(x - 'A' + 'a');
            if (length == 1 && y >= 'A' && y <= 'Z')
                y = static_cast<char>(y - 'A' + 'a');
            if (x != y)
                return false;
        }
        i += length;
    }
    return true;
}

struct ModelLine
{
    enum Kind { Header, Key } kind;
    std::string_view name;
    std::string_view value;
};

std::vector<ModelLine> modelLines(std::string_view text, TextEncoding encoding)
{
    std::vector<ModelLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimBlanks(text.substr(pos, end - pos));
        pos = text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            std::size_t closing = std::string_view::npos;
            for (std::size_t i = 1; i < line.size(); i += characterLength(line, i, encoding)) {
                if (line[i] == ']')
                    closing = i;
            }
            if (closing != std::string_view::npos) {
                lines.push_back({ModelLine::Header, trimBlanks(line.substr(1, closing - 1)), {}});
                continue;
            }
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && isProfileBlank(value.front()))
            value.remove_prefix(1);
        lines.push_back({ModelLine::Key, trimBlanks(line.substr(0, equals)), value});
    }
    return lines;
}

std::optional<std::string_view> modelFind(const std::vector<ModelLine>& lines,
                                          std::string_view section, std::string_view key,
                                          TextEncoding encoding)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    if (section.empty() || key.empty())
        return std::nullopt;
    bool inside = false;
    for (const ModelLine& line : lines) {
        if (line.kind == ModelLine::Header) {
            // Only the first section of a name counts.
            if (inside)
                return std::nullopt;
            inside = sameName(line.name, section, encoding);
        } else if (inside && sameName(line.name, key, encoding)) {
            return line.value;
        }
    }
    return std::nullopt;
}

// The line that holds nothing but the key's name in the first section of that name, which a
// write of the key must turn into the key's line. Only asked when no key line matches.
std::optional<std::string_view> modelBareLine(std::string_view text, std::string_view section,
                                              std::string_view key, TextEncoding encoding)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    bool inside = false;
    bool seen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        const std::string_view line = trimBlanks(raw);
        pos = text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
        const std::vector<ModelLine> parsed = modelLines(line, encoding);
        if (!parsed.empty() && parsed.front().kind == ModelLine::Header) {
            if (inside)
                return std::nullopt;
            inside = !seen && sameName(parsed.front().name, section, encoding);
            seen = seen || inside;
        } else if (inside && parsed.empty() && !line.empty() && sameName(line, key, encoding)) {
            return raw;
        }
    }
    return std::nullopt;
}

// The name with the case of every ASCII letter swapped, leaving double-byte characters alone.
std::string swapCase(std::string_view name, TextEncoding encoding)
{
    std::string out(name);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t length = characterLength(out, i, encoding);
        char& c = out[i];
        if (length == 1 && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (length == 1 && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        i += length;
    }
    return out;
}

void checkDocument(std::string_view bytes)
{
    const ProfileDocument document = ProfileDocument::parse(std::string(bytes));
    if (document.lossless())
        FUZZ_CHECK(document.serialize() == bytes, bytes);

    std::string text;
    switch (document.encoding()) {
    case TextEncoding::Cp932:
    case TextEncoding::Utf8:
        text = bytes;
        break;
    case TextEncoding::Utf8Bom:
        text = bytes.substr(3);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        auto decoded = utf16ToUtf8(bytes.substr(2), document.encoding());
        if (!decoded)
            return;
        text = std::move(*decoded);
        break;
    }
    }
    const TextEncoding encoding = document.textEncoding();
    const std::vector<ModelLine> lines = modelLines(text, encoding);

    std::vector<std::pair<std::string, std::string>> queries;
    std::string_view section;
    std::string_view lastHeader;
    for (const ModelLine& line : lines) {
        if (queries.size() >= 24)
            break;
        if (line.kind == ModelLine::Header) {
            lastHeader = section;
            section = line.name;
            continue;
        }
        queries.emplace_back(section, line.name);
        queries.emplace_back(swapCase(section, encoding), " \t" + swapCase(line.name, encoding));
        queries.emplace_back("\x1A" + std::string(lastHeader) + "\v", line.name);
    }
    queries.emplace_back("", "");
    for (const auto& [s, k] : queries) {
        const auto expected = modelFind(lines, s, k, encoding);
        const auto found = document.findValue(s, k);
        FUZZ_CHECK(found.has_value() == expected.has_value(), s + "|" + k);
        if (found)
            FUZZ_CHECK(*found == *expected, *found);
    }

    // Section names, first spelling of each, in file order.
    std::vector<std::string> sections;
    for (const ModelLine& line : lines) {
        if (line.kind != ModelLine::Header)
            continue;
        bool seen = false;
        for (const std::string& name : sections)
            seen = seen || sameName(name, line.name, encoding);
        if (!seen)
            sections.emplace_back(line.name);
    }
    FUZZ_CHECK(document.sectionNames() == sections, text);
}

// ---------------------------------------------------------------------------------------------
// Writes through ProfileFile.

// One folder per process, named by its id. libFuzzer mostly ends with _Exit, which skips
// any clean-up, so each run first removes the folders of runs that are gone.
const std::filesystem::path& workFolder()
{
    // Never destroyed, so that the clean-up at exit still has it.
    static const std::filesystem::path* const folder = [] {
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(shm, error)
                                               ? shm
                                               : std::filesystem::temp_directory_path();
        constexpr std::string_view prefix = "vnovla-fuzz-";
        for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
            const std::string name = entry.path().filename().string();
            const std::string pid = name.substr(std::min(name.size(), prefix.size()));
            if (name.starts_with(prefix) && !pid.empty() &&
                pid.find_first_not_of("0123456789") == std::string::npos &&
                !std::filesystem::exists("/proc/" + pid, error))
                std::filesystem::remove_all(entry.path(), error);
        }
        const std::filesystem::path own = base / (std::string(prefix) + std::to_string(getpid()));
        std::filesystem::remove_all(own, error);
        if (!std::filesystem::create_directory(own, error))
            fail("cannot create the work folder");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(workFolder(), ignored);
        });
        return new std::filesystem::path(own);
    }();
    return *folder;
}

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a read gives for a stored value: blanks trimmed, then one pair of enclosing quotes
// removed. Values longer than a read returns are not predicted.
std::optional<std::string> expectedRead(std::string_view value)
{
    if (value.size() > kMaxValueBytes)
        return std::nullopt;
    std::string_view v = trimBlanks(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

bool isInvalidWrite(const ProfileWrite& w)
{
    const auto breaks = [](std::string_view t) {
        return t.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    const std::string_view section = trimBlanks(w.section);
    const std::string_view key = trimBlanks(w.key);
    return !isValidUtf8(w.section) || !isValidUtf8(w.key) || !isValidUtf8(w.value) ||
           section.empty() || key.empty() || breaks(w.section) || breaks(w.key) ||
           breaks(w.value) || section.find(']') != std::string_view::npos ||
           key.find('=') != std::string_view::npos || key.front() == '[';
}

bool samePair(const ProfileWrite& w, std::string_view section, std::string_view key)
{
    return sameName(trimBlanks(w.section), trimBlanks(section), TextEncoding::Utf8) &&
           sameName(trimBlanks(w.key), trimBlanks(key), TextEncoding::Utf8);
}

std::vector<std::string_view> splitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t cut = text.find('\x01');
        fields.push_back(text.substr(0, cut));
        if (cut == std::string_view::npos)
            return fields;
        text.remove_prefix(cut + 1);
    }
}

std::vector<ProfileWrite> deriveWrites(std::string_view input, std::string& fileBytes)
{
    std::vector<ProfileWrite> writes;
    if (const std::size_t marker = input.rfind(std::string_view("\0\0", 2));
        marker != std::string_view::npos) {
        fileBytes = input.substr(0, marker);
        const std::vector<std::string_view> fields = splitFields(input.substr(marker + 2));
        for (std::size_t i = 0; i + 2 < fields.size() && writes.size() < 2; i += 3)
            writes.push_back(
                {std::string(fields[i]), std::string(fields[i + 1]), std::string(fields[i + 2])});
        if (!writes.empty())
            return writes;
    } else {
        fileBytes = input;
    }
    // No write given: replace the first key, add a key to the first section or add a section.
    const ProfileDocument document = ProfileDocument::parse(std::string(fileBytes));
    const auto toUtf8 = [&](const std::string& name) {
        return document.textEncoding() == TextEncoding::Cp932 ? cp932ToUtf8(name) : name;
    };
    const std::vector<std::string> sections = document.sectionNames();
    const std::string section = sections.empty() ? "Fuzz" : sections.front();
    const std::vector<std::string> keys = document.keyNames(section);
    switch (input.size() % 3) {
    case 0:
        writes.push_back({toUtf8(section), keys.empty() ? "k" : toUtf8(keys.front()), "表"});
        break;
    case 1:
        writes.push_back({toUtf8(section), "NewKey", "\"quoted value\""});
        break;
    default:
        writes.push_back({"New Section", "Key", "ソ"});
        break;
    }
    return writes;
}

using Snapshot = std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>>;

// Every key that can be asked for, with what read and readRaw give.
Snapshot snapshot(ProfileFile& file)
{
    Snapshot values;
    const std::vector<std::string> sections = file.sectionNames();
    for (std::size_t s = 0; s < sections.size() && s < 16; ++s) {
        const std::vector<std::string> keys = file.keyNames(sections[s]);
        for (std::size_t k = 0; k < keys.size() && k < 32; ++k) {
            values[{sections[s], keys[k]}] = {file.read(sections[s], keys[k]),
                                              file.readRaw(sections[s], keys[k])};
        }
    }
    return values;
}

void checkWrites(std::string_view input)
{
    std::string before;
    const std::vector<ProfileWrite> writes = deriveWrites(input, before);
    const std::filesystem::path path = workFolder() / "Vnovla.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << before;

    ProfileFile file(path);
    const TextEncoding encodingBefore = file.encoding();
    const Snapshot old = snapshot(file);
    const std::vector<std::string> oldSections = file.sectionNames();

    const WriteStatus status = file.write(writes);
    const std::string after = slurp(path);

    // A write never leaves its temporary file behind.
    for (const auto& entry : std::filesystem::directory_iterator(workFolder()))
        FUZZ_CHECK(entry.path().filename() == "Vnovla.ini" ||
                       entry.path().filename() == ".Vnovla.ini.lock",
                   entry.path().string());

    bool invalid = false;
    for (const ProfileWrite& w : writes)
        invalid = invalid || isInvalidWrite(w);
    using Code = WriteStatus::Code;
    const bool refused = status.code() == Code::InvalidName || status.code() == Code::InvalidValue;
    FUZZ_CHECK(refused == invalid, status.message());
    FUZZ_CHECK(status.code() != Code::Io, status.message());
    if (!status) {
        FUZZ_CHECK(after == before, status.message());
        return;
    }

    ProfileFile fresh(path);
    const TextEncoding encodingAfter = fresh.encoding();
    const bool sameEncoding = encodingAfter == encodingBefore;
    // A CP932 file only changes encoding to hold text CP932 cannot; a UTF-8 file without a
    // byte-order mark that lost its last non-ASCII character is plain ASCII, read as CP932.
    if (!sameEncoding && encodingBefore == TextEncoding::Utf8) {
        FUZZ_CHECK(encodingAfter == TextEncoding::Cp932, after);
    } else if (!sameEncoding) {
        FUZZ_CHECK(encodingBefore == TextEncoding::Cp932, after);
        FUZZ_CHECK(encodingAfter == TextEncoding::Utf8Bom, after);
    }

    // The last write of a key wins; both the cached and a freshly loaded file read it back.
    for (std::size_t i = 0; i < writes.size(); ++i) {
        bool overridden = false;
        for (std::size_t j = i + 1; j < writes.size(); ++j)
            overridden = overridden || samePair(writes[j], writes[i].section, writes[i].key);
        if (overridden)
            continue;
        const ProfileWrite& w = writes[i];
        const std::string cached = file.read(w.section, w.key);
        FUZZ_CHECK(cached == fresh.read(w.section, w.key), cached + "|" + after);
        if (const auto expected = expectedRead(w.value))
            FUZZ_CHECK(cached == *expected, cached + "|" + after);
    }

    // Everything else reads as before. After a change to UTF-8 a value is cut at a different
    // length, so only values too short to be cut are compared then.
    for (const auto& [name, value] : old) {
        bool written = false;
        for (const ProfileWrite& w : writes)
            written = written || samePair(w, name.first, name.second);
        if (written)
            continue;
        const std::string now = fresh.read(name.first, name.second);
        if (sameEncoding ||
            (value.second.size() < kMaxValueBytes && value.first.size() <= kMaxValueBytes))
            FUZZ_CHECK(now == value.first, name.first + "|" + name.second + "|" + now);
    }

    // Writing what was just written, even from a freshly loaded file, changes nothing.
    {
        ProfileFile again(path);
        const WriteStatus repeated = again.write(writes);
        FUZZ_CHECK(repeated.ok(), repeated.message());
        FUZZ_CHECK(slurp(path) == after, after);
    }

    // Sections are only ever added at the end.
    const std::vector<std::string> newSections = fresh.sectionNames();
    FUZZ_CHECK(newSections.size() >= oldSections.size(), after);
    FUZZ_CHECK(std::equal(oldSections.begin(), oldSections.end(), newSections.begin()), after);

    // A single write in an unchanged byte encoding keeps every byte outside the old value:
    // the file differs from the old one only in one stretch, which held the value before.
    if (writes.size() == 1 && sameEncoding && encodingBefore != TextEncoding::Utf16Le &&
        encodingBefore != TextEncoding::Utf16Be) {
        const ProfileDocument document = ProfileDocument::parse(std::string(before));
        const auto encode = [&](const std::string& text) {
            return document.textEncoding() == TextEncoding::Cp932 ? utf8ToCp932(text)
                                                                  : std::optional(text);
        };
        const auto section = encode(writes.front().section);
        const auto key = encode(writes.front().key);
        FUZZ_CHECK(section && key, after);
        const auto oldValue = document.findValue(*section, *key);
        std::size_t prefix = 0;
        while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
            ++prefix;
        std::size_t suffix = 0;
        while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
            ++suffix;
        const std::size_t removed = before.size() - prefix - suffix;
        const std::string& value = writes.front().value;
        const bool edgeBlanks =
            !value.empty() && (isProfileBlank(value.front()) || isProfileBlank(value.back()));
        if (edgeBlanks) {
            // Such a value takes the whole rest of its line, blanks around the old one
            // included, so that writing it again changes nothing; it never reaches past it.
            const std::string_view removedText(before.data() + prefix, removed);
            FUZZ_CHECK(removedText.find_first_of("\r\n") == std::string_view::npos, after);
        } else if (const auto bare =
                       oldValue
                           ? std::nullopt
                           : modelBareLine(std::string_view(before).substr(
                                               encodingBefore == TextEncoding::Utf8Bom ? 3 : 0),
                                           *section, *key, document.textEncoding())) {
            // The bare line becomes the key's line: only the blanks after the name go, and
            // no line is added.
            const std::string_view added(after.data() + prefix, after.size() - prefix - suffix);
            FUZZ_CHECK(removed <= bare->size() - trimBlanks(*bare).size(), after);
            FUZZ_CHECK(added.find_first_of("\r\n") == std::string_view::npos, after);
        } else {
            FUZZ_CHECK(removed <= (oldValue ? oldValue->size() : 0), after);
        }
        if (oldValue && *oldValue == *encode(writes.front().value))
            FUZZ_CHECK(after == before, after);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Profiles are small; huge inputs only slow the search down.
    if (size > 64 * 1024)
        return -1;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkDocument(input);
    checkWrites(input);
    return 0;
}
