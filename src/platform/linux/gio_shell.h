#pragma once

#include "platform/shell.h"

namespace vnovla::platform::linux_desktop {

// Starts items the way a Linux file manager does on a double-click. No text ever passes
// through a shell, so spaces, quotes and semicolons in a registered path are just characters.
class GioShell : public Shell
{
public:
    void open(const std::string& path, const std::string& workingFolder) override;
    void startWithArgument(const std::string& program, const std::string& argument) override;
};

} // namespace vnovla::platform::linux_desktop
