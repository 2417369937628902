#include "launcher_fixture.h"

#include <gtest/gtest.h>

namespace vnovla::test {
namespace {

using pages::StayOnTop;

class ChildWindowsTest : public LauncherFixture
{
};

// Each dialog opens below the topmost band, so it never hides behind the launcher; afterwards
// the launcher is back on top only when its menu says so, and shows its page afresh.
TEST_F(ChildWindowsTest, dialogsOpenBelowTheBandAndTheLauncherRedrawsAfter)
{
    for (const bool onTop : {true, false}) {
        SCOPED_TRACE(onTop ? "always on top" : "not on top");
        childWindows.calls.clear();
        childWindows.stayOnTopWhileOpen.clear();
        start(std::string("[Window]\nNow=3\nTemae=") + (onTop ? "True" : "False") + "\n");
        presenter->setCurrentSlot(7);

        const int drawsBefore = view.showPageCount;
        presenter->BtnEdit();
        presenter->MnuBtMove_Click();
        presenter->MnuOption_Click();
        EXPECT_EQ(view.showPageCount, drawsBefore + 3);

        EXPECT_EQ(childWindows.calls,
                  (std::vector<std::string>{"editor 3 7", "move 3 15", "options"}));
        for (const auto& state : childWindows.stayOnTopWhileOpen)
            EXPECT_EQ(state, StayOnTop::Off);
        EXPECT_EQ(view.stayOnTop, onTop ? StayOnTop::On : StayOnTop::Off);
    }
}

TEST_F(ChildWindowsTest, pagesAddedInTheMoveDialogWidenThePageRange)
{
    start("[Window]\nNow=2\nPage=4\n");
    childWindows.highestAfterMove = 6;
    presenter->MnuBtMove_Click();
    EXPECT_EQ(presenter->highestPage(), 6);
    EXPECT_EQ(view.highestPage, 6);
    EXPECT_EQ(view.currentPage, 2);
}

} // namespace
} // namespace vnovla::test
