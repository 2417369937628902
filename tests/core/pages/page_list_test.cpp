#include "launcher_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::KeyHandling;
using pages::PopupControl;
using pages::PopupState;
using platform::Answer;

constexpr int kEnter = pages::kEnterKey;
constexpr int kEscape = pages::kEscapeKey;

// ---- The title editor -------------------------------------------------------------------------

class TitleEditorTest : public test::LauncherFixture
{
protected:
    void SetUp() override { start("[Window]\nPage=5\nNow=2\n[Title]\n2=Old\n"); }

    KeyHandling enter(const std::string& text)
    {
        presenter->MnuTitle_Click();
        presenter->TxtTitle_Change(text);
        return presenter->TxtTitle_KeyPress(kEnter);
    }
    PopupState editor() const { return presenter->popupState(PopupControl::TxtTitle); }
};

TEST_F(TitleEditorTest, opensWithTheShownTitleAndClosesThePageNumberBox)
{
    presenter->LblNo_DblClick();
    presenter->MnuTitle_Click();
    EXPECT_EQ(view.titleEditorTexts, std::vector<std::string>{"Old"});
    EXPECT_EQ(presenter->popupState(PopupControl::TxtJanp), PopupState::Closed);
    // A second open keeps the text being edited.
    presenter->MnuTitle_Click();
    EXPECT_EQ(view.titleEditorTexts.size(), 1u);
}

TEST_F(TitleEditorTest, enterStoresTheTitleUnderTheCurrentPage)
{
    EXPECT_EQ(enter("開発ツール"), KeyHandling::Consumed);
    EXPECT_EQ(read("Title", "2"), "開発ツール");
    EXPECT_EQ(view.shownTitles, std::vector<std::string>{"開発ツール"});
    EXPECT_EQ(editor(), PopupState::Closed);

    enter("");
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=5\nNow=2\n[Title]\n2=\n");
}

TEST_F(TitleEditorTest, escapeKeepsTheOldTitle)
{
    presenter->MnuTitle_Click();
    presenter->TxtTitle_Change("New");
    EXPECT_EQ(presenter->TxtTitle_KeyPress('x'), KeyHandling::PassedOn);
    EXPECT_EQ(presenter->TxtTitle_KeyPress(kEscape), KeyHandling::Consumed);
    EXPECT_EQ(read("Title", "2"), "Old");
    EXPECT_EQ(editor(), PopupState::Closed);
    EXPECT_TRUE(view.shownTitles.empty());
}

TEST_F(TitleEditorTest, aLineBreakInTheTitleCannotAddAKey)
{
    enter("a\n3=injected\r\nb");
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=5\nNow=2\n[Title]\n2=a 3=injected  b\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TitleEditorTest, aVeryLongTitleIsKeptWholeAndShownAsItReadsBack)
{
    const std::string title(5000, 'x');
    enter(title);
    EXPECT_NE(settingsBytes().find("2=" + title + "\n"), std::string::npos);
    ASSERT_EQ(view.shownTitles.size(), 1u);
    EXPECT_EQ(view.shownTitles[0], std::string(profile::kMaxValueBytes, 'x'));
}

TEST_F(TitleEditorTest, aRefusedWriteIsReportedOnceAndKeepsTheTextInTheEditor)
{
    // Text that is not UTF-8 is one refusal that even a process allowed to write anywhere
    // meets.
    const std::string before = settingsBytes();
    enter("bad \xff byte");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, platform::DialogIcon::Critical);
    EXPECT_EQ(editor(), PopupState::Open);
    EXPECT_TRUE(view.shownTitles.empty());
    EXPECT_EQ(settingsBytes(), before);
}

// ---- Adding a page ----------------------------------------------------------------------------

class PageListTest : public test::LauncherFixture
{
};

TEST_F(PageListTest, addingAsksAboutTheNextPageAndShowsIt)
{
    start("[Window]\nPage=4\nNow=1\n");
    dialogs.setNextAnswer(Answer::No);
    presenter->MnuPagePlus_Click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "Page 5 を追加してもよろしいですか？");
    EXPECT_EQ(dialogs.questions[0].defaultButton, platform::DefaultButton::Second);
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=4\nNow=1\n");

    dialogs.setNextAnswer(Answer::Yes);
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuPagePlus");
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=5\nNow=1\n");
    EXPECT_EQ(presenter->highestPage(), 5);
    EXPECT_EQ(presenter->currentPage(), 5);
    EXPECT_EQ(view.highestPage, 5);
    EXPECT_EQ(view.lastFace->pageNumber, "5");
    EXPECT_EQ(button(0).caption, "EMPTY");
}

TEST_F(PageListTest, theThousandthPageIsTheLast)
{
    start("[Window]\nPage=999\n");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuPagePlus_Click();
    EXPECT_EQ(presenter->highestPage(), 1000);

    presenter->MnuPagePlus_Click();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "これ以上登録できません");
    EXPECT_EQ(dialogs.messages[0].icon, platform::DialogIcon::Critical);
    EXPECT_EQ(presenter->highestPage(), 1000);
}

// ---- Deleting the last page -------------------------------------------------------------------

TEST_F(PageListTest, deletingAPageWithARegisteredButtonBlanksItsKeysInOneWrite)
{
    start("[Window]\nPage=5\nNow=5\n[Title]\n5=Five\n[Path]\n57=/opt/a\n[PopUp]\n57=A\n"
          "[Icon]\n57=2\n");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuPageDel_Click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "Page 5 に登録済ボタンがありますが削除しますか？");
    // "Icon" stays: a page added again later shows nothing without a path.
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=4\nNow=4\n[Title]\n5= \n"
                               "[Path]\n57= \n50= \n51= \n52= \n53= \n54= \n55= \n56= \n58= \n"
                               "59= \n"
                               "[PopUp]\n57= \n50= \n51= \n52= \n53= \n54= \n55= \n56= \n58= \n"
                               "59= \n"
                               "[Icon]\n57=2\n");
    EXPECT_EQ(presenter->highestPage(), 4);
    EXPECT_EQ(presenter->currentPage(), 4);
    EXPECT_EQ(view.highestPage, 4);
    EXPECT_EQ(view.lastFace->pageNumber, "4");
}

TEST_F(PageListTest, deletingAPageWithoutButtonsLeavesTheShownPage)
{
    start("[Window]\nPage=5\nNow=2\n[Path]\n57= \n");
    const int shown = view.showPageCount;
    dialogs.setNextAnswer(Answer::Yes);
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuPageDel");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    // A cleared slot (" ") counts as free.
    EXPECT_EQ(dialogs.questions[0].text, "Page 5 は登録ボタンはありません。削除しますか？");
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=4\nNow=4\n[Path]\n57= \n[Title]\n5= \n");
    EXPECT_EQ(presenter->highestPage(), 4);
    EXPECT_EQ(presenter->currentPage(), 2);
    EXPECT_EQ(view.highestPage, 4);
    EXPECT_EQ(view.showPageCount, shown);
}

TEST_F(PageListTest, answeringNoDeletesNothing)
{
    start("[Window]\nPage=5\n");
    presenter->MnuPageDel_Click(); // the default answer is No
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=5\n");
    EXPECT_EQ(presenter->highestPage(), 5);
}

TEST_F(PageListTest, theOnlyPageCannotBeDeleted)
{
    start("[Window]\nPage=0\n");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuPageDel_Click();
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, pages::kOnlyPageMessage);
    EXPECT_EQ(settingsBytes(), "[Window]\nPage=0\n");
    EXPECT_EQ(presenter->highestPage(), 0);
}

TEST_F(PageListTest, aPageDeletedAndAddedAgainIsEmptyWithoutTitle)
{
    start("[Window]\nPage=5\nNow=5\n[Title]\n5=Five\n[Path]\n50=/opt/a\n");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuPageDel_Click();
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuPagePlus_Click();
    EXPECT_EQ(view.lastFace->pageNumber, "5");
    EXPECT_EQ(view.lastFace->title, "");
    EXPECT_EQ(button(0).caption, "EMPTY");
}

TEST_F(PageListTest, addingAndDeletingCloseThePopUps)
{
    start("[Window]\nPage=5\n");
    presenter->LblNo_DblClick();
    presenter->MnuPagePlus_Click();
    EXPECT_EQ(presenter->popupState(PopupControl::TxtJanp), PopupState::Closed);
    presenter->MnuTitleJanp_Click();
    presenter->MnuPageDel_Click();
    EXPECT_EQ(presenter->popupState(PopupControl::LstJanp), PopupState::Closed);
}

} // namespace
} // namespace vnovla
