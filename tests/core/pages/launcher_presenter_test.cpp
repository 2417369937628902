#include "pages/launcher_presenter.h"

#include "launcher_fixture.h"
#include "pages/page_face.h"
#include "pages/startup_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::ButtonFont;
using pages::IconRequest;
using pages::IconSource;
using pages::PopupControl;
using pages::PopupState;
using platform::Answer;
using platform::PixelPoint;
using platform::PixelRect;
using settings::CheckState;

class LauncherTest : public test::LauncherFixture
{
protected:
    // Builds the presenter over the profile files without loading the window: the tests
    // here start it themselves, when they want to.
    void start(const std::string& settings, const std::string& icons = "")
    {
        create(settings, icons);
    }

    std::string openedFolder(std::size_t call) const { return shell.calls.at(call).second; }
};

// ---- Page display ---------------------------------------------------------------------------

TEST_F(LauncherTest, pageWithoutDataShowsTenUnregisteredEmptyButtons)
{
    start("");
    presenter->Form_Load();
    ASSERT_TRUE(view.lastFace);
    EXPECT_EQ(view.lastFace->pageNumber, "0");
    EXPECT_EQ(view.lastFace->title, "");
    for (const auto& face : view.lastFace->buttons) {
        EXPECT_EQ(face.caption, "EMPTY");
        EXPECT_EQ(face.font, ButtonFont::Regular7pt);
        EXPECT_EQ(face.tooltip, "未登録");
        EXPECT_EQ(face.icon.source, IconSource::None);
    }
}

TEST_F(LauncherTest, kindTextAndIconFollowTheRegisteredPath)
{
    start("[Window]\nNow=2\n"
          "[Title]\n2=Tools\n"
          "[PopUp]\n20=Editor\n"
          "[Path]\n"
          "20=/opt/tools/app.EXE\n"
          "21=/home/u/readme.txt\n"
          "22=/home/u/Desktop/link.lnk\n"
          "23=/home/u/Desktop/LINK.LNK\n"
          "24=/usr/share/\n"
          "25=/usr/share\n"
          "26=/opt/tools/makefile\n"
          "27= \n"
          "28=/opt/tools/suite.dll\n"
          "29=/opt/tools/icons.txt\n"
          "[Icon]\n28=3\n29=\n",
          "[IconPath]\n29=/usr/share/icons/set.ico\n");
    presenter->Form_Load();
    ASSERT_TRUE(view.lastFace);
    EXPECT_EQ(view.lastFace->pageNumber, "2");
    EXPECT_EQ(view.lastFace->title, "Tools");

    struct Row
    {
        int slot;
        std::string caption;
        ButtonFont font;
        IconRequest icon;
    };
    const std::vector<Row> rows = {
        {0, "", ButtonFont::Regular7pt, {IconSource::AssociatedProgram, "/opt/tools/app.EXE", 0}},
        {1, "\rtxt", ButtonFont::Bold9pt, {IconSource::AssociatedProgram, "/home/u/readme.txt", 0}},
        {2,
         "\rScut",
         ButtonFont::Bold9pt,
         {IconSource::AssociatedProgram, "/home/u/Desktop/link.lnk", 0}},
        {3,
         "\rLNK",
         ButtonFont::Bold9pt,
         {IconSource::AssociatedProgram, "/home/u/Desktop/LINK.LNK", 0}},
        {4, "\rDIR", ButtonFont::Bold9pt, {IconSource::AssociatedProgram, "/usr/share/", 0}},
        {5, "\rDIR", ButtonFont::Bold9pt, {IconSource::AssociatedProgram, "/usr/share", 0}},
        {6,
         "\rDIR",
         ButtonFont::Bold9pt,
         {IconSource::AssociatedProgram, "/opt/tools/makefile", 0}},
        {7, "EMPTY", ButtonFont::Regular7pt, {}}, // a cleared slot
        // An index other than 0 takes the item's own icon, without the association lookup.
        {8, "\rdll", ButtonFont::Bold9pt, {IconSource::RegisteredItem, "/opt/tools/suite.dll", 3}},
        // An icon file with no index gives no picture rather than its first icon.
        {9, "\rtxt", ButtonFont::Bold9pt, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("slot " + std::to_string(row.slot));
        EXPECT_EQ(button(row.slot).caption, row.caption);
        if (row.slot != 0) { // a program has no caption, so its font does not matter
            EXPECT_EQ(button(row.slot).font, row.font);
        }
        EXPECT_EQ(button(row.slot).icon, row.icon);
    }
    EXPECT_EQ(button(0).tooltip, "Editor");
    EXPECT_EQ(button(1).tooltip, "未登録");
}

// Linux programs carry no extension and shortcuts are desktop entries: the kind comes from
// the file itself for an extension-less path.
TEST_F(LauncherTest, kindTextOfLinuxProgramsAndDesktopEntries)
{
    namespace fs = std::filesystem;
    const fs::path items = dir / "items";
    fs::create_directory(items);
    const auto file = [&](const char* name, fs::perms perms) {
        test::writeBytes(items / name, "#!/bin/sh\n");
        fs::permissions(items / name, perms);
        return (items / name).string();
    };
    const std::string program = file("tool", fs::perms::owner_all);
    const std::string groupProgram =
        file("shared", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_exec);
    const std::string plain = file("notes", fs::perms::owner_read | fs::perms::owner_write);
    const std::string script = file("run.sh", fs::perms::owner_all);
    const std::string entry = file("editor.desktop", fs::perms::owner_read);
    const std::string upperEntry = file("VIEWER.DESKTOP", fs::perms::owner_all);
    fs::create_directory(items / "bin");
    fs::permissions(items / "bin", fs::perms::owner_all);
    fs::create_symlink(program, items / "link");
    const std::string folder = (items / "bin").string();
    const std::string link = (items / "link").string();
    const std::string missing = (items / "gone").string();

    struct Row
    {
        std::string path;
        std::string caption;
    };
    const std::vector<Row> rows = {
        {program, ""},    {groupProgram, ""}, {link, ""},
        {plain, "\rDIR"}, {folder, "\rDIR"},  {missing, "\rDIR"},
        {script, "\rsh"}, {entry, "\rScut"},  {upperEntry, "\rScut"},
    };
    std::string settings = "[Path]\n";
    for (std::size_t slot = 0; slot < rows.size(); ++slot)
        settings += "0" + std::to_string(slot) + "=" + rows[slot].path + "\n";
    start(settings);
    presenter->Form_Load();
    for (std::size_t slot = 0; slot < rows.size(); ++slot)
        EXPECT_EQ(button(static_cast<int>(slot)).caption, rows[slot].caption) << rows[slot].path;

    // "Launch, then close" starts what counts as a program or a shortcut, and leaves a plain
    // extension-less file and a folder alone.
    for (const int slot : {3, 4, 0, 7}) {
        presenter->setCurrentSlot(slot);
        presenter->MnuBtEnd_Click();
    }
    EXPECT_EQ(shell.openedPaths(), (std::vector<std::string>{program, entry}));
    EXPECT_EQ(view.closeCount, 2);
}

TEST_F(LauncherTest, iconIndexRules)
{
    struct Row
    {
        std::string index;
        std::string iconFile;
        IconRequest expected;
    };
    const std::vector<Row> rows = {
        {"", "", {IconSource::AssociatedProgram, "/a/b.txt", 0}},
        {"0", "", {IconSource::AssociatedProgram, "/a/b.txt", 0}},
        {"3", "", {IconSource::RegisteredItem, "/a/b.txt", 3}},
        {"abc", "", {}},
        {"2", "/i/set.ico", {IconSource::IconFile, "/i/set.ico", 2}},
        {"0", "/i/set.ico", {IconSource::IconFile, "/i/set.ico", 0}},
        {"", "/i/set.ico", {}},
        {"x", "/i/set.ico", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("index '" + row.index + "' file '" + row.iconFile + "'");
        EXPECT_EQ(pages::buttonFace("", "/a/b.txt", row.index, row.iconFile).icon, row.expected);
    }
}

TEST_F(LauncherTest, redrawingClosesTheTitleEditorAndReadsFreshData)
{
    start("[Title]\n0= \n");
    presenter->Form_Load();
    EXPECT_EQ(view.lastFace->title, ""); // a cleared title
    presenter->setPopupState(PopupControl::TxtTitle, PopupState::Open);
    ASSERT_TRUE(store->WriteSetting("Path", "03", "/home/u/notes.md").ok());
    presenter->ShowPage();
    EXPECT_EQ(presenter->popupState(PopupControl::TxtTitle), PopupState::Closed);
    EXPECT_EQ(view.closedPopups.back(), PopupControl::TxtTitle);
    EXPECT_EQ(button(3).caption, "\rmd");
}

// ---- Launching ------------------------------------------------------------------------------

constexpr const char* kPageZero = "[Path]\n"
                                  "01=/usr/share/\n"
                                  "02=/usr/share\n"
                                  "03=/opt/tools/app\n"
                                  "04=notes.txt\n"
                                  "05=/home/u/a b/report.ods\n";

TEST_F(LauncherTest, clickOpensTheItemInItsOwnFolder)
{
    start(kPageZero);
    presenter->Form_Load();
    for (int slot = 1; slot <= 5; ++slot)
        presenter->Bt_Click(slot);
    ASSERT_EQ(shell.calls.size(), 5u);
    const std::vector<std::string> folders = {"/usr/share/", "/usr/", "/opt/tools/", "",
                                              "/home/u/a b/"};
    for (std::size_t i = 0; i < folders.size(); ++i) {
        EXPECT_EQ(shell.calls[i].kind, test::FakeShell::Kind::Open);
        EXPECT_EQ(openedFolder(i), folders[i]) << shell.calls[i].path;
    }
    EXPECT_EQ(shell.calls[4].path, "/home/u/a b/report.ods");
    EXPECT_EQ(view.minimiseCount, 0);
    EXPECT_TRUE(clock.pauses.empty());
}

TEST_F(LauncherTest, clickOnEmptyButtonOnlyFocusesThePageScrollBar)
{
    start(kPageZero);
    presenter->Form_Load();
    const int focusBefore = view.focusCount;
    presenter->Bt_Click(0);
    presenter->Bt_Click(9);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.focusCount, focusBefore + 2);
}

TEST_F(LauncherTest, launchesAreRefusedWhileAPopupControlIsOpen)
{
    start(kPageZero);
    presenter->Form_Load();
    for (const auto control :
         {PopupControl::TxtJanp, PopupControl::LstJanp, PopupControl::TxtTitle}) {
        presenter->setPopupState(control, PopupState::Open);
        presenter->Bt_Click(1);
        presenter->Form_KeyPress('2');
        presenter->setPopupState(control, PopupState::Closed);
    }
    EXPECT_TRUE(shell.calls.empty());
    presenter->Bt_Click(1);
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(LauncherTest, digitKeysClickTheButtonOfThatSlot)
{
    start(kPageZero);
    presenter->Form_Load();
    presenter->Form_KeyPress('3');
    presenter->Form_KeyPress('a');
    presenter->Form_KeyPress('/'); // the character before "0"
    presenter->Form_KeyPress(':'); // the character after "9"
    EXPECT_EQ(shell.openedPaths(), std::vector<std::string>{"/opt/tools/app"});
}

TEST_F(LauncherTest, minimisesAfterLaunchWhenTheOptionIsChecked)
{
    options.minimiseAfterLaunch = CheckState::Checked;
    start(kPageZero);
    presenter->Form_Load();
    presenter->Bt_Click(0); // empty: nothing started, so nothing to get out of the way of
    EXPECT_EQ(view.minimiseCount, 0);
    presenter->Bt_Click(1);
    EXPECT_EQ(view.minimiseCount, 1);
    options.minimiseAfterLaunch = CheckState::Greyed;
    presenter->Bt_Click(1);
    EXPECT_EQ(view.minimiseCount, 1);
}

constexpr const char* kTwoItems = "[Path]\n27=/home/u/b.txt\n22=/home/u/a.txt\n[Window]\nNow=2\n";

TEST_F(LauncherTest, allAsksFirstAndNoStartsNothing)
{
    start(kTwoItems);
    presenter->Form_Load();
    const int focusBefore = view.focusCount;
    dialogs.setNextAnswer(Answer::No);
    presenter->BtAll_Click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const auto& question = dialogs.questions[0];
    EXPECT_EQ(question.text, "現在のページの登録ボタンをすべて実行しますか？");
    EXPECT_EQ(question.caption, "VESKA NOVLA");
    EXPECT_EQ(question.buttons, platform::DialogButtons::YesNo);
    EXPECT_EQ(question.icon, platform::DialogIcon::Question);
    EXPECT_EQ(question.defaultButton, platform::DefaultButton::Second);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.focusCount, focusBefore + 1);
    EXPECT_EQ(view.closeCount, 0);
}

TEST_F(LauncherTest, allStartsInSlotOrderWithThePauseBetween)
{
    options.waitCheck = CheckState::Checked;
    options.wait = 1000;
    start(kTwoItems);
    presenter->Form_Load();
    dialogs.setNextAnswer(Answer::Yes);
    presenter->BtAll_Click();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].path, "/home/u/a.txt");
    EXPECT_EQ(shell.calls[1].path, "/home/u/b.txt");
    EXPECT_EQ(shell.calls[1].atMilliseconds - shell.calls[0].atMilliseconds, 1000);
    EXPECT_EQ(presenter->LaunchWait(), 1000);
    EXPECT_EQ(view.closeCount, 0);

    // The pause stays for single clicks, even once the option is off.
    options.waitCheck = CheckState::Unchecked;
    clock.pauses.clear();
    presenter->Bt_Click(2);
    EXPECT_EQ(clock.pauses, std::vector<int>{1000});

    // An ALL run without the option keeps the pause as well.
    dialogs.setNextAnswer(Answer::Yes);
    presenter->BtAll_Click();
    EXPECT_EQ(presenter->LaunchWait(), 1000);
}

TEST_F(LauncherTest, allWithAPauseOutsideItsRangeKeepsThePause)
{
    options.waitCheck = CheckState::Checked;
    start(kTwoItems);
    presenter->Form_Load();
    options.wait = 250;
    dialogs.setNextAnswer(Answer::Yes);
    presenter->BtAll_Click();
    for (const int wait : {-1, -32768, 32768, 100000}) {
        SCOPED_TRACE(wait);
        options.wait = wait;
        dialogs.setNextAnswer(Answer::Yes);
        presenter->BtAll_Click();
        EXPECT_EQ(presenter->LaunchWait(), 250);
    }
    for (const int pause : clock.pauses)
        EXPECT_EQ(pause, 250);
}

TEST_F(LauncherTest, allClosesTheLauncherAfterTheLastStartWhenAsked)
{
    options.endCheck = CheckState::Checked;
    start(kTwoItems);
    presenter->Form_Load();
    dialogs.setNextAnswer(Answer::Yes);
    presenter->BtAll_Click();
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(view.closeCount, 1);
}

TEST_F(LauncherTest, launchThenCloseOnlyForItemsWithAnExtension)
{
    start(kPageZero);
    presenter->Form_Load();
    for (const int slot : {0, 1, 2, 3}) { // empty, folder, folder, extension-less file
        presenter->setCurrentSlot(slot);
        presenter->MnuBtEnd_Click();
    }
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.closeCount, 0);

    presenter->setCurrentSlot(5);
    presenter->MnuBtEnd_Click();
    EXPECT_EQ(shell.openedPaths(), std::vector<std::string>{"/home/u/a b/report.ods"});
    EXPECT_EQ(view.closeCount, 1);
}

TEST_F(LauncherTest, launchThenCloseStillClosesWhenThePageBoxRefusesTheLaunch)
{
    start(kPageZero);
    presenter->Form_Load();
    presenter->setCurrentSlot(4);
    presenter->setPopupState(PopupControl::TxtJanp, PopupState::Open);
    presenter->MnuBtEnd_Click();
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.closeCount, 1);
}

TEST_F(LauncherTest, currentSlotIgnoresSlotsThatDoNotExist)
{
    start("");
    presenter->setCurrentSlot(7);
    presenter->setCurrentSlot(10);
    presenter->setCurrentSlot(-1);
    EXPECT_EQ(presenter->CurrentSlot(), 7);
}

// ---- Start-up -------------------------------------------------------------------------------

TEST_F(LauncherTest, firstStartWithoutSettingsUsesTheDefaults)
{
    start("");
    const pages::WindowStart started = presenter->Form_Load();
    EXPECT_EQ(started, (pages::WindowStart{std::nullopt, true, pages::StayOnTop::On, false}));
    EXPECT_EQ(view.highestPage, 15);
    EXPECT_EQ(view.currentPage, 0);
    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::On);
    EXPECT_EQ(view.showPageCount, 1);
    EXPECT_GE(view.focusCount, 1);
}

TEST_F(LauncherTest, startPageComesFromTheFixedPageOrTheLastPage)
{
    struct Row
    {
        std::string window;
        int page;
    };
    const std::vector<Row> rows = {
        {"EndTop=1\nEndTopNo=3\nNow=5\n", 3},
        {"Now=5\n", 5},
        {"EndTop=0\nEndTopNo=3\nNow=5\n", 5},
        {"EndTop=yes\nEndTopNo=3\nNow=5\n", 5},
        {"Now=16\n", 0}, // beyond the default 15 pages
        {"Page=20\nNow=16\n", 16},
        {"Now=-1\n", 0},
        {"EndTop=1\nEndTopNo=99\nNow=5\n", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        test::writeBytes(dir / "Vnovla.ini", "[Window]\n" + row.window);
        profile::ProfileStore fresh(dir.path());
        EXPECT_EQ(pages::readStartupState(fresh).startPage, row.page);
    }
}

TEST_F(LauncherTest, highestPageSurvivesGarbage)
{
    struct Row
    {
        std::string value;
        int highest;
    };
    const std::vector<Row> rows = {
        {"7", 7},       {"0", 0},
        {"1000", 1000}, {"2000", 1000}, // pages up to the limit stay reachable
        {"99999", 15},                  // not a 16-bit number
        {"abc", 15},    {"-3", 15},
        {"", 15},       {std::string("\x01\xff\x80\x00z", 5), 15},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.highest);
        test::writeBytes(dir / "Vnovla.ini", "[Window]\nNow=9\nPage=" + row.value + "\n");
        profile::ProfileStore fresh(dir.path());
        const auto state = pages::readStartupState(fresh);
        EXPECT_EQ(state.highestPage, row.highest);
        EXPECT_EQ(state.startPage, row.highest >= 9 ? 9 : 0);
    }
}

TEST_F(LauncherTest, flagsAndPositionAreRestored)
{
    start("[Window]\nTop=1500\nLeft=3000\nTime=False\nTemae=0\nStartMin=1\nPage=5\nNow=4\n");
    const pages::WindowStart started = presenter->Form_Load();
    EXPECT_EQ(started.position, (PixelPoint{200, 100}));
    EXPECT_FALSE(started.clock);
    EXPECT_EQ(started.stayOnTop, pages::StayOnTop::Off);
    EXPECT_TRUE(started.startMinimised);
    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::Off);
    EXPECT_FALSE(presenter->alwaysOnTopChecked());
    EXPECT_EQ(view.lastFace->pageNumber, "4");

    presenter->MnuTemae_Click();
    EXPECT_TRUE(presenter->alwaysOnTopChecked());
    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::On);
}

TEST_F(LauncherTest, positionOffEveryScreenIsBroughtBack)
{
    struct Row
    {
        std::string window;
        std::optional<PixelPoint> expected;
    };
    // One 1920 x 1040 screen; the window is 380 x 101 pixels.
    const std::vector<Row> rows = {
        {"Top=0\nLeft=60000\n", PixelPoint{1540, 0}},      // 4000 px: right of the screen
        {"Top=-3000\nLeft=-9000\n", PixelPoint{0, 0}},     // above and left
        {"Top=1500\nLeft=27000\n", PixelPoint{1800, 100}}, // partly on the screen: stays
        {"Top=1E+30\nLeft=0\n", PixelPoint{0, 939}},       // absurd but readable
        {"Top=100\n", std::nullopt},                       // half a position is none
        {"Top=abc\nLeft=15\n", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        test::writeBytes(dir / "Vnovla.ini", "[Window]\n" + row.window);
        profile::ProfileStore fresh(dir.path());
        pages::LauncherPresenter launcher(
            fresh, options, view, pages::LauncherServices{shell, dialogs, clock, screens, recent});
        EXPECT_EQ(launcher.Form_Load().position, row.expected);
    }
}

TEST(KeepOnScreen, movesOnlyWindowsEntirelyOffEveryScreen)
{
    const std::vector<PixelRect> twoScreens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Row
    {
        PixelRect window;
        PixelPoint expected;
    };
    const std::vector<Row> rows = {
        {{100, 100, 380, 101}, {100, 100}},
        {{3100, 1000, 380, 101}, {3100, 1000}}, // a corner on the second screen
        {{3300, 100, 380, 101}, {1540, 100}},   // right of the second screen: on the primary
        {{2500, 1100, 380, 101}, {1540, 979}},  // below the second screen only
        {{500, 5000, 380, 101}, {500, 979}},    // far below the first
        {{-1000, -1000, 380, 101}, {0, 0}},
        {{100, -101, 380, 101}, {100, 0}}, // touching the edge is not showing
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.window.x) + "," + std::to_string(row.window.y));
        EXPECT_EQ(pages::keepOnScreen(row.window, twoScreens), row.expected);
    }
    EXPECT_EQ(pages::keepOnScreen({-5000, 0, 380, 101}, {}), (PixelPoint{-5000, 0}));
    // The primary screen is listed first, wherever it stands: not the nearest one.
    const std::vector<PixelRect> primaryRight = {{1920, 0, 1280, 1024}, {0, 0, 1920, 1080}};
    EXPECT_EQ(pages::keepOnScreen({-2000, 100, 380, 101}, primaryRight), (PixelPoint{1920, 100}));
    // A window larger than the screen is aligned with the screen's top-left corner.
    const std::vector<PixelRect> small = {{0, 0, 200, 50}};
    EXPECT_EQ(pages::keepOnScreen({900, 900, 380, 101}, small), (PixelPoint{0, 0}));
}

// The window reports its moves and state changes in the order its window manager sends them;
// the position saved at exit is the normal window's in every order.
TEST(NormalWindowPosition, isThePositionBeforeTheWindowFilledTheScreenOrWasMinimised)
{
    using State = pages::WindowPlacement::State;
    const pages::WindowPlacement normal{State::Normal, {100, 200}, {101, 220}};
    const pages::WindowPlacement moved{State::Normal, {300, 400}, {301, 420}};
    const pages::WindowPlacement cornerStillNormal{State::Normal, {0, 0}, {0, 0}};
    const pages::WindowPlacement fullScreen{State::FillingTheScreen, {0, 0}, {0, 0}};
    const pages::WindowPlacement minimised{State::Minimised, {100, 200}, {101, 220}};
    const pages::WindowPlacement framelessNormal{State::Normal, {50, 60}, {50, 60}};
    const pages::WindowPlacement framelessMoved{State::Normal, {0, 0}, {0, 0}};
    struct Row
    {
        const char* order;
        std::vector<pages::WindowPlacement> reports;
        PixelPoint expected;
    };
    const std::vector<Row> rows = {
        {"normal", {normal}, {100, 200}},
        {"moved by the user", {normal, moved}, {300, 400}},
        {"state, then the move to the corner", {normal, fullScreen, fullScreen}, {100, 200}},
        {"the move to the corner, then the state",
         {normal, cornerStillNormal, fullScreen},
         {100, 200}},
        {"full screen, then normal again",
         {normal, cornerStillNormal, fullScreen, moved},
         {300, 400}},
        {"minimised", {normal, minimised}, {100, 200}},
        {"started minimised", {minimised}, {100, 200}},
        // Without window frames every move looks alike: the user's move into the corner counts.
        {"frameless, moved to the corner", {framelessNormal, framelessMoved, fullScreen}, {0, 0}},
    };
    for (const Row& row : rows) {
        pages::NormalWindowPosition position;
        for (const auto& report : row.reports)
            position.update(report);
        EXPECT_EQ(position.position(row.reports.back()), row.expected) << row.order;
    }
}

// ---- Shutdown -------------------------------------------------------------------------------

TEST_F(LauncherTest, exitSavesTheWindowStateAndTheNextStartRestoresIt)
{
    start("[Window]\nPage=20\nNow=12\n; kept\n[Path]\n00=/bin/true\n");
    presenter->Form_Load();
    presenter->ScrNo_Change(17);
    presenter->MnuTemae_Click();
    presenter->setClockChecked(false);
    const auto status = presenter->Form_Unload({200, 100});
    ASSERT_TRUE(status.ok()) << status.message();

    profile::ProfileStore reread(dir.path());
    EXPECT_EQ(reread.ReadSetting("Window", "Top"), "1500");
    EXPECT_EQ(reread.ReadSetting("Window", "Left"), "3000");
    EXPECT_EQ(reread.ReadSetting("Window", "Page"), "20");
    EXPECT_EQ(reread.ReadSetting("Window", "Now"), "17");
    EXPECT_EQ(reread.ReadSetting("Window", "Time"), "False");
    EXPECT_EQ(reread.ReadSetting("Window", "Temae"), "False");
    EXPECT_EQ(reread.ReadSetting("Path", "00"), "/bin/true");
    EXPECT_NE(test::readBytes(dir / "Vnovla.ini").find("; kept"), std::string::npos);
    EXPECT_EQ(recent.clearCount, 0);

    const auto state = pages::readStartupState(reread);
    EXPECT_EQ(state.startPage, 17);
    EXPECT_EQ(state.position, (pages::TwipPosition{1500, 3000}));
    EXPECT_FALSE(state.clock);
    EXPECT_FALSE(state.alwaysOnTop);
}

TEST_F(LauncherTest, eachScreenArrangementGetsBackItsOwnPosition)
{
    const std::vector<PixelRect> two = {{0, 0, 1920, 1040}, {1920, -200, 1280, 1024}};
    const std::vector<PixelRect> one = {{0, 0, 1920, 1040}};
    const auto session = [&](const std::vector<PixelRect>& arrangement, PixelPoint moveTo) {
        screens.screens = arrangement;
        profile::ProfileStore fresh(dir.path());
        pages::LauncherPresenter launcher(
            fresh, options, view, pages::LauncherServices{shell, dialogs, clock, screens, recent});
        const auto started = launcher.Form_Load().position;
        EXPECT_TRUE(launcher.Form_Unload(moveTo).ok());
        return started;
    };
    // With two screens the user puts the window on the second one.
    test::writeBytes(dir / "Vnovla.ini", "[Window]\nTop=1500\nLeft=3000\n");
    EXPECT_EQ(session(two, {2500, -100}), (PixelPoint{200, 100}));
    EXPECT_EQ(profile::ProfileStore(dir.path())
                  .ReadSetting("Screens", "1920x1040+0+0_1280x1024+1920-200"),
              "-1500,37500");
    // The second screen is unplugged: the window comes back on the primary's nearest edge,
    // and the user moves it there.
    EXPECT_EQ(session(one, {700, 300}), (PixelPoint{1540, 0}));
    // Plugged in again, the window goes back where it was with two screens...
    EXPECT_EQ(session(two, {2500, -100}), (PixelPoint{2500, -100}));
    // ...and alone, where it was alone.
    EXPECT_EQ(session(one, {700, 300}), (PixelPoint{700, 300}));
    profile::ProfileStore reread(dir.path());
    EXPECT_EQ(reread.ReadSetting("Window", "Top"), "4500") << "the last position as before";
    EXPECT_EQ(reread.ReadSetting("Window", "Left"), "10500");
    // An unreadable kept position falls back to the last one.
    test::writeBytes(dir / "Vnovla.ini",
                     "[Window]\nTop=1500\nLeft=3000\n[Screens]\n1920x1040+0+0=abc\n");
    EXPECT_EQ(session(one, {0, 0}), (PixelPoint{200, 100}));
}

TEST_F(LauncherTest, exitWithFixedStartPageSavesNowAsZeroAndClearsRecentFilesWhenAsked)
{
    options.endTop = CheckState::Checked;
    options.endSaikin = CheckState::Checked;
    start("[Window]\nEndTop=1\nEndTopNo=3\nNow=5\n");
    presenter->Form_Load();
    EXPECT_EQ(presenter->currentPage(), 3);
    ASSERT_TRUE(presenter->Form_Unload({0, 0}).ok());
    profile::ProfileStore reread(dir.path());
    EXPECT_EQ(reread.ReadSetting("Window", "Now"), "0");
    EXPECT_EQ(reread.ReadSetting("Window", "Top"), "0");
    EXPECT_EQ(reread.ReadSetting("Window", "Time"), "True");
    EXPECT_EQ(reread.ReadSetting("Window", "Temae"), "True");
    EXPECT_EQ(recent.clearCount, 1);
}

TEST_F(LauncherTest, exitThatCannotSaveSaysSoAndWritesNothing)
{
    // A folder where the settings file should be: it can be neither read nor replaced.
    std::filesystem::create_directory(dir / "Vnovla.ini");
    store = std::make_unique<profile::ProfileStore>(dir.path());
    presenter = std::make_unique<pages::LauncherPresenter>(
        *store, options, view, pages::LauncherServices{shell, dialogs, clock, screens, recent});
    presenter->Form_Load();
    const auto status = presenter->Form_Unload({10, 10});
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Vnovla.ini"));
}

TEST(VersionedCaption, minorVersionAndRevisionRunTogether)
{
    EXPECT_EQ(pages::versionedCaption(0, 2, 9), "VESKA NOVLA Ver.0.29");
    EXPECT_EQ(pages::versionedCaption(1, 10, 0), "VESKA NOVLA Ver.1.100");
}

TEST(RealText, wholeCoordinatesHaveNoFraction)
{
    EXPECT_EQ(pages::realText(1500.0f), "1500");
    EXPECT_EQ(pages::realText(-45.0f), "-45");
    EXPECT_EQ(pages::realText(0.0f), "0");
    EXPECT_EQ(pages::realText(1234.5f), "1234.5");
}

} // namespace
} // namespace vnovla
