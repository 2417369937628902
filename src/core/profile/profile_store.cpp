#include "profile/profile_store.h"

#include <system_error>

namespace vnovla::profile {

ProfileStore::ProfileStore(const std::filesystem::path& programFolder)
    : programFolder_(programFolder), settings_(programFolder / kSettingsFileName),
      icons_(programFolder / kIconFileName)
{}

int ProfileStore::removeStaleTemporaryFiles(std::chrono::seconds minimumAge)
{
    // The names a write gives its temporary copy: "." + file name + "." + six characters.
    const auto isTemporaryOf = [](const std::string& name, std::string_view file) {
        return name.size() == file.size() + 8 && name.front() == '.' &&
               name.compare(1, file.size(), file) == 0 && name[file.size() + 1] == '.';
    };
    int removed = 0;
    std::error_code error;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto& entry : std::filesystem::directory_iterator(programFolder_, error)) {
        const std::string name = entry.path().filename().string();
        if (!isTemporaryOf(name, kSettingsFileName) && !isTemporaryOf(name, kIconFileName))
            continue;
        std::error_code entryError;
        if (!entry.is_regular_file(entryError) || entry.is_symlink(entryError))
            continue;
        const auto modified = entry.last_write_time(entryError);
        if (entryError || now - modified < minimumAge)
            continue;
        if (std::filesystem::remove(entry.path(), entryError))
            ++removed;
    }
    return removed;
}

} // namespace vnovla::profile
