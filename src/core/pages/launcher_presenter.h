#pragma once

#include "pages/launcher_menus.h"
#include "pages/launcher_view.h"
#include "pages/page_face.h"
#include "pages/startup_state.h"
#include "platform/pixel_geometry.h"
#include "profile/write_status.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::settings {
struct Options;
}
namespace vnovla::platform {
class Clock;
class Dialogs;
class RecentDocuments;
class ScreenGeometry;
class Shell;
} // namespace vnovla::platform

namespace vnovla::pages {

inline constexpr std::string_view kApplicationTitle = "VESKA NOVLA";
inline constexpr std::string_view kAllConfirmation =
    "現在のページの登録ボタンをすべて実行しますか？";

// The window caption while the title-bar clock is off: the minor version and the revision
// run together, so 0.2.9 reads "VESKA NOVLA Ver.0.29".
std::string versionedCaption(int major, int minor, int revision);

enum class PopupState {
    Closed,
    Open,
};

// What the window applies before it shows itself for the first time.
struct WindowStart
{
    std::optional<platform::PixelPoint> position; // nothing: let the window system place it
    bool clock = true;                            // start the title-bar clock
    StayOnTop stayOnTop = StayOnTop::On;
    bool startMinimised = false; // show minimised (to the tray, with the tray option)
    bool operator==(const WindowStart&) const = default;
};

struct LauncherServices
{
    platform::Shell& shell;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::ScreenGeometry& screens;
    platform::RecentDocuments& recentDocuments;
};

// The launcher window's state and rules: the current page and page range (ScrNo), the page
// drawing, launching, and the window's start and end. The Qt window forwards its events here
// and shows what it is told through LauncherView.
class LauncherPresenter
{
public:
    // options is read at the moment of use, so changes the options dialog makes apply at once.
    LauncherPresenter(profile::ProfileStore& store, const settings::Options& options,
                      LauncherView& view, LauncherServices services);

    // Start-up: restores the page range, start page and menu check marks, applies the
    // always-on-top state, draws the page and focuses ScrNo. The window applies the result.
    WindowStart Form_Load();
    // Shutdown: saves the window state as one replacement of the settings file. position is
    // that of the normal window, after it has left the tray. A failed status is for the window
    // to show the user once.
    profile::WriteStatus Form_Unload(platform::PixelPoint normalWindowPosition);

    // Draws the current page afresh from the profile files and closes the title editor.
    void ShowPage();
    // The page scroll bar moved to page (by the user or by page navigation).
    void ScrNo_Change(int page);
    int currentPage() const { return currentPage_; }
    int highestPage() const { return highestPage_; }

    // Starts the item of a slot of the current page, unless a pop-up control is open.
    void Bt_Click(int slot);
    // Starts every item of the current page in slot order after the user confirms.
    void BtAll_Click();
    // Starts the item of CurrentSlot and closes the launcher; does nothing for an item
    // without an extension (an empty slot or a folder).
    void MnuBtEnd_Click();
    // Digit keys start the button of that slot, as a click would. No key is consumed.
    void Form_KeyPress(int characterCode);
    // Toggles always on top.
    void MnuTemae_Click();
    // Toggles the title-bar clock's check mark, which is saved at exit.
    void mnuTime_Click();
    // Closes the window, which ends the program through Form_Unload.
    void MnuEnd_Click();

    // The pop-up menus as they stand now: check marks, the page range and the shown page.
    MenuModel menu(MenuRoot root) const;
    // A menu item was chosen. Items that cannot be chosen at the moment do nothing, whoever
    // reports them.
    void menuItem_Click(MenuRoot root, std::string_view name);

    // The slot of the launch button last pressed with any mouse button or dropped on.
    void setCurrentSlot(int slot);
    int CurrentSlot() const { return currentSlot_; }
    // Milliseconds to pause after each launch; set only by an ALL run.
    int LaunchWait() const { return launchWait_; }

    // Pop-up controls are opened and closed by page navigation and the title editor; while
    // one is open, launch buttons and digit keys start nothing.
    void setPopupState(PopupControl control, PopupState state);
    PopupState popupState(PopupControl control) const;
    bool anyPopupOpen() const;

    void setClockChecked(bool checked) { clockChecked_ = checked; }
    bool clockChecked() const { return clockChecked_; }
    bool alwaysOnTopChecked() const { return alwaysOnTopChecked_; }

private:
    std::string slotPath(int slot);
    void stepPage(int step);

    profile::ProfileStore& store_;
    const settings::Options& options_;
    LauncherView& view_;
    LauncherServices services_;

    int highestPage_ = 15;
    int currentPage_ = 0;
    std::int16_t currentSlot_ = 0;
    std::int16_t launchWait_ = 0;
    bool clockChecked_ = true;
    bool alwaysOnTopChecked_ = true;
    // The tray menu lists the page as it was drawn last.
    PageFace shownFace_;
    std::array<PopupState, kPopupControlCount> popups_{PopupState::Closed, PopupState::Closed,
                                                       PopupState::Closed};
};

} // namespace vnovla::pages
