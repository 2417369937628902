#pragma once

// Windows icon files built byte by byte, so that the tests need no binary fixtures and do not
// depend on the readers they test.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::test {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(Bytes& bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

inline void patch32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void patch16(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

// BITMAPINFOHEADER of an icon image: the height counts the colour bitmap and the mask.
inline Bytes dibHeader(int side, int bitCount, std::uint32_t coloursUsed = 0)
{
    Bytes bytes;
    put32(bytes, 40);
    put32(bytes, static_cast<std::uint32_t>(side));
    put32(bytes, static_cast<std::uint32_t>(side * 2));
    put16(bytes, 1);
    put16(bytes, static_cast<std::uint32_t>(bitCount));
    for (int i = 0; i < 4; ++i) // compression, image size, resolutions
        put32(bytes, 0);
    put32(bytes, coloursUsed);
    put32(bytes, 0);
    return bytes;
}

inline void putMask(Bytes& bytes, int side, bool topLeftTransparent)
{
    const std::size_t stride = (static_cast<std::size_t>(side) + 31) / 32 * 4;
    for (int row = 0; row < side; ++row) {
        // Rows are stored bottom-up: the last one is the picture's top.
        const bool top = row == side - 1;
        for (std::size_t i = 0; i < stride; ++i)
            bytes.push_back(top && i == 0 && topLeftTransparent ? 0x80 : 0x00);
    }
}

// A square 32-bit image of one colour (0xAARRGGBB, straight alpha) with an all-clear mask.
inline Bytes dib32(int side, std::uint32_t argb)
{
    Bytes bytes = dibHeader(side, 32);
    for (int i = 0; i < side * side; ++i)
        put32(bytes, argb);
    putMask(bytes, side, false);
    return bytes;
}

// A square 8-bit palette image of one colour whose top-left pixel the mask makes transparent.
inline Bytes dib8(int side, std::uint32_t rgb)
{
    Bytes bytes = dibHeader(side, 8, 2);
    put32(bytes, 0x00FFFFFF);
    put32(bytes, rgb);
    const std::size_t stride = (static_cast<std::size_t>(side) + 3) / 4 * 4;
    for (int row = 0; row < side; ++row) {
        for (std::size_t i = 0; i < stride; ++i)
            bytes.push_back(1);
    }
    putMask(bytes, side, true);
    return bytes;
}

// A valid 2 × 2 PNG, opaque blue.
inline Bytes tinyPng()
{
    return {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
            0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06,
            0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44,
            0x41, 0x54, 0x78, 0x9C, 0x63, 0x60, 0x60, 0xF8, 0xFF, 0x1F, 0x82, 0xA1, 0x0C,
            0x00, 0x3F, 0xD2, 0x07, 0xF9, 0xB4, 0x12, 0x4F, 0xCD, 0x00, 0x00, 0x00, 0x00,
            0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
}

struct IcoImage
{
    int side = 0; // as the directory states it: 0 means 256
    int bitCount = 0;
    Bytes data;
};

inline constexpr std::size_t kIcoEntrySize = 16;

// An .ico file; directory entry i starts at 6 + 16 * i.
inline Bytes icoFile(const std::vector<IcoImage>& images)
{
    Bytes bytes;
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = 6 + kIcoEntrySize * images.size();
    for (const IcoImage& image : images) {
        bytes.push_back(static_cast<std::uint8_t>(image.side));
        bytes.push_back(static_cast<std::uint8_t>(image.side));
        bytes.push_back(0);
        bytes.push_back(0);
        put16(bytes, 1);
        put16(bytes, static_cast<std::uint32_t>(image.bitCount));
        put32(bytes, static_cast<std::uint32_t>(image.data.size()));
        put32(bytes, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const IcoImage& image : images)
        bytes.insert(bytes.end(), image.data.begin(), image.data.end());
    return bytes;
}

// One resource of a PE file: a name (when not empty) or an id, and its bytes.
struct PeResource
{
    std::uint32_t type = 0;
    std::u16string name;
    std::uint16_t id = 0;
    Bytes data;
};

inline constexpr std::uint32_t kRtIcon = 3;
inline constexpr std::uint32_t kRtGroupIcon = 14;

// An RT_GROUP_ICON resource: the .ico directory with RT_ICON ids for offsets.
inline Bytes iconGroup(const std::vector<IcoImage>& images,
                       const std::vector<std::uint16_t>& iconIds)
{
    Bytes bytes;
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, static_cast<std::uint32_t>(images.size()));
    for (std::size_t i = 0; i < images.size(); ++i) {
        bytes.push_back(static_cast<std::uint8_t>(images[i].side));
        bytes.push_back(static_cast<std::uint8_t>(images[i].side));
        bytes.push_back(0);
        bytes.push_back(0);
        put16(bytes, 1);
        put16(bytes, static_cast<std::uint32_t>(images[i].bitCount));
        put32(bytes, static_cast<std::uint32_t>(images[i].data.size()));
        put16(bytes, iconIds[i]);
    }
    return bytes;
}

enum class PeKind { Pe32, Pe32Plus };

struct PeFile
{
    Bytes bytes;
    std::size_t resourceStart = 0;   // file offset of the root resource directory
    std::size_t typeDirectories = 0; // resource offset of the first type's name directory
    std::vector<std::size_t> languageDirectories; // resource offsets, one per resource
    std::vector<std::size_t> dataEntries;         // resource offsets, one per resource
};

inline constexpr std::uint32_t kResourceRva = 0x2000;

// A PE file with one section, .rsrc, holding resources in the order given: grouped by type in
// order of first appearance, each with one language. The caller lists them in directory
// order (named before numbered).
inline PeFile peFile(const std::vector<PeResource>& resources, PeKind kind = PeKind::Pe32)
{
    std::vector<std::uint32_t> types;
    for (const PeResource& resource : resources) {
        bool seen = false;
        for (const std::uint32_t type : types)
            seen = seen || type == resource.type;
        if (!seen)
            types.push_back(resource.type);
    }
    const auto directorySize = [](std::size_t entries) { return 16 + 8 * entries; };
    const auto countOf = [&](std::uint32_t type) {
        std::size_t count = 0;
        for (const PeResource& resource : resources)
            count += resource.type == type ? 1 : 0;
        return count;
    };

    PeFile file;
    // Offsets inside the resource section, laid out in one pass.
    std::size_t offset = directorySize(types.size());
    file.typeDirectories = offset;
    std::vector<std::size_t> typeOffsets;
    for (const std::uint32_t type : types) {
        typeOffsets.push_back(offset);
        offset += directorySize(countOf(type));
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        file.languageDirectories.push_back(offset);
        offset += directorySize(1);
    }
    std::vector<std::size_t>& dataEntries = file.dataEntries;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        dataEntries.push_back(offset);
        offset += 16;
    }
    std::vector<std::size_t> names(resources.size());
    for (std::size_t i = 0; i < resources.size(); ++i) {
        names[i] = offset;
        offset += resources[i].name.empty() ? 0 : 2 + 2 * resources[i].name.size();
    }
    std::vector<std::size_t> data;
    for (const PeResource& resource : resources) {
        offset = (offset + 3) / 4 * 4;
        data.push_back(offset);
        offset += resource.data.size();
    }
    const std::size_t sectionSize = (offset + 511) / 512 * 512;

    Bytes rsrc;
    const auto directory = [&](std::size_t named, std::size_t numbered) {
        for (int i = 0; i < 3; ++i)
            put32(rsrc, 0);
        put16(rsrc, static_cast<std::uint32_t>(named));
        put16(rsrc, static_cast<std::uint32_t>(numbered));
    };
    constexpr std::uint32_t subdirectory = 0x80000000U;
    directory(0, types.size());
    for (std::size_t t = 0; t < types.size(); ++t) {
        put32(rsrc, types[t]);
        put32(rsrc, static_cast<std::uint32_t>(typeOffsets[t]) | subdirectory);
    }
    for (const std::uint32_t type : types) {
        std::size_t named = 0;
        for (const PeResource& resource : resources)
            named += resource.type == type && !resource.name.empty() ? 1 : 0;
        directory(named, countOf(type) - named);
        for (std::size_t i = 0; i < resources.size(); ++i) {
            if (resources[i].type != type)
                continue;
            put32(rsrc, resources[i].name.empty()
                            ? resources[i].id
                            : static_cast<std::uint32_t>(names[i]) | subdirectory);
            put32(rsrc, static_cast<std::uint32_t>(file.languageDirectories[i]) | subdirectory);
        }
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        directory(0, 1);
        put32(rsrc, 0x0411); // Japanese
        put32(rsrc, static_cast<std::uint32_t>(dataEntries[i]));
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        put32(rsrc, kResourceRva + static_cast<std::uint32_t>(data[i]));
        put32(rsrc, static_cast<std::uint32_t>(resources[i].data.size()));
        put32(rsrc, 0);
        put32(rsrc, 0);
    }
    for (const PeResource& resource : resources) {
        if (resource.name.empty())
            continue;
        put16(rsrc, static_cast<std::uint32_t>(resource.name.size()));
        for (const char16_t unit : resource.name)
            put16(rsrc, unit);
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        rsrc.resize(data[i], 0);
        rsrc.insert(rsrc.end(), resources[i].data.begin(), resources[i].data.end());
    }
    rsrc.resize(sectionSize, 0);

    // Headers: DOS stub, PE signature, COFF header, optional header, one section header.
    Bytes& bytes = file.bytes;
    bytes.resize(0x40, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    patch32(bytes, 0x3C, 0x40);
    bytes.insert(bytes.end(), {'P', 'E', 0, 0});
    const bool plus = kind == PeKind::Pe32Plus;
    const std::uint32_t optionalSize = plus ? 240 : 224;
    put16(bytes, plus ? 0x8664 : 0x014C);
    put16(bytes, 1);
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, 0);
    put16(bytes, optionalSize);
    put16(bytes, 0x2102);
    const std::size_t optional = bytes.size();
    bytes.resize(optional + optionalSize, 0);
    patch16(bytes, optional, plus ? 0x20B : 0x10B);
    const std::size_t directories = optional + (plus ? 112 : 96);
    patch32(bytes, directories - 4, 16);
    patch32(bytes, directories + 2 * 8, kResourceRva);
    patch32(bytes, directories + 2 * 8 + 4, static_cast<std::uint32_t>(offset));
    const std::size_t rawOffset = 0x200;
    bytes.insert(bytes.end(), {'.', 'r', 's', 'r', 'c', 0, 0, 0});
    put32(bytes, static_cast<std::uint32_t>(offset));
    put32(bytes, kResourceRva);
    put32(bytes, static_cast<std::uint32_t>(sectionSize));
    put32(bytes, rawOffset);
    for (int i = 0; i < 3; ++i)
        put32(bytes, 0);
    put32(bytes, 0x40000040);
    bytes.resize(rawOffset, 0);
    file.resourceStart = bytes.size();
    bytes.insert(bytes.end(), rsrc.begin(), rsrc.end());
    return file;
}

} // namespace vnovla::test
