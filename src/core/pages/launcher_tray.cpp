#include "pages/launcher_presenter.h"
#include "settings/options.h"

#include <string>

namespace vnovla::pages {

std::string trayTip(int major, int minor, int revision)
{
    return std::string(kApplicationTitle) + " " + std::to_string(major) + "." +
           std::to_string(minor) + std::to_string(revision);
}

void LauncherPresenter::Form_Resize(WindowState state)
{
    if (options_.tray != settings::CheckState::Checked)
        return;
    if (state == WindowState::Normal) {
        // Any restore, whoever made it, takes the icon away.
        inTray_ = false;
        view_.removeTrayIcon();
        return;
    }
    // Without a notification area, hiding the window would leave no way back to it.
    if (inTray_ || !view_.trayAvailable())
        return;
    inTray_ = true;
    view_.enterTray();
}

void LauncherPresenter::trayIcon_Mouse(TrayMouse event)
{
    if (!inTray_)
        return;
    switch (event) {
    case TrayMouse::LeftRelease:
        MnuTrayExit_Click();
        // Back in front of the others; kept on top only when the user wants it on top.
        if (alwaysOnTopChecked_)
            view_.setStayOnTop(StayOnTop::On);
        else
            view_.bringToFront();
        break;
    case TrayMouse::RightPress:
        view_.popUpTrayMenu();
        break;
    }
}

void LauncherPresenter::MnuTrayExit_Click()
{
    if (!inTray_)
        return;
    inTray_ = false;
    view_.removeTrayIcon();
    view_.restoreWindow();
}

} // namespace vnovla::pages
