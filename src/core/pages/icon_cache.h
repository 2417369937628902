#pragma once

#include "pages/icon_cache_file.h"
#include "pages/page_face.h"
#include "platform/icons.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace vnovla::pages {

// Keeps every button picture it has made, so that paging back and forth reads no icon file
// twice. A picture is made again when the file it comes from changed (size or modification
// time) or appeared or went away, or when the icon theme changed. Everything else goes to the
// icon service behind it.
//
// With a cache file the pictures also outlive the program: the file is read in one go at start,
// so that the first page shows its icons without the icon service (no desktop database, no
// image decoding), each picture still checked against its file before it is shown. The file is
// written back, whole and atomically, when pictures were made or dropped.
class IconCache : public platform::Icons
{
public:
    explicit IconCache(platform::Icons& source, std::size_t capacity = 1024);

    std::string associatedProgram(const std::string& path) override;
    platform::Picture picture(const IconRequest& request, int sizePixels) override;

    // The icon theme the pictures are drawn with; another theme drops every picture.
    void setTheme(const std::string& theme);
    const std::string& theme() const { return theme_; }

    // Reads the pictures of `file` (made for the current theme) and keeps `file` for save().
    // A missing, damaged or foreign file, or one of another theme, gives no picture.
    void useCacheFile(const std::filesystem::path& file);

    // Writes the cache file when the pictures changed since it was read or written. False when
    // it could not be written (the program goes on without it).
    bool save();
    bool hasUnsavedPictures() const { return dirty_; }

private:
    struct Entry
    {
        FileIdentity identity;
        platform::Picture picture;
    };
    using Key = std::tuple<int, std::string, int, int>; // source, path, index, size

    platform::Icons& source_;
    std::size_t capacity_;
    std::map<Key, Entry> entries_;
    std::string theme_;
    std::optional<std::filesystem::path> file_;
    bool dirty_ = false;
};

} // namespace vnovla::pages
