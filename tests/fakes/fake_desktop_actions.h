#pragma once

#include "platform/desktop_actions.h"

#include <set>
#include <string>
#include <vector>

namespace vnovla::test {

// A desktop whose programs, folders and power-off service are listed by the test; it records
// what it was asked to do.
class FakeDesktopActions : public platform::DesktopActions
{
public:
    bool canRun(const std::string& program) const override { return programs.count(program) != 0; }
    platform::ActionResult run(const std::vector<std::string>& argv) override
    {
        started.push_back(argv);
        return result;
    }
    bool hasFolder(platform::SpecialFolder folder) const override
    {
        return folders.count(folder) != 0;
    }
    platform::ActionResult openFolder(platform::SpecialFolder folder) override
    {
        opened.push_back(folder);
        return result;
    }
    platform::ActionResult emptyTrash() override
    {
        ++trashEmptied;
        return result;
    }
    bool canPowerOff() const override { return powerOffService; }
    platform::ActionResult powerOff() override
    {
        ++poweredOff;
        return result;
    }

    std::set<std::string> programs; // on the search path, or absolute paths that exist
    std::set<platform::SpecialFolder> folders;
    bool powerOffService = false;
    platform::ActionResult result; // what every action answers

    std::vector<std::vector<std::string>> started;
    std::vector<platform::SpecialFolder> opened;
    int trashEmptied = 0;
    int poweredOff = 0;
};

} // namespace vnovla::test
