#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vnovla::platform::linux_desktop {

struct TrashReport
{
    int deleted = 0;                   // entries removed, nested ones included
    std::vector<std::string> failures; // "path: reason", one per entry left behind
};

// The user's trash folders: the one in the data folder (~/.local/share/Trash), then those of
// mounted volumes (.Trash/<uid> and .Trash-<uid> at a volume's top).
std::vector<std::string> userTrashFolders();

// The trash folders at the top of the given volumes that belong to user uid and pass the
// safety checks of shared trash folders (no links; .Trash must carry the sticky bit).
std::vector<std::string> volumeTrashFolders(const std::vector<std::string>& mountPoints,
                                            unsigned uid);

// Deletes everything inside files/, info/ and expunged/ of each trash folder; the folders
// themselves stay. Links are removed, never followed, and a folder that is a link is left
// alone, so nothing outside the trash is touched. Read-only folders inside the trash are made
// writable first. progress is told the running count now and then.
TrashReport emptyTrashFolders(const std::vector<std::string>& trashFolders,
                              const std::function<void(int deleted)>& progress = {});

} // namespace vnovla::platform::linux_desktop
