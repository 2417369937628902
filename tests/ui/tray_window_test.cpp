#include "launcher_window_fixture.h"

#include "ui/tray_icon.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace vnovla {
namespace {

class TrayWindowTest : public test::LauncherWindowTest
{
};

// The test platform has no notification area, like a desktop without a tray host: the
// window must stay on the taskbar instead of vanishing.
TEST_F(TrayWindowTest, withoutANotificationAreaAMinimisedWindowStaysReachable)
{
    ASSERT_FALSE(ui::TrayIcon::available()) << "the test platform was expected to have no tray";
    options.tray = settings::CheckState::Checked;
    start("[Window]\nStartMin=1\n");
    QCoreApplication::processEvents();

    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->presenter().inTray());
    auto* icon = window->findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->isVisible());
}

TEST_F(TrayWindowTest, trayMenuCarriesTheLeaveItemEnabledAndNamed)
{
    start("");
    auto* tray = window->findChild<QMenu*>(QStringLiteral("MnuTray"));
    ASSERT_NE(tray, nullptr);
    const QAction* leave = nullptr;
    for (const QAction* action : tray->actions()) {
        if (action->objectName() == QLatin1String("MnuTrayExit"))
            leave = action;
    }
    ASSERT_NE(leave, nullptr);
    EXPECT_TRUE(leave->isEnabled());
    EXPECT_EQ(leave->text(), QStringLiteral("トレイから出す"));
}

} // namespace
} // namespace vnovla
