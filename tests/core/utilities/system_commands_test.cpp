#include "utilities/system_commands.h"

#include "../pages/launcher_fixture.h"
#include "fakes/fake_desktop_actions.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "pages/launcher_menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vnovla {
namespace {

using platform::Answer;
using platform::SpecialFolder;
using Line = std::vector<std::string>;

TEST(CurrentDesktops, splitsTheSessionListAndIgnoresCase)
{
    EXPECT_EQ(utilities::currentDesktops("ubuntu:GNOME"), (Line{"UBUNTU", "GNOME"}));
    EXPECT_EQ(utilities::currentDesktops("KDE"), (Line{"KDE"}));
    EXPECT_EQ(utilities::currentDesktops("X-Cinnamon::"), (Line{"X-CINNAMON"}));
    EXPECT_TRUE(utilities::currentDesktops("").empty());
}

class SystemCommandsTest : public ::testing::Test
{
protected:
    utilities::SystemCommands discover(const std::string& xdgCurrentDesktop)
    {
        return utilities::SystemCommands(utilities::currentDesktops(xdgCurrentDesktop),
                                         {dialogs, desktop, recent});
    }

    test::FakeDialogs dialogs;
    test::FakeDesktopActions desktop;
    test::FakeRecentDocuments recent;
};

TEST_F(SystemCommandsTest, theSessionsOwnToolWinsOverOnesThatWorkAnywhere)
{
    struct Row
    {
        std::string desktop;
        std::vector<std::string> programs;
        std::string item;
        Line expected;
    };
    const std::vector<Row> rows = {
        {"KDE", {"catfish", "kfind"}, "MnuFind", {"kfind"}},
        {"XFCE", {"catfish", "kfind"}, "MnuFind", {"catfish"}},
        {"ubuntu:GNOME",
         {"systemsettings", "gnome-control-center"},
         "MnuDate",
         {"gnome-control-center", "datetime"}},
        {"KDE", {"systemsettings", "gnome-control-center"}, "MnuCPanelOpen", {"systemsettings"}},
        {"XFCE",
         {"gnome-control-center", "xfce4-settings-manager"},
         "MnuCPanelOpen",
         {"xfce4-settings-manager"}},
        {"", {"lxqt-config"}, "MnuCPanelOpen", {"lxqt-config"}},
        {"GNOME",
         {"ibus-setup", "/usr/lib/mozc/mozc_tool"},
         "MnuImePro",
         {"/usr/lib/mozc/mozc_tool", "--mode=config_dialog"}},
        {"GNOME", {"ibus-setup"}, "MnuImePro", {"ibus-setup"}},
        {"GNOME", {"ibus-setup"}, "MnuImeTango", {}},
        {"GNOME",
         {"/usr/libexec/mozc/mozc_tool"},
         "MnuImeJisyo",
         {"/usr/libexec/mozc/mozc_tool", "--mode=dictionary_tool"}},
        {"XFCE",
         {"gnome-session-quit", "xfce4-session-logout"},
         "MnuWinEnd",
         {"xfce4-session-logout"}},
        // Another session's prompt would act on a session that is not running.
        {"openbox", {"gnome-session-quit"}, "MnuWinEnd", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.desktop + " " + row.item);
        desktop.programs = {row.programs.begin(), row.programs.end()};
        EXPECT_EQ(discover(row.desktop).toolFor(row.item), row.expected);
    }
}

TEST_F(SystemCommandsTest, itemsWithNothingToRunThemAreDisabledInTheMenu)
{
    desktop.programs = {"catfish"};
    desktop.folders = {SpecialFolder::Documents, SpecialFolder::Trash};
    utilities::SystemCommands commands = discover("openbox");
    EXPECT_EQ(commands.availableItems(),
              (Line{"MnuFind", "MnuGomi", "MnuSaikin", "MnuMyDoc", "MnuGomiOpen"}));

    pages::MenuState state;
    state.systemCommands = commands.availableItems();
    const pages::MenuModel menu = pages::contextMenu(state);
    for (const auto& [name, enabled] :
         std::vector<std::pair<std::string, bool>>{{"MnuFind", true},
                                                   {"MnuDate", false},
                                                   {"MnuDeskTopOpen", false},
                                                   {"MnuGomiOpen", true},
                                                   {"MnuImePro", false},
                                                   {"MnuWinEnd", false}}) {
        EXPECT_EQ(pages::findMenuItem(menu, name)->enabled, enabled) << name;
    }
    EXPECT_EQ(pages::findMenuItem(menu, "MnuWinEnd")->caption, "Windowsのシャットダウン(Q)");

    desktop.powerOffService = true;
    EXPECT_TRUE(discover("openbox").available("MnuWinEnd")) << "logind stands in for a prompt";
}

TEST_F(SystemCommandsTest, deletingCommandsActOnlyAfterYes)
{
    utilities::SystemCommands commands = discover("");
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs.setNextAnswer(answer);
        commands.run("MnuGomi");
        dialogs.setNextAnswer(answer);
        commands.run("MnuSaikin");
    }
    EXPECT_EQ(desktop.trashEmptied, 1);
    EXPECT_EQ(recent.clearCount, 1);
    ASSERT_EQ(dialogs.questions.size(), 4U);
    EXPECT_EQ(dialogs.questions[1].text, utilities::kRecentConfirmation);
    EXPECT_EQ(dialogs.questions[1].caption, "VESKA NOVLA");
    EXPECT_EQ(dialogs.questions[1].defaultButton, platform::DefaultButton::Second);
    EXPECT_EQ(dialogs.questions[1].icon, platform::DialogIcon::Question);

    // A closed box counts as No: Enter on the default button deletes nothing either.
    commands.run("MnuGomi");
    EXPECT_EQ(desktop.trashEmptied, 1);
}

TEST_F(SystemCommandsTest, failuresAreReportedOnceAndNothingElseHappens)
{
    desktop.programs = {"catfish"};
    desktop.result = {false, "ごみ箱の一部のファイルを削除できませんでした"};
    recent.result = {false, "recent list is read-only"};
    utilities::SystemCommands commands = discover("");
    dialogs.setNextAnswer(Answer::Yes);
    commands.run("MnuGomi");
    dialogs.setNextAnswer(Answer::Yes);
    commands.run("MnuSaikin");
    commands.run("MnuFind");
    ASSERT_EQ(dialogs.messages.size(), 3U);
    EXPECT_EQ(dialogs.messages[0].text, "ごみ箱の一部のファイルを削除できませんでした");
    EXPECT_EQ(dialogs.messages[1].text, "recent list is read-only");
    EXPECT_EQ(dialogs.messages[2].icon, platform::DialogIcon::Critical);
}

TEST_F(SystemCommandsTest, shutdownUsesTheSessionPromptElseAsksBeforePoweringOff)
{
    desktop.programs = {"xfce4-session-logout"};
    discover("XFCE").run("MnuWinEnd");
    EXPECT_EQ(desktop.started, (std::vector<Line>{{"xfce4-session-logout"}}));
    EXPECT_TRUE(dialogs.questions.empty()) << "the session's prompt asks for itself";

    desktop.powerOffService = true;
    utilities::SystemCommands bare = discover("openbox");
    bare.run("MnuWinEnd");
    EXPECT_EQ(desktop.poweredOff, 0) << "No is the default answer";
    dialogs.setNextAnswer(Answer::Yes);
    bare.run("MnuWinEnd");
    EXPECT_EQ(desktop.poweredOff, 1);
    EXPECT_EQ(dialogs.questions.back().text, utilities::kPowerOffConfirmation);
}

TEST_F(SystemCommandsTest, foldersAndToolsStartAndUnavailableItemsDoNothing)
{
    desktop.folders = {SpecialFolder::Desktop};
    desktop.programs = {"kfind"};
    utilities::SystemCommands commands = discover("KDE");
    for (const char* item : {"MnuDeskTopOpen", "MnuMyDoc", "MnuFind", "MnuDate", "MnuEnd"})
        commands.run(item);
    EXPECT_EQ(desktop.opened, std::vector<SpecialFolder>{SpecialFolder::Desktop});
    EXPECT_EQ(desktop.started, (std::vector<Line>{{"kfind"}}));
}

class SystemCommandMenuTest : public test::LauncherFixture
{
};

TEST_F(SystemCommandMenuTest, theContextMenuRunsAvailableCommandsThroughThePresenter)
{
    test::FakeDesktopActions desktop;
    desktop.programs = {"catfish"};
    utilities::SystemCommands commands({}, {dialogs, desktop, recent});
    test::writeBytes(dir / "Vnovla.ini", "");
    store = std::make_unique<profile::ProfileStore>(dir.path());
    presenter = std::make_unique<pages::LauncherPresenter>(
        *store, options, view,
        pages::LauncherServices{shell, dialogs, clock, screens, recent, &childWindows, &commands});
    presenter->Form_Load();

    const pages::MenuModel menu = presenter->menu(pages::MenuRoot::Context);
    EXPECT_TRUE(pages::findMenuItem(menu, "MnuFind")->enabled);
    EXPECT_FALSE(pages::findMenuItem(menu, "MnuDate")->enabled);
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuFind");
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuDate");
    EXPECT_EQ(desktop.started, (std::vector<Line>{{"catfish"}}));
}

} // namespace
} // namespace vnovla
