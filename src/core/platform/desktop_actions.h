#pragma once

#include <string>
#include <vector>

namespace vnovla::platform {

// The outcome of a desktop service; message says why it failed, for the user.
struct ActionResult
{
    bool ok = true;
    std::string message;
};

enum class SpecialFolder {
    Documents,
    Desktop,
    Trash,
};

// The desktop services behind the launcher's system commands.
class DesktopActions
{
public:
    virtual ~DesktopActions() = default;

    // Whether a program can be started: a bare name is looked up on the search path, an
    // absolute path must be an executable file.
    virtual bool canRun(const std::string& program) const = 0;
    // Starts a program on its own; the launcher does not wait for it.
    virtual ActionResult run(const std::vector<std::string>& argv) = 0;
    // Whether this desktop has the folder at all.
    virtual bool hasFolder(SpecialFolder folder) const = 0;
    // Opens the folder in the desktop's file manager.
    virtual ActionResult openFolder(SpecialFolder folder) = 0;
    // Deletes everything in the user's trash, on the home volume and on mounted volumes.
    virtual ActionResult emptyTrash() = 0;
    // Whether the system's power-off service can be asked.
    virtual bool canPowerOff() const = 0;
    virtual ActionResult powerOff() = 0;
};

} // namespace vnovla::platform
