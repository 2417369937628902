#pragma once

#include "platform/icons.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vnovla::pages {

// What a button picture was made from, as far as a stat() tells: whether the file existed,
// its size and modification time. A picture is trusted while these stay the same.
struct FileIdentity
{
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedTicks = 0; // the file clock's ticks since its epoch
    bool operator==(const FileIdentity&) const = default;

    static FileIdentity of(const std::string& path);
};

// One rendered button picture and what decides it.
struct StoredIcon
{
    int source = 0; // IconSource as a number
    std::string path;
    int index = 0;
    int sizePixels = 0;
    FileIdentity identity;
    platform::Picture picture;
};

// The button pictures of one profile folder kept between runs, so that a start draws its first
// page without decoding any image. `theme` names the icon theme they were drawn with: pictures
// of another theme are of no use.
struct IconCacheContents
{
    std::string theme;
    std::vector<StoredIcon> icons;
};

// The cache file: a fixed header, the entries with their pixels raw, and a checksum over all of
// it. Anything that is not exactly such a file (another program's file, a file cut short by a
// crash, flipped bits) reads as nothing at all, never as wrong pictures.
std::vector<std::uint8_t> encodeIconCache(const IconCacheContents& contents);
std::optional<IconCacheContents> decodeIconCache(std::span<const std::uint8_t> bytes);
// Seals `bytes` as encodeIconCache() does, so that a fuzzer reaches past the checksum.
void appendIconCacheChecksum(std::vector<std::uint8_t>& bytes);

// Reads the whole file in one go; nothing when it is missing, unreadable or not a cache file.
std::optional<IconCacheContents> readIconCacheFile(const std::filesystem::path& file);

// Replaces the file atomically (a temporary file beside it, then a rename), making its folder
// when needed. False when the folder cannot be written; the old file then stays as it was.
bool writeIconCacheFile(const std::filesystem::path& file, const IconCacheContents& contents);

// The cache file of a profile folder under the user's cache folder (`cacheHome`, the XDG cache
// home): one file per profile folder, named after its canonical path, so that two launchers of
// two profiles never spoil each other's pictures and two spellings of one folder share one.
std::filesystem::path iconCacheFileFor(const std::filesystem::path& cacheHome,
                                       const std::filesystem::path& profileFolder);

// Bounds that keep a damaged or hostile file from asking for much memory.
inline constexpr std::size_t kMaxStoredIcons = 1 << 16;
inline constexpr int kMaxStoredSide = 256;
inline constexpr std::size_t kMaxStoredText = 1 << 16;

} // namespace vnovla::pages
