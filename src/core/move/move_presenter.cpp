#include "move/move_presenter.h"

#include "pages/launcher_presenter.h"
#include "platform/dialogs.h"
#include "profile/profile_store.h"
#include "settings/options.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vnovla::move {

namespace {

using pages::kSlotCount;

// The cleared value of a profile entry: it reads back as empty.
constexpr std::string_view kCleared = " ";

bool registered(const pages::ButtonFace& face)
{
    return face.tooltip != pages::kUnregisteredTooltip;
}

// The writes that put the button of sourceKey into destinationKey, and on a move clear the
// source. tooltip is the source's tooltip as the dialog shows it, so a button without one
// carries the unregistered marker. The icon file is left alone on purpose: its entry belongs
// to the slot, not to the button, so a move never has to change two files.
void addTransfer(std::vector<profile::ProfileWrite>& writes, profile::ProfileStore& store,
                 const std::string& sourceKey, const std::string& destinationKey,
                 const std::string& tooltip, Mode mode)
{
    const std::string path = store.ReadSetting("Path", sourceKey);
    // Read into a fresh string: GCC 12 at -O3 reports a false -Wrestrict for assigning a
    // literal to a string that may hold a read value, which breaks the Release build.
    const std::string stored = store.ReadSetting("Icon", sourceKey);
    const std::string index = stored.empty() ? std::string(1, '0') : stored;
    writes.push_back({"Path", destinationKey, path});
    writes.push_back({"PopUp", destinationKey, tooltip});
    writes.push_back({"Icon", destinationKey, index});
    if (mode != Mode::Move)
        return;
    // A registered button moved onto its own slot stays where it is; clearing the source
    // would clear the button itself.
    if (sourceKey == destinationKey && !path.empty())
        return;
    for (const char* section : {"Path", "PopUp", "Icon"})
        writes.push_back({section, sourceKey, std::string(kCleared)});
}

} // namespace

MovePresenter::MovePresenter(profile::ProfileStore& store, platform::Dialogs& dialogs,
                             MoveView& view)
    : store_(store), dialogs_(dialogs), view_(view)
{}

void MovePresenter::Form_Load(int page, int highestPage)
{
    highestPage_ = std::clamp(highestPage, 0, settings::kMaximumHighestPage);
    const int shown = std::clamp(page, 0, highestPage_);
    for (const Side side : {Side::Source, Side::Destination}) {
        SideState& side_state = state(side);
        side_state = SideState{};
        side_state.page = shown;
        view_.selectSlot(side, 0);
        view_.showPageRange(side, highestPage_, shown);
        view_.closeTitleList(side);
        PageKirikae(side);
    }
    moveAll_ = false;
    view_.showMoveAll(false);
}

void MovePresenter::ScrNo_Change(Side side, int page)
{
    const int shown = std::clamp(page, 0, highestPage_);
    if (shown != page)
        view_.showPageRange(side, highestPage_, shown);
    state(side).page = shown;
    PageKirikae(side);
}

void MovePresenter::PageKirikae(Side side)
{
    SideState& side_state = state(side);
    side_state.face = pages::readPageFace(store_, side_state.page);
    view_.showSide(side, side_state.face);
}

void MovePresenter::Option_Click(Side side, int slot)
{
    if (slot < 0 || slot >= kSlotCount)
        return;
    state(side).slot = slot;
}

void MovePresenter::transfer(Mode mode)
{
    if (moveAll_)
        MoveBtAll(mode);
    else
        MoveBt(mode);
}

void MovePresenter::redrawBoth()
{
    PageKirikae(Side::Source);
    PageKirikae(Side::Destination);
}

void MovePresenter::refuse(std::string_view message)
{
    dialogs_.message(std::string(message), std::string(pages::kApplicationTitle),
                     platform::DialogIcon::Critical);
}

bool MovePresenter::reportWrite(const profile::WriteStatus& status)
{
    if (status.ok())
        return true;
    refuse(status.message());
    return false;
}

void MovePresenter::MoveBt(Mode mode)
{
    // The decision rests on the files as they are now, not as they were when the sides were
    // drawn; the redraw that follows shows the user what it was based on.
    redrawBoth();
    const SideState& source = state(Side::Source);
    const SideState& destination = state(Side::Destination);
    const auto sourceSlot = static_cast<std::size_t>(source.slot);
    const auto destinationSlot = static_cast<std::size_t>(destination.slot);
    if (registered(destination.face.buttons[destinationSlot])) {
        refuse(kDestinationRegisteredMessage);
        return;
    }
    std::vector<profile::ProfileWrite> writes;
    {
        const profile::ProfileStore::ReadScope scope(store_);
        addTransfer(writes, store_, pages::entryKey(source.page, source.slot),
                    pages::entryKey(destination.page, destination.slot),
                    source.face.buttons[sourceSlot].tooltip, mode);
    }
    reportWrite(store_.WriteSettings(writes, profile::Backup::First));
    redrawBoth();
}

void MovePresenter::MoveBtAll(Mode mode)
{
    redrawBoth();
    const SideState& source = state(Side::Source);
    const SideState& destination = state(Side::Destination);
    if (std::any_of(destination.face.buttons.begin(), destination.face.buttons.end(), registered)) {
        refuse(kDestinationPageNotEmptyMessage);
        return;
    }
    std::vector<profile::ProfileWrite> writes;
    {
        const profile::ProfileStore::ReadScope scope(store_);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::string sourceKey = pages::entryKey(source.page, slot);
            // Empty source slots leave their destination slot as it is.
            if (store_.ReadSetting("Path", sourceKey).empty())
                continue;
            addTransfer(writes, store_, sourceKey, pages::entryKey(destination.page, slot),
                        source.face.buttons[static_cast<std::size_t>(slot)].tooltip, mode);
        }
    }
    const bool written =
        writes.empty() || reportWrite(store_.WriteSettings(writes, profile::Backup::First));
    redrawBoth();
    if (!written)
        return;
    moveAll_ = false;
    view_.showMoveAll(false);
}

void MovePresenter::BtPageMake_Click()
{
    const int last = highestPage_;
    if (last >= settings::kMaximumHighestPage) {
        refuse(pages::kPageLimitMessage);
        return;
    }
    const std::string added = std::to_string(last + 1);
    const platform::Answer answer =
        dialogs_.ask("Page " + added + " を追加してもよろしいですか？",
                     std::string(pages::kApplicationTitle), platform::DialogButtons::YesNo,
                     platform::DialogIcon::Question, platform::DefaultButton::Second);
    if (answer != platform::Answer::Yes)
        return;
    if (!reportWrite(store_.WriteSetting("Window", "Page", added)))
        return;
    highestPage_ = last + 1;
    view_.showPageRange(Side::Source, highestPage_, state(Side::Source).page);
    state(Side::Destination).page = highestPage_;
    view_.showPageRange(Side::Destination, highestPage_, highestPage_);
    PageKirikae(Side::Destination);
}

void MovePresenter::TitleJanp(Side side)
{
    SideState& side_state = state(side);
    if (side_state.titleList == TitleListState::Open) {
        side_state.titleList = TitleListState::Closed;
        view_.closeTitleList(side);
        return;
    }
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(highestPage_) + 1);
    {
        const profile::ProfileStore::ReadScope scope(store_);
        for (int page = 0; page <= highestPage_; ++page)
            titles.push_back(store_.ReadSetting("Title", std::to_string(page)));
    }
    side_state.titleList = TitleListState::Open;
    view_.openTitleList(side, titles, side_state.page);
}

void MovePresenter::LstJanp(Side side, int row)
{
    SideState& side_state = state(side);
    if (side_state.titleList != TitleListState::Open)
        return;
    side_state.titleList = TitleListState::Closed;
    view_.closeTitleList(side);
    if (row >= 0 && row <= highestPage_ && row != side_state.page) {
        side_state.page = row;
        view_.showPageRange(side, highestPage_, row);
        PageKirikae(side);
    }
    view_.focusPageStepper(side);
}

} // namespace vnovla::move
