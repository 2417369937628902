#pragma once

#include "options/options_presenter.h"
#include "pages/launcher_menus.h"
#include "pages/launcher_view.h"
#include "pages/page_face.h"
#include "pages/startup_state.h"
#include "pages/timed_commands.h"
#include "platform/pixel_geometry.h"
#include "profile/write_status.h"
#include "utilities/help.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::settings {
struct Options;
}
namespace vnovla::utilities {
class SystemCommands;
}
namespace vnovla::platform {
class Clock;
class Dialogs;
class RecentDocuments;
class ScreenGeometry;
class Shell;
class Sound;
class SystemReadings;
class WallClock;
} // namespace vnovla::platform

namespace vnovla::pages {

class ChildWindows;

inline constexpr std::string_view kApplicationTitle = "VESKA NOVLA";
inline constexpr std::string_view kAllConfirmation =
    "現在のページの登録ボタンをすべて実行しますか？";

// The window caption while the title-bar clock is off: the minor version and the revision
// run together, so 0.2.9 reads "VESKA NOVLA Ver.0.29".
std::string versionedCaption(int major, int minor, int revision);

inline constexpr std::string_view kPageLimitMessage = "これ以上登録できません";
inline constexpr std::string_view kOnlyPageMessage = "ページが1つしかないため削除できません。";
inline constexpr std::string_view kAlreadyRegisteredMessage = "登録済みです";
inline constexpr std::string_view kClearConfirmation = "このボタンの登録内容をクリアしますか？";

// The keys the pop-up controls act on.
inline constexpr int kEnterKey = 13;
inline constexpr int kEscapeKey = 27;

// Whether a key press was used up by its handler or still reaches the control as typed.
enum class KeyHandling {
    PassedOn,
    Consumed,
};

enum class PopupState {
    Closed,
    Open,
};

// The tip of the task-tray icon: the minor version and the revision run together, as in the
// caption ("VESKA NOVLA 0.29" for 0.2.9).
std::string trayTip(int major, int minor, int revision);

// The window's state as its size and state handling sees it.
enum class WindowState {
    Normal,
    Minimised,
};

// Mouse activity on the task-tray icon that the launcher answers.
enum class TrayMouse {
    LeftRelease,
    RightPress,
};

enum class RaiseResult {
    Done,
    NoSuchPage, // the window came up all the same
    DialogOpen, // the window came up; a page asked for was not shown
};

enum class HotKeyAnswer {
    Raised,
    ReturnFocus,
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
    // The dialogs the menus open; none in tests that do not open them.
    ChildWindows* childWindows = nullptr;
    // The desktop commands of the context menu; none: they cannot be chosen.
    utilities::SystemCommands* systemCommands = nullptr;
    // The gauges' readings, the alarm's sound and the clock's time; without all three the
    // window has no gauge readings, alarm or clock (tests that do not need them).
    platform::SystemReadings* readings = nullptr;
    platform::Sound* sound = nullptr;
    platform::WallClock* wallClock = nullptr;
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
    // without a kind extension (an empty slot, a folder, a file that is neither a program nor
    // has an extension).
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

    // ---- Page navigation (launcher_navigation.cpp) ----
    // Opens the page-number box with the current page, or jumps when it is already open.
    void LblNo_DblClick();
    void MnuPageJanp_Click() { LblNo_DblClick(); }
    // The page-number box's text as the user edits it.
    void TxtJanp_Change(std::string text);
    void TxtJanp_DblClick();
    // Enter jumps, Esc closes the box; both are consumed.
    KeyHandling TxtJanp_KeyPress(int characterCode);
    // Opens the title list: every page's title, the current page's row selected.
    void MnuTitleJanp_Click();
    void LblTitle_DblClick() { MnuTitleJanp_Click(); }
    // The "▽" button: opens the title list, or closes it when open.
    void BtTJanp_Click();
    // The selected row of the title list changed: jumps to that page and closes the list.
    void LstJanp_Click(int row);
    KeyHandling LstJanp_KeyPress(int characterCode, int selectedRow);

    // ---- Page titles and the page list (launcher_page_list.cpp) ----
    void MnuTitle_Click();
    // The title editor's text as the user edits it.
    void TxtTitle_Change(std::string text);
    // Enter stores the title as typed (line breaks become blanks), Esc drops it.
    KeyHandling TxtTitle_KeyPress(int characterCode);
    // Adds a page after the last one, after the user confirms.
    void MnuPagePlus_Click();
    // Deletes the last page, after the user confirms; the only page cannot be deleted.
    void MnuPageDel_Click();

    // ---- Drops and the button menu (launcher_button_actions.cpp) ----
    // Files dropped on a launch button, as local paths; only the first one counts.
    void Bt_OLEDragDrop(int slot, const std::vector<std::string>& paths);
    // Clears the registration of CurrentSlot after the user confirms.
    void MnuBtCls_Click();
    // Opens the folder that holds the item of CurrentSlot.
    void MnuBtnFolder_Click();

    // ---- The launcher's dialogs (launcher_child_windows.cpp) ----
    // Opens the button editor for CurrentSlot of the current page.
    void BtnEdit();
    void PopBtnEdit_Click() { BtnEdit(); }
    // Opens the copy/move dialog on the current page.
    void MnuBtMove_Click();
    // Opens the options dialog; its OK applies the stored colours at once.
    void MnuOption_Click();

    // ---- Requests from outside the window (launcher_remote.cpp) ----
    // A second start, a script or the hot-key asks for the launcher: the window comes back
    // from the tray or the task bar, into the topmost band when checked, and ScrNo takes the
    // focus unless a pop-up control holds an unfinished entry. With a page, that page is shown
    // first. While one of the launcher's dialogs is open the window only comes up (with the
    // dialog above it): the page stays, since the dialog works on it.
    RaiseResult Remote_Raise(std::optional<int> page = std::nullopt);
    // The global hot-key: brings the launcher up, or when it is the active window already,
    // answers that the focus goes back to the window that had it.
    HotKeyAnswer HotKey_Press(bool launcherActive);

    // ---- Colours and help (launcher_help.cpp) ----
    // Applies the stored colour slots over the colours shown now (start-up and the options
    // dialog's OK).
    void ApplyColours();
    const options::ColourSlots& shownColours() const { return shownColours_; }
    // Opens the user guide.
    void MnuReadme_Click();
    // Opens the options dialog on its version tab.
    void MnuVer_Click();
    // Where the user guide is looked for.
    void setHelpFolders(utilities::HelpFolders folders) { helpFolders_ = std::move(folders); }
    // ---- Task tray (launcher_tray.cpp) ----
    // The window's state changed. With the tray option on, a minimised window leaves the
    // screen and the taskbar for a tray icon, and any restore removes the icon again. Without
    // a tray on this desktop the window stays on the taskbar, so that it stays reachable.
    void Form_Resize(WindowState state);
    // A left release on the icon restores the window (on top again when "always on top" is
    // checked); a right press opens the tray menu.
    void trayIcon_Mouse(TrayMouse event);
    // "トレイから出す": restores the window without touching the topmost band.
    void MnuTrayExit_Click();
    // The notification area went away while the window was in it: the window comes back.
    void trayIcon_Lost() { MnuTrayExit_Click(); }
    bool inTray() const { return inTray_; }

    // A mouse button released on the window's surface: dismisses the open pop-up controls
    // (an unfinished title edit or page number is dropped) and focuses the page scroll bar.
    void Form_MouseUp();

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

    // The alarm and the clock, which the menus reach; none in tests that do not use them.
    void setTimedCommands(TimedCommands* timed) { timed_ = timed; }

    void setClockChecked(bool checked) { clockChecked_ = checked; }
    bool clockChecked() const { return clockChecked_; }
    bool alwaysOnTopChecked() const { return alwaysOnTopChecked_; }

private:
    std::string slotPath(int slot);
    void stepPage(int step);
    // Shows page (in range) and redraws when it differs from the current page.
    void goToPage(int page);
    void jumpToTypedPage();
    void closePopupIfOpen(PopupControl control);
    // Runs a modal dialog below the topmost band and puts the window back into the band
    // afterwards when "always on top" is checked.
    template <typename ShowDialog> void runModal(ShowDialog&& show);
    void openOptions(options::OptionsTab tab);
    // Tells the user once why a write failed; true when it succeeded.
    bool reportWrite(const profile::WriteStatus& status);

    profile::ProfileStore& store_;
    const settings::Options& options_;
    LauncherView& view_;
    LauncherServices services_;
    TimedCommands* timed_ = nullptr;

    int highestPage_ = 15;
    int currentPage_ = 0;
    std::int16_t currentSlot_ = 0;
    std::int16_t launchWait_ = 0;
    bool clockChecked_ = true;
    // One of the launcher's modal dialogs is open (runModal).
    bool dialogOpen_ = false;
    bool alwaysOnTopChecked_ = true;
    bool inTray_ = false;
    // The tray menu lists the page as it was drawn last.
    PageFace shownFace_;
    options::ColourSlots shownColours_ = options::kDesignColours;
    utilities::HelpFolders helpFolders_{{}, utilities::installedDocumentationFolder()};
    std::string pageNumberText_;
    std::string titleText_;
    std::array<PopupState, kPopupControlCount> popups_{PopupState::Closed, PopupState::Closed,
                                                       PopupState::Closed};
};

} // namespace vnovla::pages
