#include "icons/pe_icon_reader.h"

#include <algorithm>

namespace vnovla::icons {

namespace {

constexpr std::uint32_t kSubdirectoryBit = 0x80000000U;
constexpr std::uint32_t kTypeIcon = 3;
constexpr std::uint32_t kTypeGroupIcon = 14;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;

struct DirectoryEntry
{
    std::uint32_t name = 0;
    std::uint32_t target = 0;
};

// The entries of the directory at offset, in stored order (named entries come first there),
// or none when the table does not lie wholly inside the resources.
std::vector<DirectoryEntry> directoryEntries(const ByteView& resources, std::uint32_t offset)
{
    std::vector<DirectoryEntry> entries;
    const auto named = resources.u16(std::uint64_t{offset} + 12);
    const auto numbered = resources.u16(std::uint64_t{offset} + 14);
    if (!named || !numbered)
        return entries;
    const std::uint64_t first = std::uint64_t{offset} + kDirectoryHeaderSize;
    const std::size_t count = std::size_t{*named} + *numbered;
    // A table that runs past the resources is damaged as a whole: reading the part that fits
    // would take whatever follows for entries.
    if (!resources.has(first, count * kDirectoryEntrySize))
        return entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t at = first + i * kDirectoryEntrySize;
        entries.push_back({*resources.u32(at), *resources.u32(at + 4)});
    }
    return entries;
}

bool isSubdirectory(std::uint32_t target)
{
    return (target & kSubdirectoryBit) != 0;
}

std::uint32_t subdirectoryOffset(std::uint32_t target)
{
    return target & ~kSubdirectoryBit;
}

} // namespace

PeIconReader::PeIconReader(std::span<const std::uint8_t> bytes) : bytes_(bytes)
{
    if (bytes_.u16(0) != std::optional<std::uint16_t>(0x5A4D)) // "MZ"
        return;
    const auto peOffset = bytes_.u32(0x3C);
    if (!peOffset || bytes_.u32(*peOffset) != std::optional<std::uint32_t>(0x00004550)) // "PE\0\0"
        return;
    const std::uint64_t coff = std::uint64_t{*peOffset} + 4;
    const auto sectionCount = bytes_.u16(coff + 2);
    const auto optionalSize = bytes_.u16(coff + 16);
    // Real files have a few dozen sections at most; the cap keeps every address lookup cheap.
    constexpr std::uint16_t maxSections = 256;
    if (!sectionCount || !optionalSize || *sectionCount > maxSections)
        return;
    const std::uint64_t optional = coff + 20;
    const auto magic = bytes_.u16(optional);
    if (!magic || (*magic != 0x10B && *magic != 0x20B))
        return;
    // PE32+ widens the image base and the stack and heap sizes, which moves the directories.
    const std::uint64_t directoriesAt = *magic == 0x10B ? 96 : 112;
    const auto directoryCount = bytes_.u32(optional + directoriesAt - 4);
    constexpr std::uint64_t resourceDirectory = 2;
    const std::uint64_t resourceEntry = directoriesAt + resourceDirectory * 8;
    if (!directoryCount || *directoryCount <= resourceDirectory ||
        resourceEntry + 8 > *optionalSize)
        return;
    const auto resourceRva = bytes_.u32(optional + resourceEntry);
    if (!resourceRva || *resourceRva == 0)
        return;

    const std::uint64_t sectionTable = optional + *optionalSize;
    for (std::size_t i = 0; i < *sectionCount; ++i) {
        const auto header = bytes_.sub(sectionTable + i * kSectionHeaderSize, kSectionHeaderSize);
        if (!header)
            return;
        sections_.push_back({*header->u32(12), *header->u32(20), *header->u32(16)});
    }
    // The size recorded for the directory is often wrong; the section's end bounds it instead.
    if (const auto resources = atRva(*resourceRva, 0))
        resources_ = *resources;
    else
        return;

    for (const DirectoryEntry& type : directoryEntries(resources_, 0)) {
        if (isSubdirectory(type.name) || !isSubdirectory(type.target))
            continue;
        if (type.name == kTypeIcon && icons_.empty()) {
            for (const DirectoryEntry& icon :
                 directoryEntries(resources_, subdirectoryOffset(type.target))) {
                if (icon.name <= 0xFFFF)
                    icons_.emplace(static_cast<std::uint16_t>(icon.name), icon.target);
            }
        }
        if (type.name == kTypeGroupIcon && groups_.empty()) {
            for (const DirectoryEntry& group :
                 directoryEntries(resources_, subdirectoryOffset(type.target)))
                groups_.push_back(group.target);
        }
    }
}

// The bytes at rva, size long; with size 0, everything from rva to the end of its section.
std::optional<ByteView> PeIconReader::atRva(std::uint32_t rva, std::uint32_t size) const
{
    for (const Section& section : sections_) {
        if (rva < section.virtualAddress)
            continue;
        const std::uint64_t into = rva - section.virtualAddress;
        if (into >= section.rawSize)
            continue;
        const std::uint64_t available = section.rawSize - into;
        const std::uint64_t length = size == 0 ? available : size;
        if (length > available)
            return std::nullopt;
        // A section may claim raw data past the end of a cut-off file.
        const std::uint64_t start = std::uint64_t{section.rawOffset} + into;
        if (size == 0 && bytes_.has(start, 0))
            return bytes_.sub(start, std::min<std::uint64_t>(length, bytes_.size() - start));
        return bytes_.sub(start, length);
    }
    return std::nullopt;
}

// The data of a name entry's target: the first language of a directory, or the data entry
// itself. Only one level is followed, so a directory that points back at itself or at an
// ancestor ends here.
std::optional<ByteView> PeIconReader::dataOfEntry(std::uint32_t entryTarget) const
{
    std::uint32_t dataEntry = entryTarget;
    if (isSubdirectory(entryTarget)) {
        const std::vector<DirectoryEntry> languages =
            directoryEntries(resources_, subdirectoryOffset(entryTarget));
        if (languages.empty() || isSubdirectory(languages.front().target))
            return std::nullopt;
        dataEntry = languages.front().target;
    }
    const auto rva = resources_.u32(dataEntry);
    const auto size = resources_.u32(std::uint64_t{dataEntry} + 4);
    if (!rva || !size || *size == 0)
        return std::nullopt;
    return atRva(*rva, *size);
}

std::optional<ByteView> PeIconReader::iconResource(std::uint16_t id) const
{
    const auto icon = icons_.find(id);
    if (icon == icons_.end())
        return std::nullopt;
    return dataOfEntry(icon->second);
}

std::optional<IconImage> PeIconReader::image(int index, int wantedSide) const
{
    if (index < 0 || index >= iconCount())
        return std::nullopt;
    const std::optional<ByteView> group = dataOfEntry(groups_[static_cast<std::size_t>(index)]);
    if (!group || group->u16(0) != std::optional<std::uint16_t>(0) ||
        group->u16(2) != std::optional<std::uint16_t>(1))
        return std::nullopt;
    const std::uint16_t count = *group->u16(4);
    if (!group->has(kGroupHeaderSize, std::uint64_t{count} * kGroupEntrySize))
        return std::nullopt;

    // The group directory is the .ico directory with the image offset replaced by the
    // RT_ICON resource id.
    std::vector<IconEntryInfo> infos;
    std::vector<std::uint16_t> ids;
    infos.reserve(count);
    ids.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kGroupHeaderSize + i * kGroupEntrySize;
        infos.push_back({group->at(at), *group->u16(at + 6)});
        ids.push_back(*group->u16(at + 12));
    }
    for (const std::size_t choice : preferenceOrder(infos, wantedSide)) {
        const std::optional<ByteView> data = iconResource(ids[choice]);
        if (!data)
            continue;
        if (auto decoded = decodeIconImage(data->bytes()))
            return decoded;
    }
    return std::nullopt;
}

} // namespace vnovla::icons
