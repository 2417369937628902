#pragma once

#include "pages/page_face.h"
#include "platform/icons.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace vnovla::pages {

// Keeps every button picture it has made, so that paging back and forth reads no icon file
// twice. A picture is made again when the file it comes from changed (size or modification
// time) or appeared or went away. Everything else goes to the icon service behind it.
class IconCache : public platform::Icons
{
public:
    explicit IconCache(platform::Icons& source, std::size_t capacity = 1024);

    std::string associatedProgram(const std::string& path) override;
    platform::Picture picture(const IconRequest& request, int sizePixels) override;

private:
    struct FileIdentity
    {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const FileIdentity&) const = default;
    };
    struct Entry
    {
        FileIdentity identity;
        platform::Picture picture;
    };
    using Key = std::tuple<int, std::string, int, int>; // source, path, index, size

    static FileIdentity identityOf(const std::string& path);

    platform::Icons& source_;
    std::size_t capacity_;
    std::map<Key, Entry> entries_;
};

} // namespace vnovla::pages
