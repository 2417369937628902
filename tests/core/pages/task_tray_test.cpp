#include "launcher_fixture.h"
#include "pages/launcher_menus.h"
#include "pages/launcher_presenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::MenuRoot;
using pages::TrayMouse;
using pages::WindowState;
using Calls = std::vector<std::string>;

class TaskTrayTest : public test::LauncherFixture
{
protected:
    void startWithTray(bool trayOption, const std::string& settings = "")
    {
        options.tray = trayOption ? settings::CheckState::Checked : settings::CheckState::Unchecked;
        start(settings);
    }
    void minimise() { presenter->Form_Resize(WindowState::Minimised); }
};

TEST(TaskTrayTip, readsTheTitleAndTheVersionWithMinorAndRevisionRunTogether)
{
    EXPECT_EQ(pages::trayTip(0, 1, 0), "VESKA NOVLA 0.10");
    EXPECT_EQ(pages::trayTip(0, 2, 9), "VESKA NOVLA 0.29");
}

TEST_F(TaskTrayTest, minimisingEntersTheTrayOnlyWithTheOptionAndATray)
{
    struct Row
    {
        bool option;
        bool hasTray;
        bool entered;
    };
    for (const Row row : {Row{true, true, true}, Row{false, true, false}, Row{true, false, false},
                          Row{false, false, false}}) {
        SCOPED_TRACE(testing::Message() << "option " << row.option << " tray " << row.hasTray);
        view = test::FakeLauncherView{};
        view.hasTray = row.hasTray;
        startWithTray(row.option);
        minimise();
        EXPECT_EQ(presenter->inTray(), row.entered);
        EXPECT_EQ(view.windowHidden, row.entered) << "without a tray the window stays reachable";
        EXPECT_EQ(view.trayIcons, row.entered ? 1 : 0);
    }
}

TEST_F(TaskTrayTest, repeatedMinimiseStateChangesShowOneIcon)
{
    startWithTray(true);
    minimise();
    minimise();
    EXPECT_EQ(view.trayIcons, 1);
    EXPECT_EQ(view.trayCalls, (Calls{"enter"}));
}

TEST_F(TaskTrayTest, leftReleaseRestoresWithTheTopmostRule)
{
    for (const bool onTop : {true, false}) {
        SCOPED_TRACE(onTop ? "always on top" : "not on top");
        view = test::FakeLauncherView{};
        startWithTray(true, onTop ? "[Window]\nTemae=True\n" : "[Window]\nTemae=False\n");
        minimise();
        view.stayOnTop.reset();
        presenter->trayIcon_Mouse(TrayMouse::LeftRelease);
        EXPECT_FALSE(presenter->inTray());
        EXPECT_EQ(view.trayIcons, 0);
        EXPECT_FALSE(view.windowHidden);
        if (onTop) {
            EXPECT_EQ(view.stayOnTop, pages::StayOnTop::On);
            EXPECT_EQ(view.trayCalls, (Calls{"enter", "remove", "restore"}));
        } else {
            EXPECT_FALSE(view.stayOnTop.has_value()) << "in front, but not kept on top";
            EXPECT_EQ(view.trayCalls, (Calls{"enter", "remove", "restore", "front"}));
        }
    }
}

TEST_F(TaskTrayTest, rightPressOpensTheTrayMenuAndLeaveItemRestoresWithoutTopmost)
{
    startWithTray(true);
    minimise();
    presenter->trayIcon_Mouse(TrayMouse::RightPress);
    EXPECT_TRUE(presenter->inTray());
    view.stayOnTop.reset();
    presenter->menuItem_Click(MenuRoot::Tray, "MnuTrayExit");
    EXPECT_EQ(view.trayCalls, (Calls{"enter", "menu", "remove", "restore"}));
    EXPECT_FALSE(view.stayOnTop.has_value());
    EXPECT_FALSE(presenter->inTray());
}

TEST_F(TaskTrayTest, iconEventsOutsideTheTrayAndLeavingTwiceDoNothing)
{
    startWithTray(true);
    presenter->trayIcon_Mouse(TrayMouse::LeftRelease);
    presenter->trayIcon_Mouse(TrayMouse::RightPress);
    presenter->MnuTrayExit_Click();
    EXPECT_TRUE(view.trayCalls.empty());

    minimise();
    presenter->trayIcon_Lost();
    presenter->trayIcon_Lost();
    EXPECT_EQ(view.trayCalls, (Calls{"enter", "remove", "restore"}));
}

TEST_F(TaskTrayTest, anyRestoreRemovesTheIconAndTheNextMinimiseAddsItAgain)
{
    startWithTray(true);
    minimise();
    presenter->Form_Resize(WindowState::Normal);
    EXPECT_FALSE(presenter->inTray());
    EXPECT_EQ(view.trayIcons, 0);
    minimise();
    EXPECT_EQ(view.trayIcons, 1);
}

TEST_F(TaskTrayTest, switchingTheOptionOffLeavesTheIconToTheNextRestore)
{
    startWithTray(true);
    minimise();
    options.tray = settings::CheckState::Unchecked;
    presenter->Form_Resize(WindowState::Normal);
    EXPECT_TRUE(presenter->inTray()) << "the option is read when the state changes";
    presenter->trayIcon_Mouse(TrayMouse::LeftRelease);
    EXPECT_FALSE(presenter->inTray());
    EXPECT_FALSE(view.windowHidden);
}

TEST_F(TaskTrayTest, exitInTheTrayRemovesTheIconBeforeSaving)
{
    startWithTray(true);
    minimise();
    ASSERT_TRUE(presenter->Form_Unload({40, 60}).ok());
    EXPECT_EQ(view.trayIcons, 0);
    EXPECT_FALSE(presenter->inTray());
    EXPECT_EQ(read("Window", "Left"), "600");
}

TEST_F(TaskTrayTest, trayMenuCutsHugeAndBrokenTooltipsSafely)
{
    const std::string longTip(10000, 'x');
    start("[PopUp]\n00=" + longTip +
          "\n01=\xff\xfe\xfd"
          "abc\n");
    const pages::MenuModel tray = presenter->menu(MenuRoot::Tray);
    EXPECT_EQ(pages::findMenuItem(tray, "MnuApp0")->caption, "0: " + std::string(15, 'x'));
    // Undecodable bytes arrive as replacement characters, each counted as one.
    EXPECT_EQ(pages::findMenuItem(tray, "MnuApp1")->caption, "1: \uFFFD\uFFFD\uFFFDabc");
}

} // namespace
} // namespace vnovla
