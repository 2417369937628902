#pragma once

#include "platform/desktop_actions.h"

class QWidget;

namespace vnovla::platform::linux_desktop {

// The system commands on a freedesktop desktop: programs from the search path, XDG folders,
// the freedesktop trash and logind's power-off over the system bus.
class LinuxDesktopActions : public DesktopActions
{
public:
    // Where the progress of a long trash emptying is shown.
    void setParent(QWidget* parent) { parent_ = parent; }

    bool canRun(const std::string& program) const override;
    ActionResult run(const std::vector<std::string>& argv) override;
    bool hasFolder(SpecialFolder folder) const override;
    ActionResult openFolder(SpecialFolder folder) override;
    ActionResult emptyTrash() override;
    bool canPowerOff() const override;
    ActionResult powerOff() override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace vnovla::platform::linux_desktop
