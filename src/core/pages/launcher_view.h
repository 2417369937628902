#pragma once

#include "options/colour_scheme.h"
#include "pages/page_face.h"

#include <string>
#include <vector>

namespace vnovla::pages {

// The launcher window's small pop-up controls. Each is either open (visible and enabled) or
// closed (hidden and disabled).
enum class PopupControl {
    TxtJanp,  // the page-number box
    LstJanp,  // the page-title list
    TxtTitle, // the page-title editor
};
inline constexpr int kPopupControlCount = 3;

enum class StayOnTop {
    Off,
    On,
};

// What the launcher window shows and does on the presenter's word. The Qt window implements
// it; it decides nothing and reads no profile value.
class LauncherView
{
public:
    virtual ~LauncherView() = default;

    // Draws LblNo, LblTitle and the ten launch buttons.
    virtual void showPage(const PageFace& face) = 0;
    // Hides and disables the control; an unfinished entry in it is dropped.
    virtual void closePopup(PopupControl control) = 0;
    // Gives the keyboard focus to the page scroll bar ScrNo.
    virtual void focusPageScrollBar() = 0;
    // Sets the range of ScrNo to 0..highestPage and its value to page, without a redraw of
    // its own: the presenter draws the page.
    virtual void showPageRange(int highestPage, int page) = 0;
    virtual void setStayOnTop(StayOnTop stayOnTop) = 0;
    // Minimises the window; with the tray option the window's own handling moves it to the
    // tray.
    virtual void minimise() = 0;
    // Shows the window as a normal window (from minimised or the tray), raises it and asks
    // the window system for the keyboard focus, for the open modal dialog when there is one.
    virtual void showRaised() = 0;
    // Closes the window, which ends the program; the window's close handling calls
    // LauncherPresenter::Form_Unload.
    virtual void close() = 0;

    // Opens the page-number box TxtJanp below LblNo with text and gives it the focus.
    virtual void openPageNumberBox(const std::string& text) = 0;
    // Fills the title list LstJanp (row = page), selects selectedRow without reporting it as
    // a choice, opens the list below LblTitle and gives it the focus.
    virtual void openTitleList(const std::vector<std::string>& titles, int selectedRow) = 0;
    // Opens the title editor TxtTitle below LblTitle with text and gives it the focus.
    virtual void openTitleEditor(const std::string& text) = 0;
    // Sets LblTitle's caption without redrawing the buttons.
    virtual void showTitle(const std::string& title) = 0;
    // Colours LblNo, LblTitle and the button numbers at once, and gives the gauges their bar
    // colours and the backgrounds they draw from their next update on.
    virtual void applyColours(const options::ColourSlots& colours) = 0;

    // ---- Task tray ----
    // Whether this desktop has a notification area to put the tray icon in.
    virtual bool trayAvailable() const = 0;
    // Hides the window, taskbar entry included, and shows the one tray icon.
    virtual void enterTray() = 0;
    // Removes the tray icon; harmless when there is none.
    virtual void removeTrayIcon() = 0;
    // Sets the window state to normal and shows the window.
    virtual void restoreWindow() = 0;
    // Brings the window in front of the others without keeping it on top.
    virtual void bringToFront() = 0;
    // Makes the window the foreground window, then pops up the tray menu at the mouse.
    virtual void popUpTrayMenu() = 0;
};

} // namespace vnovla::pages
