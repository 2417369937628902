#include "pages/launcher_presenter.h"

#include "../pages/launcher_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::HotKeyAnswer;
using pages::PopupControl;
using pages::RaiseResult;
using pages::StayOnTop;

class LauncherRemoteTest : public test::LauncherFixture
{
};

TEST_F(LauncherRemoteTest, aRaiseShowsTheWindowInItsBandAndTheAskedPage)
{
    struct Row
    {
        const char* name;
        std::optional<int> page;
        RaiseResult result;
        int shownPage;
    };
    const std::vector<Row> rows = {
        {"a plain raise keeps the page", std::nullopt, RaiseResult::Done, 2},
        {"a page in range is shown", 4, RaiseResult::Done, 4},
        {"the first page", 0, RaiseResult::Done, 0},
        {"the last page", 5, RaiseResult::Done, 5},
        {"a page beyond the last one is refused, the window still comes up", 6,
         RaiseResult::NoSuchPage, 2},
        {"a negative page is refused", -1, RaiseResult::NoSuchPage, 2},
    };
    for (const bool onTop : {true, false}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (onTop ? ", on top" : ", not on top"));
            view = {};
            start(std::string("[Window]\nPage=5\nNow=2\nTemae=") + (onTop ? "True" : "False") +
                  "\n");
            const int focusBefore = view.focusCount;

            EXPECT_EQ(presenter->Remote_Raise(row.page), row.result);

            EXPECT_EQ(view.raiseCount, 1);
            EXPECT_EQ(presenter->currentPage(), row.shownPage);
            EXPECT_EQ(view.currentPage, row.shownPage);
            EXPECT_EQ(view.stayOnTop, onTop ? StayOnTop::On : StayOnTop::Off);
            EXPECT_EQ(view.focusCount, focusBefore + 1);
        }
    }
}

TEST_F(LauncherRemoteTest, aRaiseLeavesAnUnfinishedEntryItsFocus)
{
    start("[Window]\nPage=5\nNow=1\n");
    presenter->MnuTitle_Click();
    presenter->TxtTitle_Change("書きかけ");
    const int focusBefore = view.focusCount;

    EXPECT_EQ(presenter->Remote_Raise(), RaiseResult::Done);

    EXPECT_EQ(view.focusCount, focusBefore);
    EXPECT_EQ(presenter->popupState(PopupControl::TxtTitle), pages::PopupState::Open);
}

// The dialog works on the page it was opened on and was taken out of the topmost band so that
// it stays above the launcher: a request meanwhile changes neither.
TEST_F(LauncherRemoteTest, aRaiseWhileADialogIsOpenLeavesPageAndBandAlone)
{
    start("[Window]\nPage=5\nNow=1\nTemae=True\n");
    std::vector<RaiseResult> results;
    childWindows.whileOpen = [&] {
        results.push_back(presenter->Remote_Raise(3));
        results.push_back(presenter->Remote_Raise());
        EXPECT_EQ(view.stayOnTop, StayOnTop::Off);
        EXPECT_EQ(presenter->currentPage(), 1);
    };

    presenter->BtnEdit();

    EXPECT_EQ(results, (std::vector<RaiseResult>{RaiseResult::DialogOpen, RaiseResult::Done}));
    EXPECT_EQ(view.raiseCount, 2);
    EXPECT_EQ(childWindows.calls, std::vector<std::string>{"editor 1 0"});
    EXPECT_EQ(view.stayOnTop, StayOnTop::On);
    EXPECT_EQ(presenter->Remote_Raise(3), RaiseResult::Done);
    EXPECT_EQ(presenter->currentPage(), 3);
}

TEST_F(LauncherRemoteTest, theHotKeyRaisesThenGivesTheFocusBackAndDigitsLaunchAfterIt)
{
    start("[Window]\nNow=0\n[Path]\n01=/usr/bin/true\n");

    EXPECT_EQ(presenter->HotKey_Press(false), HotKeyAnswer::Raised);
    EXPECT_EQ(view.raiseCount, 1);
    presenter->Form_KeyPress('1');
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls.front().path, "/usr/bin/true");

    EXPECT_EQ(presenter->HotKey_Press(true), HotKeyAnswer::ReturnFocus);
    EXPECT_EQ(view.raiseCount, 1);
}

} // namespace
} // namespace vnovla
