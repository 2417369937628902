// Page titles and the page list of the launcher window: the title editor TxtTitle, adding a
// page after the last one and deleting the last page.

#include "pages/launcher_presenter.h"

#include "platform/dialogs.h"
#include "profile/profile_store.h"
#include "settings/options.h"

#include <string>
#include <utility>
#include <vector>

namespace vnovla::pages {

namespace {

// A title is one line of the settings file. A line break pasted into the editor would be
// refused by the file, losing the whole title; a blank keeps the words apart instead.
std::string singleLine(std::string text)
{
    for (char& character : text) {
        if (character == '\r' || character == '\n')
            character = ' ';
    }
    return text;
}

} // namespace

void LauncherPresenter::MnuTitle_Click()
{
    closePopupIfOpen(PopupControl::TxtJanp);
    closePopupIfOpen(PopupControl::LstJanp);
    if (popupState(PopupControl::TxtTitle) == PopupState::Open)
        return;
    titleText_ = shownFace_.title;
    view_.openTitleEditor(titleText_);
    popups_[static_cast<std::size_t>(PopupControl::TxtTitle)] = PopupState::Open;
}

void LauncherPresenter::TxtTitle_Change(std::string text)
{
    titleText_ = std::move(text);
}

KeyHandling LauncherPresenter::TxtTitle_KeyPress(int characterCode)
{
    if (popupState(PopupControl::TxtTitle) != PopupState::Open)
        return KeyHandling::PassedOn;
    if (characterCode == kEscapeKey) {
        setPopupState(PopupControl::TxtTitle, PopupState::Closed);
        return KeyHandling::Consumed;
    }
    if (characterCode != kEnterKey)
        return KeyHandling::PassedOn;

    const std::string page = std::to_string(currentPage_);
    // A failed write keeps the editor open with the text, so nothing typed is lost.
    if (!reportWrite(store_.WriteSetting("Title", page, singleLine(titleText_))))
        return KeyHandling::Consumed;
    // The label shows what the next redraw will show: a very long title is read back cut to
    // the length a read returns, while the file keeps it whole.
    shownFace_.title = store_.ReadSetting("Title", page);
    view_.showTitle(shownFace_.title);
    setPopupState(PopupControl::TxtTitle, PopupState::Closed);
    view_.focusPageScrollBar();
    return KeyHandling::Consumed;
}

void LauncherPresenter::MnuPagePlus_Click()
{
    closePopupIfOpen(PopupControl::TxtJanp);
    closePopupIfOpen(PopupControl::LstJanp);
    const int last = highestPage_;
    if (last >= settings::kMaximumHighestPage) {
        services_.dialogs.message(std::string(kPageLimitMessage), std::string(kApplicationTitle),
                                  platform::DialogIcon::Critical);
        return;
    }
    const std::string added = std::to_string(last + 1);
    const platform::Answer answer =
        services_.dialogs.ask("Page " + added + " を追加してもよろしいですか？",
                              std::string(kApplicationTitle), platform::DialogButtons::YesNo,
                              platform::DialogIcon::Question, platform::DefaultButton::Second);
    if (answer != platform::Answer::Yes)
        return;
    if (!reportWrite(store_.WriteSetting("Window", "Page", added)))
        return;
    highestPage_ = last + 1;
    currentPage_ = last + 1;
    view_.showPageRange(highestPage_, currentPage_);
    ShowPage();
}

void LauncherPresenter::MnuPageDel_Click()
{
    closePopupIfOpen(PopupControl::TxtJanp);
    closePopupIfOpen(PopupControl::LstJanp);
    const int last = highestPage_;
    // Deleting the only page would store -1 as the highest page, which no start-up accepts.
    if (last <= 0) {
        services_.dialogs.message(std::string(kOnlyPageMessage), std::string(kApplicationTitle),
                                  platform::DialogIcon::Critical);
        return;
    }
    const std::string lastText = std::to_string(last);
    bool registered = false;
    {
        const profile::ProfileStore::ReadScope scope(store_);
        for (int slot = 0; slot < kSlotCount && !registered; ++slot)
            registered = !store_.ReadSetting("Path", entryKey(last, slot)).empty();
    }
    const std::string question =
        registered ? "Page " + lastText + " に登録済ボタンがありますが削除しますか？"
                   : "Page " + lastText + " は登録ボタンはありません。削除しますか？";
    const platform::Answer answer = services_.dialogs.ask(
        question, std::string(kApplicationTitle), platform::DialogButtons::YesNo,
        platform::DialogIcon::Question, platform::DefaultButton::Second);
    if (answer != platform::Answer::Yes)
        return;

    const std::string previous = std::to_string(last - 1);
    // One replacement of the file: a page is either deleted whole or not at all.
    std::vector<profile::ProfileWrite> writes;
    if (registered) {
        writes = {
            {"Window", "Page", previous}, {"Window", "Now", previous}, {"Title", lastText, " "}};
        for (int slot = 0; slot < kSlotCount; ++slot) {
            writes.push_back({"Path", entryKey(last, slot), " "});
            writes.push_back({"PopUp", entryKey(last, slot), " "});
        }
    } else {
        writes = {
            {"Title", lastText, " "}, {"Window", "Page", previous}, {"Window", "Now", previous}};
    }
    if (!reportWrite(store_.WriteSettings(writes, profile::Backup::First)))
        return;

    highestPage_ = last - 1;
    if (currentPage_ > highestPage_) {
        currentPage_ = highestPage_;
        view_.showPageRange(highestPage_, currentPage_);
        ShowPage();
        return;
    }
    view_.showPageRange(highestPage_, currentPage_);
}

} // namespace vnovla::pages
