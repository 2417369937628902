#pragma once

#include "platform/shell.h"

#include <string>

namespace vnovla::platform::linux_desktop {

// Starts items the way a Linux file manager does on a double-click. No text ever passes
// through a shell, so spaces, quotes and semicolons in a registered path are just characters.
class GioShell : public Shell
{
public:
    // programFolder is where a relative registered path starts from (the folder that holds
    // the profile files); never the launcher's current folder, which depends on how it was
    // started.
    explicit GioShell(std::string programFolder = {});

    void open(const std::string& path, const std::string& workingFolder) override;
    void startWithArgument(const std::string& program, const std::string& argument) override;

private:
    // A relative path taken from the program folder; other paths unchanged.
    std::string fromProgramFolder(const std::string& path) const;
    // The file a registered program names: a bare name found on PATH, else the path from
    // the program folder.
    std::string resolve(const std::string& registered) const;

    std::string programFolder_;
};

} // namespace vnovla::platform::linux_desktop
