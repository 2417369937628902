#pragma once

#include "move/move_view.h"
#include "pages/page_face.h"
#include "profile/write_status.h"

#include <array>
#include <string_view>

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::platform {
class Dialogs;
}

namespace vnovla::move {

inline constexpr std::string_view kDestinationRegisteredMessage = "コピー/移動先は登録済みです";
inline constexpr std::string_view kDestinationPageNotEmptyMessage =
    "移動先に空ページを設定してください";

enum class Mode {
    Move = 1,
    Copy = 2,
};

enum class TitleListState {
    Closed,
    Open,
};

// The copy/move dialog's state and rules: the page and selected slot of each side, the
// transfers between them and the page creation. Every action that changes the profile is one
// replacement of the settings file, so a crash leaves a button on exactly one page.
class MovePresenter
{
public:
    MovePresenter(profile::ProfileStore& store, platform::Dialogs& dialogs, MoveView& view);

    // Opens both sides on page of pages 0..highestPage with slot 0 selected.
    void Form_Load(int page, int highestPage);
    // The highest page, raised by page creation; the launcher takes it over after closing.
    int highestPage() const { return highestPage_; }

    // A side's stepper moved (by key, wheel or mouse) to page; out of range is pulled in.
    void ScrNo_Change(Side side, int page);
    // Draws one side afresh from the profile files.
    void PageKirikae(Side side);
    int page(Side side) const { return state(side).page; }
    const pages::PageFace& shownFace(Side side) const { return state(side).face; }

    // An option button of a side was checked.
    void Option_Click(Side side, int slot);
    int selectedSlot(Side side) const { return state(side).slot; }
    // "一括処理" was ticked or cleared by the user.
    void ChkMoveAll_Click(bool ticked) { moveAll_ = ticked; }
    bool moveAll() const { return moveAll_; }

    void BtCopy_Click() { transfer(Mode::Copy); }
    void BtMove_Click() { transfer(Mode::Move); }
    // The selected source slot to the selected destination slot.
    void MoveBt(Mode mode);
    // Every registered slot of the source page to the same slot of the (empty) destination page.
    void MoveBtAll(Mode mode);
    // Adds a page after the last one, after the user confirms, and shows it on the
    // destination side.
    void BtPageMake_Click();

    // The "▽" button of a side: opens its title list, or closes it when open.
    void TitleJanp(Side side);
    void BtTJanp_Click(Side side) { TitleJanp(side); }
    // A row of a side's open title list was chosen: that side jumps to the row's page.
    void LstJanp(Side side, int row);
    void LstJanp_Click(Side side, int row) { LstJanp(side, row); }
    TitleListState titleList(Side side) const { return state(side).titleList; }

private:
    struct SideState
    {
        int page = 0;
        int slot = 0;
        TitleListState titleList = TitleListState::Closed;
        pages::PageFace face;
    };

    SideState& state(Side side) { return sides_[index(side)]; }
    const SideState& state(Side side) const { return sides_[index(side)]; }
    static std::size_t index(Side side) { return side == Side::Source ? 0 : 1; }

    void transfer(Mode mode);
    void redrawBoth();
    // Tells the user why a write failed; true when it succeeded.
    bool reportWrite(const profile::WriteStatus& status);
    void refuse(std::string_view message);

    profile::ProfileStore& store_;
    platform::Dialogs& dialogs_;
    MoveView& view_;
    int highestPage_ = 0;
    bool moveAll_ = false;
    std::array<SideState, 2> sides_;
};

} // namespace vnovla::move
