#include "pages/page_number.h"

#include "launcher_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::KeyHandling;
using pages::PageNumberEntry;
using pages::PageNumberKind;
using pages::PopupControl;
using pages::PopupState;
using platform::Answer;

constexpr int kEnter = pages::kEnterKey;
constexpr int kEscape = pages::kEscapeKey;

// ---- Typed page numbers ---------------------------------------------------------------------

TEST(PageNumber, typedTextAgainstPagesZeroToFive)
{
    struct Row
    {
        std::string text;
        PageNumberEntry expected;
    };
    const PageNumberEntry notAPage{};
    const PageNumberEntry beyond{PageNumberKind::BeyondLastPage, 5};
    const auto page = [](int number) { return PageNumberEntry{PageNumberKind::Page, number}; };
    const std::vector<Row> rows = {
        {"3", page(3)},
        {"0", page(0)},
        {"00003", page(3)},
        {"+2", page(2)},
        {"  4  ", page(4)},
        {"\t1", page(1)},
        // Halves go to the even neighbour; anything past the half rounds up.
        {"2.5", page(2)},
        {"3.5", page(4)},
        {"0.5", page(0)},
        {"2.50001", page(3)},
        {"2.4999", page(2)},
        {"3.", page(3)},
        {".6", page(1)},
        // Compared before rounding: 5.2 is beyond page 5 although it rounds to 5.
        {"5", page(5)},
        {"5.000", page(5)},
        {"5.2", beyond},
        {"7", beyond},
        {"  7  ", beyond},
        {"9999999999", beyond},
        {"1" + std::string(400, '0'), beyond},
        // Zero with a sign is still page 0; only what rounds below 0 is not a page.
        {"-0", page(0)},
        {"-0.5", page(0)},
        {"-0.6", notAPage},
        {"-1", notAPage},
        {"-99999999999", notAPage},
        // Full-width input from a Japanese input method means the same number.
        {"０３", page(3)},
        {"３．５", page(4)},
        {"\u3000２\u3000", page(2)},
        {"－１", notAPage},
        // An exponent moves the point, as in any double-precision number text.
        {"1e1", beyond},
        {"1e0", page(1)},
        {"25e-1", page(2)},
        {"5E-1", page(0)},
        {"-6e-1", notAPage},
        {"1e999999999", beyond},
        {"0e999999999", page(0)},
        {"7e-999999999", page(0)},
        {"1e", notAPage},
        {"e1", notAPage},
        {"1e1.5", notAPage},
        // Anything that is not a decimal number is not a page.
        {"", notAPage},
        {"   ", notAPage},
        {"abc", notAPage},
        {"0x3", notAPage},
        {"1 2", notAPage},
        {"3a", notAPage},
        {"-", notAPage},
        {".", notAPage},
        {"1,5", notAPage},
        {"inf", notAPage},
        {"nan", notAPage},
    };
    for (const auto& row : rows)
        EXPECT_EQ(pages::readPageNumber(row.text, 5), row.expected) << '"' << row.text << '"';
}

TEST(PageNumber, theThousandthPageIsReachable)
{
    EXPECT_EQ(pages::readPageNumber("1000", 1000), (PageNumberEntry{PageNumberKind::Page, 1000}));
    EXPECT_EQ(pages::readPageNumber("999.5", 1000), (PageNumberEntry{PageNumberKind::Page, 1000}));
    EXPECT_EQ(pages::readPageNumber("1e3", 1000), (PageNumberEntry{PageNumberKind::Page, 1000}));
    EXPECT_EQ(pages::readPageNumber("1000.1", 1000),
              (PageNumberEntry{PageNumberKind::BeyondLastPage, 1000}));
    EXPECT_EQ(pages::readPageNumber("10000", 1000),
              (PageNumberEntry{PageNumberKind::BeyondLastPage, 1000}));
}

// ---- The page-number box ----------------------------------------------------------------------

class PageNumberBoxTest : public test::LauncherFixture
{
protected:
    void SetUp() override { start("[Window]\nPage=5\nNow=1\n"); }

    void type(const std::string& text)
    {
        presenter->LblNo_DblClick();
        presenter->TxtJanp_Change(text);
    }
    PopupState box() const { return presenter->popupState(PopupControl::TxtJanp); }
};

TEST_F(PageNumberBoxTest, opensWithTheCurrentPageNumber)
{
    presenter->MnuPageJanp_Click();
    EXPECT_EQ(view.pageNumberBoxTexts, std::vector<std::string>{"1"});
    EXPECT_EQ(box(), PopupState::Open);
}

TEST_F(PageNumberBoxTest, enterOnAnExistingPageShowsItClosesTheBoxAndFocusesTheScrollBar)
{
    type("3");
    const int focus = view.focusCount;
    EXPECT_EQ(presenter->TxtJanp_KeyPress(kEnter), KeyHandling::Consumed);
    EXPECT_EQ(presenter->currentPage(), 3);
    EXPECT_EQ(view.lastFace->pageNumber, "3");
    EXPECT_EQ(view.currentPage, 3);
    EXPECT_EQ(box(), PopupState::Closed);
    EXPECT_EQ(view.focusCount, focus + 1);
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(PageNumberBoxTest, doubleClicksJumpWhenTheBoxIsOpen)
{
    type("2.5");
    presenter->LblNo_DblClick();
    EXPECT_EQ(presenter->currentPage(), 2);

    type("3.5");
    presenter->TxtJanp_DblClick();
    EXPECT_EQ(presenter->currentPage(), 4);
    EXPECT_EQ(box(), PopupState::Closed);
}

TEST_F(PageNumberBoxTest, aNumberBeyondTheLastPageAsksAboutTheLastPage)
{
    type("1e1");
    dialogs.setNextAnswer(Answer::No);
    presenter->TxtJanp_KeyPress(kEnter);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "全ページ数は 5 です。5 ページ目を表示しますか？");
    EXPECT_EQ(dialogs.questions[0].defaultButton, platform::DefaultButton::Second);
    // No: the box stays open with the text, ready to be corrected.
    EXPECT_EQ(presenter->currentPage(), 1);
    EXPECT_EQ(box(), PopupState::Open);

    dialogs.setNextAnswer(Answer::Yes);
    presenter->TxtJanp_KeyPress(kEnter);
    EXPECT_EQ(presenter->currentPage(), 5);
    EXPECT_EQ(view.lastFace->pageNumber, "5");
    EXPECT_EQ(box(), PopupState::Closed);
}

TEST_F(PageNumberBoxTest, textThatIsNoPageClosesTheBoxQuietly)
{
    for (const std::string text : {"abc", "", "-1", "1e"}) {
        type(text);
        const int shown = view.showPageCount;
        presenter->TxtJanp_KeyPress(kEnter);
        EXPECT_EQ(presenter->currentPage(), 1) << text;
        EXPECT_EQ(view.showPageCount, shown) << text;
        EXPECT_EQ(box(), PopupState::Closed) << text;
    }
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PageNumberBoxTest, escapeClosesAndOtherKeysAreTypedAsUsual)
{
    type("4");
    EXPECT_EQ(presenter->TxtJanp_KeyPress('4'), KeyHandling::PassedOn);
    // A digit typed into the open box is text, not a launch.
    presenter->Form_KeyPress('4');
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(presenter->TxtJanp_KeyPress(kEscape), KeyHandling::Consumed);
    EXPECT_EQ(box(), PopupState::Closed);
    EXPECT_EQ(presenter->currentPage(), 1);
}

// ---- The title list ---------------------------------------------------------------------------

class TitleListTest : public test::LauncherFixture
{
protected:
    void SetUp() override { start("[Window]\nPage=3\nNow=2\n[Title]\n1=Tools\n3= \n"); }
    PopupState list() const { return presenter->popupState(PopupControl::LstJanp); }
};

TEST_F(TitleListTest, listsEveryPagesTitleWithTheCurrentPageSelected)
{
    presenter->MnuTitleJanp_Click();
    // A page without a title and a cleared title (" ") both give an empty row.
    EXPECT_EQ(view.titleList, (std::vector<std::string>{"", "Tools", "", ""}));
    EXPECT_EQ(view.titleListRow, 2);
    EXPECT_EQ(list(), PopupState::Open);
}

TEST_F(TitleListTest, listsAllThousandAndOnePages)
{
    start("[Window]\nPage=1000\n[Title]\n1000=Last\n");
    presenter->LblTitle_DblClick();
    ASSERT_EQ(view.titleList.size(), 1001u);
    EXPECT_EQ(view.titleList.back(), "Last");
}

TEST_F(TitleListTest, theFirstChangeOfSelectionJumpsAndCloses)
{
    presenter->MnuTitleJanp_Click();
    const int focus = view.focusCount;
    presenter->LstJanp_Click(3);
    EXPECT_EQ(presenter->currentPage(), 3);
    EXPECT_EQ(view.lastFace->pageNumber, "3");
    EXPECT_EQ(list(), PopupState::Closed);
    EXPECT_EQ(view.focusCount, focus + 1);
    // A selection change reported after the list closed is no choice.
    presenter->LstJanp_Click(0);
    EXPECT_EQ(presenter->currentPage(), 3);
}

TEST_F(TitleListTest, keysEnterJumpsAndEscapeClosesWithoutAChange)
{
    presenter->MnuTitleJanp_Click();
    EXPECT_EQ(presenter->LstJanp_KeyPress(kEscape, 0), KeyHandling::Consumed);
    EXPECT_EQ(list(), PopupState::Closed);
    EXPECT_EQ(presenter->currentPage(), 2);

    presenter->MnuTitleJanp_Click();
    EXPECT_EQ(presenter->LstJanp_KeyPress('a', 0), KeyHandling::PassedOn);
    EXPECT_EQ(presenter->LstJanp_KeyPress(kEnter, 0), KeyHandling::Consumed);
    EXPECT_EQ(presenter->currentPage(), 0);
}

TEST_F(TitleListTest, theTriangleButtonOpensAndClosesTheList)
{
    presenter->BtTJanp_Click();
    EXPECT_EQ(list(), PopupState::Open);
    presenter->BtTJanp_Click();
    EXPECT_EQ(list(), PopupState::Closed);
    EXPECT_EQ(view.titleListOpenCount, 1);
    EXPECT_EQ(presenter->currentPage(), 2);
}

TEST_F(TitleListTest, openingTheListDropsAnUnfinishedTitleEdit)
{
    presenter->MnuTitle_Click();
    presenter->TxtTitle_Change("half typed");
    presenter->MnuTitleJanp_Click();
    EXPECT_EQ(presenter->popupState(PopupControl::TxtTitle), PopupState::Closed);
    EXPECT_EQ(read("Title", "2"), "");
}

TEST_F(TitleListTest, menuItemsReachTheHandlers)
{
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuTitleJanp");
    EXPECT_EQ(list(), PopupState::Open);
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuPageJanp");
    EXPECT_EQ(presenter->popupState(PopupControl::TxtJanp), PopupState::Open);
}

} // namespace
} // namespace vnovla
