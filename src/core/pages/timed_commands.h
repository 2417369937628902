#pragma once

#include <string_view>

namespace vnovla::pages {

// The alarm and the title-bar clock, as the launcher's menus reach them. They live in their
// own presenter; the launcher presenter only passes the menu choices on.
class TimedCommands
{
public:
    virtual ~TimedCommands() = default;

    // An alarm item was chosen; false when name is no item of theirs.
    virtual bool alarmMenu_Click(std::string_view name) = 0;
    // The clock's check mark changed to on.
    virtual void clockSwitched(bool on) = 0;
};

} // namespace vnovla::pages
