#include "pages/icon_cache.h"

#include <system_error>

namespace vnovla::pages {

IconCache::IconCache(platform::Icons& source, std::size_t capacity)
    : source_(source), capacity_(capacity)
{}

std::string IconCache::associatedProgram(const std::string& path)
{
    return source_.associatedProgram(path);
}

IconCache::FileIdentity IconCache::identityOf(const std::string& path)
{
    FileIdentity identity;
    std::error_code error;
    const std::filesystem::path file(path);
    const auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return identity;
    identity.exists = true;
    if (std::filesystem::is_regular_file(status)) {
        identity.size = std::filesystem::file_size(file, error);
        identity.modified = std::filesystem::last_write_time(file, error);
    }
    return identity;
}

platform::Picture IconCache::picture(const IconRequest& request, int sizePixels)
{
    if (request.source == IconSource::None)
        return {};
    const Key key{static_cast<int>(request.source), request.path, request.index, sizePixels};
    const FileIdentity identity = identityOf(request.path);
    if (const auto found = entries_.find(key);
        found != entries_.end() && found->second.identity == identity)
        return found->second.picture;

    platform::Picture made = source_.picture(request, sizePixels);
    // A profile has at most 10010 buttons; a bound keeps a long session's memory flat all
    // the same. Starting over is simpler than tracking use and costs one cold page.
    if (entries_.size() >= capacity_)
        entries_.clear();
    entries_[key] = Entry{identity, made};
    return made;
}

} // namespace vnovla::pages
