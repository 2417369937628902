#pragma once

#include <string>

namespace vnovla::platform {

// Starting things the way the desktop's file manager would.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens an item as a double-click in the file manager does: a folder in a file-manager
    // window, a program started with workingFolder as its current folder, a document in its
    // default application. A bare name without a separator ("firefox") is a program looked
    // up on PATH; a relative path starts from the program folder. Failures are the desktop's
    // to report; the launcher adds none.
    virtual void open(const std::string& path, const std::string& workingFolder) = 0;

    // Starts program with argument as its one argument. Nothing is parsed by a shell, so
    // spaces and quotes in either text reach the program unchanged.
    virtual void startWithArgument(const std::string& program, const std::string& argument) = 0;
};

} // namespace vnovla::platform
