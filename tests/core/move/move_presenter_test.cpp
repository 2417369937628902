#include "move_fixture.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vnovla {
namespace {

using move::Mode;
using move::Side;
using move::TitleListState;
using platform::Answer;
using platform::DialogIcon;

// ---- One slot --------------------------------------------------------------------------------

struct OneSlotCase
{
    const char* name;
    std::string settings;
    int sourcePage, sourceSlot, destinationPage, destinationSlot;
    Mode mode;
    std::string expected; // the settings file afterwards
};

void PrintTo(const OneSlotCase& c, std::ostream* out)
{
    *out << c.name;
}

class OneSlotTest : public test::MoveFixture, public ::testing::WithParamInterface<OneSlotCase>
{
};

TEST_P(OneSlotTest, writesExactlyTheTransferTable)
{
    const OneSlotCase& c = GetParam();
    open(c.settings, 0, 9);
    choose(Side::Source, c.sourcePage, c.sourceSlot);
    choose(Side::Destination, c.destinationPage, c.destinationSlot);
    if (c.mode == Mode::Copy)
        presenter->BtCopy_Click();
    else
        presenter->BtMove_Click();
    EXPECT_EQ(settingsBytes(), c.expected);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The unregistered marker as a Shift_JIS profile stores it.
#define MARKER "\x96\xA2\x93o\x98^"

// Slot 2 of page 1 holds a registered button; the other sections follow with room for more.
std::string registeredWith(const std::string& morePaths = "", const std::string& morePopUps = "")
{
    return "[Path]\n12=/opt/gimp/gimp.desktop\n" + morePaths + "[PopUp]\n12=Gimp\n" + morePopUps +
           "[Icon]\n12=3\n";
}
const std::string kRegistered = registeredWith();

INSTANTIATE_TEST_SUITE_P(
    MoveBt, OneSlotTest,
    ::testing::Values(
        OneSlotCase{"copy_leaves_the_source_as_it_is", kRegistered, 1, 2, 4, 7, Mode::Copy,
                    "[Path]\n12=/opt/gimp/gimp.desktop\n47=/opt/gimp/gimp.desktop\n"
                    "[PopUp]\n12=Gimp\n47=Gimp\n[Icon]\n12=3\n47=3\n"},
        OneSlotCase{"move_leaves_single_blanks_on_the_source", kRegistered, 1, 2, 4, 7, Mode::Move,
                    "[Path]\n12= \n47=/opt/gimp/gimp.desktop\n"
                    "[PopUp]\n12= \n47=Gimp\n[Icon]\n12= \n47=3\n"},
        OneSlotCase{"an_empty_index_arrives_as_0_and_a_missing_tooltip_as_the_marker",
                    "[Path]\n30=/usr/bin/vim\n", 3, 0, 3, 9, Mode::Copy,
                    "[Path]\n30=/usr/bin/vim\n39=/usr/bin/vim\n[PopUp]\n39=" MARKER
                    "\n[Icon]\n39=0\n"},
        OneSlotCase{"a_destination_with_a_path_but_no_tooltip_counts_as_empty",
                    registeredWith("50=/old\n"), 1, 2, 5, 0, Mode::Copy,
                    "[Path]\n12=/opt/gimp/gimp.desktop\n50=/opt/gimp/gimp.desktop\n"
                    "[PopUp]\n12=Gimp\n50=Gimp\n[Icon]\n12=3\n50=3\n"},
        OneSlotCase{"an_empty_source_writes_empty_path_marker_and_0", "", 2, 1, 6, 6, Mode::Copy,
                    "[Path]\r\n66=\r\n[PopUp]\r\n66=" MARKER "\r\n[Icon]\r\n66=0\r\n"},
        OneSlotCase{"an_empty_source_moved_receives_blanks", "", 2, 1, 6, 6, Mode::Move,
                    "[Path]\r\n66=\r\n21= \r\n[PopUp]\r\n66=" MARKER
                    "\r\n21= \r\n[Icon]\r\n66=0\r\n"
                    "21= \r\n"},
        OneSlotCase{"an_empty_slot_moved_onto_itself_is_left_cleared", "", 8, 8, 8, 8, Mode::Move,
                    "[Path]\r\n88= \r\n[PopUp]\r\n88= \r\n[Icon]\r\n88= \r\n"},
        OneSlotCase{"a_button_without_tooltip_moved_onto_itself_keeps_its_path",
                    "[Path]\n88=/usr/bin/vim\n", 8, 8, 8, 8, Mode::Move,
                    "[Path]\n88=/usr/bin/vim\n[PopUp]\n88=" MARKER "\n[Icon]\n88=0\n"}),
    test::NameFromSentence());

class MoveBtTest : public test::MoveFixture
{
};

TEST_F(MoveBtTest, anOccupiedDestinationIsRefusedAndNothingIsWritten)
{
    const std::string settings = registeredWith("", "47=Taken\n");
    open(settings, 1, 9);
    choose(Side::Source, 1, 2);
    choose(Side::Destination, 4, 7);
    presenter->BtMove_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "コピー/移動先は登録済みです");
    EXPECT_EQ(dialogs.messages[0].caption, "VESKA NOVLA");
    EXPECT_EQ(dialogs.messages[0].icon, DialogIcon::Critical);
    EXPECT_EQ(settingsBytes(), settings);
    // A registered slot moved onto itself meets the same refusal.
    choose(Side::Destination, 1, 2);
    presenter->BtMove_Click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(settingsBytes(), settings);
}

TEST_F(MoveBtTest, bothSidesAreRedrawnAndTheMarkerStillCountsAsEmpty)
{
    open("[Path]\n10=/usr/bin/vim\n", 1, 9);
    choose(Side::Destination, 2, 0);
    presenter->BtMove_Click();
    EXPECT_EQ(shown(Side::Source, 0).caption, "EMPTY");
    EXPECT_EQ(shown(Side::Source, 0).tooltip, "未登録");
    EXPECT_EQ(shown(Side::Destination, 0).tooltip, "未登録");
    EXPECT_EQ(shown(Side::Destination, 0).icon.path, "/usr/bin/vim");
    // The carried marker is no registration: the slot takes the next transfer too.
    choose(Side::Source, 2, 0);
    choose(Side::Destination, 3, 0);
    presenter->BtCopy_Click();
    presenter->BtCopy_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(store->ReadSetting("Path", "30"), "/usr/bin/vim");
}

TEST_F(MoveBtTest, theIconFileStaysWithItsSlot)
{
    const std::string icons = "[IconPath]\n12=/icons/gimp.ico\n";
    open(kRegistered, 1, 9, icons);
    presenter->Option_Click(Side::Source, 2);
    choose(Side::Destination, 4, 7);
    presenter->BtMove_Click();
    EXPECT_EQ(iconBytes(), icons);
    // At the destination the button is drawn from its own path and index.
    EXPECT_EQ(shown(Side::Destination, 7).icon,
              (pages::IconRequest{pages::IconSource::RegisteredItem, "/opt/gimp/gimp.desktop", 3}));
    EXPECT_EQ(shown(Side::Source, 2).caption, "EMPTY");
}

TEST_F(MoveBtTest, theDecisionRestsOnTheFileAsItIsNow)
{
    open(kRegistered, 1, 9);
    choose(Side::Destination, 4, 7);
    // Another program registers the destination while the dialog is open.
    test::writeBytes(dir / "Vnovla.ini", registeredWith("", "47=Elsewhere\n"));
    presenter->BtCopy_Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(shown(Side::Destination, 7).tooltip, "Elsewhere");
    EXPECT_EQ(store->ReadSetting("Path", "47"), "");
}

// ---- Whole page ------------------------------------------------------------------------------

class MoveBtAllTest : public test::MoveFixture
{
protected:
    void tickAndPress(Mode mode)
    {
        presenter->ChkMoveAll_Click(true);
        if (mode == Mode::Copy)
            presenter->BtCopy_Click();
        else
            presenter->BtMove_Click();
    }
};

TEST_F(MoveBtAllTest, aPageWithOneRegisteredSlotIsRefused)
{
    const std::string settings = registeredWith("", "25=Busy\n");
    open(settings, 1, 9);
    choose(Side::Destination, 2, 0);
    tickAndPress(Mode::Copy);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "移動先に空ページを設定してください");
    EXPECT_EQ(dialogs.messages[0].icon, DialogIcon::Critical);
    EXPECT_EQ(settingsBytes(), settings);
    EXPECT_TRUE(presenter->moveAll());
}

TEST_F(MoveBtAllTest, copiesExactlyTheRegisteredSlotsToTheSameNumbers)
{
    // Slot 3 of the destination holds a path without tooltip: it counts as empty, and the
    // empty source slot 3 leaves it alone.
    open("[Path]\n10=/a\n19=/b\n33=/keep\n[PopUp]\n10=A\n[Icon]\n19=2\n", 1, 9);
    presenter->Option_Click(Side::Source, 5);
    choose(Side::Destination, 3, 8);
    view.moveAll = true;
    tickAndPress(Mode::Copy);
    EXPECT_EQ(settingsBytes(), "[Path]\n10=/a\n19=/b\n33=/keep\n30=/a\n39=/b\n"
                               "[PopUp]\n10=A\n30=A\n39=" MARKER "\n[Icon]\n19=2\n30=0\n39=2\n");
    EXPECT_FALSE(presenter->moveAll());
    EXPECT_FALSE(view.moveAll);
}

TEST_F(MoveBtAllTest, aMoveClearsTheSourceSlots)
{
    open("[Path]\n10=/a\n[PopUp]\n10=A\n[Icon]\n10=1\n", 1, 9);
    choose(Side::Destination, 4, 0);
    tickAndPress(Mode::Move);
    EXPECT_EQ(settingsBytes(), "[Path]\n10= \n40=/a\n[PopUp]\n10= \n40=A\n[Icon]\n10= \n40=1\n");
    for (int slot = 0; slot < pages::kSlotCount; ++slot)
        EXPECT_EQ(shown(Side::Source, slot).caption, "EMPTY") << slot;
}

TEST_F(MoveBtAllTest, aPageOfUnregisteredButtonsMovedOntoItselfKeepsThem)
{
    open("[Path]\n10=/a\n", 1, 9);
    tickAndPress(Mode::Move);
    EXPECT_EQ(store->ReadSetting("Path", "10"), "/a");
}

// ---- Page creation ---------------------------------------------------------------------------

class PageMakeTest : public test::MoveFixture
{
};

TEST_F(PageMakeTest, yesAddsThePageAndShowsItOnTheDestinationSide)
{
    open("[Window]\nPage=999\n", 4, 999);
    dialogs.setNextAnswer(Answer::Yes);
    presenter->BtPageMake_Click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "Page 1000 を追加してもよろしいですか？");
    EXPECT_EQ(dialogs.questions[0].icon, DialogIcon::Question);
    EXPECT_EQ(dialogs.questions[0].defaultButton, platform::DefaultButton::Second);
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=1000\n");
    EXPECT_EQ(presenter->highestPage(), 1000);
    EXPECT_EQ(view.at(Side::Source).highestPage, 1000);
    EXPECT_EQ(view.at(Side::Source).page, 4);
    EXPECT_EQ(view.at(Side::Destination).page, 1000);
    EXPECT_EQ(view.at(Side::Destination).face->pageNumber, "1000");

    presenter->BtPageMake_Click();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "これ以上登録できません");
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=1000\n");
}

TEST_F(PageMakeTest, noChangesNothing)
{
    open("[Window]\nPage=9\n", 4, 9);
    presenter->BtPageMake_Click(); // the default answer is No
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=9\n");
    EXPECT_EQ(presenter->highestPage(), 9);
    EXPECT_EQ(view.at(Side::Destination).page, 4);
}

// ---- Sides and the title list ----------------------------------------------------------------

class SidesTest : public test::MoveFixture
{
};

TEST_F(SidesTest, aStepperPushedPastEitherEndStaysInRange)
{
    open("", 0, 9);
    presenter->ScrNo_Change(Side::Source, -1);
    EXPECT_EQ(presenter->page(Side::Source), 0);
    presenter->ScrNo_Change(Side::Destination, 12);
    EXPECT_EQ(presenter->page(Side::Destination), 9);
    EXPECT_EQ(view.at(Side::Destination).page, 9);
    EXPECT_EQ(view.at(Side::Destination).face->pageNumber, "9");
}

TEST_F(SidesTest, theTitleListTogglesAndJumpsOneSideOnly)
{
    open("[Title]\n0=Start\n2=Games\n", 1, 3);
    presenter->TitleJanp(Side::Destination);
    EXPECT_TRUE(view.at(Side::Destination).titleListOpen);
    EXPECT_EQ(view.at(Side::Destination).titles,
              (std::vector<std::string>{"Start", "", "Games", ""}));
    EXPECT_EQ(view.at(Side::Destination).titleRow, 1);
    presenter->TitleJanp(Side::Destination);
    EXPECT_EQ(presenter->titleList(Side::Destination), TitleListState::Closed);

    presenter->TitleJanp(Side::Destination);
    presenter->LstJanp(Side::Destination, 2);
    EXPECT_FALSE(view.at(Side::Destination).titleListOpen);
    EXPECT_EQ(view.at(Side::Destination).face->title, "Games");
    EXPECT_EQ(view.at(Side::Destination).focusCount, 1);
    EXPECT_EQ(presenter->page(Side::Source), 1);
    // A choice reported while the list is closed is none.
    presenter->LstJanp(Side::Destination, 0);
    EXPECT_EQ(presenter->page(Side::Destination), 2);
}

// ---- Writes that fail ------------------------------------------------------------------------

class FailedWriteTest : public test::MoveFixture
{
};

// Runs body as an ordinary user: root writes into read-only folders, so a root test run hands
// the folder to "nobody" and lets a child process with that identity do the work. Gives
// whether body's checks held.
template <typename Body> bool asOrdinaryUser(const std::filesystem::path& folder, Body body)
{
    if (::geteuid() != 0)
        return body();
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (::chown(entry.path().c_str(), kNobody, kNobody) != 0)
            return false;
    if (::chown(folder.c_str(), kNobody, kNobody) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool held = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && body();
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(FailedWriteTest, aReadOnlyProfileShowsWhyAndKeepsBothButtons)
{
    open(kRegistered, 1, 9);
    presenter->Option_Click(Side::Source, 2);
    choose(Side::Destination, 4, 7);
    const bool held = asOrdinaryUser(dir.path(), [this] {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        presenter->BtMove_Click();
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
        bool ok = dialogs.messages.size() == 1u &&
                  dialogs.messages[0].text.find("Vnovla.ini") != std::string::npos &&
                  settingsBytes() == kRegistered && shown(Side::Source, 2).tooltip == "Gimp";
        // The dialog stays usable once the file can be written again.
        presenter->BtMove_Click();
        ok = ok && store->ReadSetting("Path", "47") == "/opt/gimp/gimp.desktop";
        EXPECT_TRUE(ok) << (dialogs.messages.empty() ? "no message" : dialogs.messages[0].text);
        return ok;
    });
    EXPECT_TRUE(held);
}

TEST_F(FailedWriteTest, aPathWithInvalidBytesIsRefusedWholeAndTheDialogGoesOn)
{
    // 0x81 0x20 is no Shift_JIS character: rewriting the file would lose it.
    const std::string settings = "[Path]\r\n10=C:\\bad\x81 name.exe\r\n11=C:\\ok.exe\r\n";
    open(settings, 1, 9);
    presenter->Option_Click(Side::Destination, 5);
    presenter->BtMove_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, DialogIcon::Critical);
    EXPECT_EQ(settingsBytes(), settings);
    EXPECT_NE(shown(Side::Source, 0).caption, "EMPTY");
    // Another button of the same file still moves, and the odd bytes stay as they were.
    presenter->Option_Click(Side::Source, 1);
    presenter->BtMove_Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(store->ReadSetting("Path", "15"), "C:\\ok.exe");
    EXPECT_NE(settingsBytes().find("10=C:\\bad\x81 name.exe\r\n"), std::string::npos);
}

} // namespace
} // namespace vnovla
