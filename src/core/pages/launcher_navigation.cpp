// Page navigation of the launcher window: the page-number box TxtJanp and the title list
// LstJanp.

#include "pages/launcher_presenter.h"

#include "pages/page_number.h"
#include "platform/dialogs.h"
#include "profile/profile_store.h"

#include <string>
#include <utility>
#include <vector>

namespace vnovla::pages {

void LauncherPresenter::LblNo_DblClick()
{
    if (popupState(PopupControl::TxtJanp) == PopupState::Open) {
        jumpToTypedPage();
        return;
    }
    pageNumberText_ = std::to_string(currentPage_);
    view_.openPageNumberBox(pageNumberText_);
    popups_[static_cast<std::size_t>(PopupControl::TxtJanp)] = PopupState::Open;
}

void LauncherPresenter::TxtJanp_Change(std::string text)
{
    pageNumberText_ = std::move(text);
}

void LauncherPresenter::TxtJanp_DblClick()
{
    if (popupState(PopupControl::TxtJanp) == PopupState::Open)
        jumpToTypedPage();
}

KeyHandling LauncherPresenter::TxtJanp_KeyPress(int characterCode)
{
    if (popupState(PopupControl::TxtJanp) != PopupState::Open)
        return KeyHandling::PassedOn;
    if (characterCode == kEnterKey) {
        jumpToTypedPage();
        return KeyHandling::Consumed;
    }
    if (characterCode == kEscapeKey) {
        setPopupState(PopupControl::TxtJanp, PopupState::Closed);
        return KeyHandling::Consumed;
    }
    return KeyHandling::PassedOn;
}

void LauncherPresenter::jumpToTypedPage()
{
    const PageNumberEntry entry = readPageNumber(pageNumberText_, highestPage_);
    switch (entry.kind) {
    case PageNumberKind::NotAPage:
        view_.focusPageScrollBar();
        setPopupState(PopupControl::TxtJanp, PopupState::Closed);
        return;
    case PageNumberKind::Page:
        goToPage(entry.page);
        view_.focusPageScrollBar();
        setPopupState(PopupControl::TxtJanp, PopupState::Closed);
        return;
    case PageNumberKind::BeyondLastPage: {
        const std::string last = std::to_string(highestPage_);
        const platform::Answer answer = services_.dialogs.ask(
            "全ページ数は " + last + " です。" + last + " ページ目を表示しますか？",
            std::string(kApplicationTitle), platform::DialogButtons::YesNo,
            platform::DialogIcon::Question, platform::DefaultButton::Second);
        // No keeps the box open with the text as typed, so the user can correct it.
        if (answer != platform::Answer::Yes)
            return;
        goToPage(highestPage_);
        setPopupState(PopupControl::TxtJanp, PopupState::Closed);
        return;
    }
    }
}

void LauncherPresenter::MnuTitleJanp_Click()
{
    closePopupIfOpen(PopupControl::TxtTitle);
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(highestPage_) + 1);
    {
        // Up to 1001 reads: the file is checked for changes once, not a thousand times.
        const profile::ProfileStore::ReadScope scope(store_);
        for (int page = 0; page <= highestPage_; ++page)
            titles.push_back(store_.ReadSetting("Title", std::to_string(page)));
    }
    // The list selects the current row while it opens; only after that does a change of the
    // selection count as the user's choice.
    view_.openTitleList(titles, currentPage_);
    popups_[static_cast<std::size_t>(PopupControl::LstJanp)] = PopupState::Open;
}

void LauncherPresenter::BtTJanp_Click()
{
    closePopupIfOpen(PopupControl::TxtTitle);
    if (popupState(PopupControl::LstJanp) == PopupState::Open) {
        setPopupState(PopupControl::LstJanp, PopupState::Closed);
        view_.focusPageScrollBar();
        return;
    }
    MnuTitleJanp_Click();
}

void LauncherPresenter::LstJanp_Click(int row)
{
    if (popupState(PopupControl::LstJanp) != PopupState::Open)
        return;
    if (row >= 0 && row <= highestPage_)
        goToPage(row);
    setPopupState(PopupControl::LstJanp, PopupState::Closed);
    view_.focusPageScrollBar();
}

KeyHandling LauncherPresenter::LstJanp_KeyPress(int characterCode, int selectedRow)
{
    if (popupState(PopupControl::LstJanp) != PopupState::Open)
        return KeyHandling::PassedOn;
    if (characterCode == kEnterKey) {
        LstJanp_Click(selectedRow);
        return KeyHandling::Consumed;
    }
    if (characterCode == kEscapeKey) {
        setPopupState(PopupControl::LstJanp, PopupState::Closed);
        return KeyHandling::Consumed;
    }
    return KeyHandling::PassedOn;
}

} // namespace vnovla::pages
