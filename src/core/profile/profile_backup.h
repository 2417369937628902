#pragma once

#include "profile/write_status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vnovla::profile {

// Copies of a profile file taken before edits that remove or overwrite registrations, kept in
// a "backup" folder beside the file as "<name>-YYYYMMDD-HHMMSS-mmm<extension>" (local time),
// so that their names sort by age.
inline constexpr std::size_t kBackupsKept = 20;

std::filesystem::path backupFolderOf(const std::filesystem::path& profile);

// Keeps the file as it is now. A hard link where the file system allows it: the next write
// replaces the profile by a new file, so the link alone holds the old one and costs no copy.
// A missing file needs no backup. Only the newest kBackupsKept backups of the file stay.
// Returns the backup made (empty when none was needed) or a failure that says why.
struct BackupResult
{
    WriteStatus status;
    std::filesystem::path made;
};
BackupResult backUp(const std::filesystem::path& profile, std::size_t keep = kBackupsKept);

// The backups of the file, oldest first.
std::vector<std::filesystem::path> listBackups(const std::filesystem::path& profile);

// The profile file a backup belongs to, or empty when the name is not that of a backup.
std::filesystem::path originalOf(const std::filesystem::path& backup);

} // namespace vnovla::profile
