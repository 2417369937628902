#pragma once

#include "profile/profile_file.h"

#include <chrono>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace vnovla::profile {

inline constexpr std::string_view kSettingsFileName = "Vnovla.ini";
inline constexpr std::string_view kIconFileName = "icon.ini";

// The launcher's two profile files in the program folder: the settings file and the icon file.
// Values go in and come out as UTF-8; arguments are always section, key, value.
class ProfileStore
{
public:
    explicit ProfileStore(const std::filesystem::path& programFolder);

    const std::filesystem::path& programFolder() const { return programFolder_; }

    std::string ReadSetting(std::string_view section, std::string_view key)
    {
        return settings_.read(section, key);
    }
    WriteStatus WriteSetting(std::string_view section, std::string_view key, std::string_view value)
    {
        return settings_.write(section, key, value);
    }
    // Several settings of one user action as one replacement of the settings file.
    // Edits that remove or overwrite registrations pass Backup::First: the file as it was is
    // kept in the backup folder beside it, and a backup that cannot be made stops the edit.
    WriteStatus WriteSettings(std::span<const ProfileWrite> writes, Backup backup = Backup::No)
    {
        return settings_.write(writes, backup);
    }

    std::string ReadIconSetting(std::string_view section, std::string_view key)
    {
        return icons_.read(section, key);
    }
    WriteStatus WriteIconSetting(std::string_view section, std::string_view key,
                                 std::string_view value)
    {
        return icons_.write(section, key, value);
    }

    // Both files checked for changes once for all the reads made while it is open.
    class ReadScope
    {
    public:
        explicit ReadScope(ProfileStore& store) : settings_(store.settings_), icons_(store.icons_)
        {}

    private:
        ProfileFile::ReadScope settings_;
        ProfileFile::ReadScope icons_;
    };

    // Removes what writers killed in the middle of a write left behind: the hidden temporary
    // copies of both files, once they are older than `minimumAge` (a younger one may belong
    // to a write going on right now, from vnovla-profile say). Returns how many went.
    int removeStaleTemporaryFiles(std::chrono::seconds minimumAge = std::chrono::seconds(60));

    ProfileFile& settingsFile() { return settings_; }
    ProfileFile& iconFile() { return icons_; }

private:
    std::filesystem::path programFolder_;
    ProfileFile settings_;
    ProfileFile icons_;
};

} // namespace vnovla::profile
