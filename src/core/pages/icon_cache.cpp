#include "pages/icon_cache.h"

namespace vnovla::pages {

IconCache::IconCache(platform::Icons& source, std::size_t capacity)
    : source_(source), capacity_(capacity)
{}

std::string IconCache::associatedProgram(const std::string& path)
{
    return source_.associatedProgram(path);
}

platform::Picture IconCache::picture(const IconRequest& request, int sizePixels)
{
    if (request.source == IconSource::None)
        return {};
    const Key key{static_cast<int>(request.source), request.path, request.index, sizePixels};
    const FileIdentity identity = FileIdentity::of(request.path);
    if (const auto found = entries_.find(key);
        found != entries_.end() && found->second.identity == identity)
        return found->second.picture;

    platform::Picture made = source_.picture(request, sizePixels);
    // A profile has at most 10010 buttons; a bound keeps a long session's memory flat all
    // the same. Starting over is simpler than tracking use and costs one cold page.
    if (entries_.size() >= capacity_)
        entries_.clear();
    entries_[key] = Entry{identity, made};
    dirty_ = true;
    return made;
}

void IconCache::setTheme(const std::string& theme)
{
    if (theme == theme_)
        return;
    theme_ = theme;
    if (!entries_.empty())
        dirty_ = true;
    entries_.clear();
}

void IconCache::useCacheFile(const std::filesystem::path& file)
{
    file_ = file;
    std::optional<IconCacheContents> contents = readIconCacheFile(file);
    if (!contents || contents->theme != theme_) {
        // Whatever is there is of no use: replace it at the next save.
        dirty_ = true;
        return;
    }
    for (StoredIcon& icon : contents->icons) {
        if (entries_.size() >= capacity_)
            break;
        entries_[Key{icon.source, std::move(icon.path), icon.index, icon.sizePixels}] =
            Entry{icon.identity, std::move(icon.picture)};
    }
}

bool IconCache::save()
{
    if (!file_ || !dirty_)
        return true;
    IconCacheContents contents;
    contents.theme = theme_;
    contents.icons.reserve(entries_.size());
    for (const auto& [key, entry] : entries_) {
        const auto& [source, path, index, size] = key;
        contents.icons.push_back(
            StoredIcon{source, path, index, size, entry.identity, entry.picture});
    }
    if (!writeIconCacheFile(*file_, contents))
        return false;
    dirty_ = false;
    return true;
}

} // namespace vnovla::pages
