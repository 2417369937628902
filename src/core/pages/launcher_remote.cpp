// The launcher called up from outside its window: the global hot-key and requests over the
// local socket.

#include "pages/launcher_presenter.h"

namespace vnovla::pages {

bool LauncherPresenter::Remote_Raise(std::optional<int> page)
{
    const bool pageExists = !page || (*page >= 0 && *page <= highestPage_);
    if (page && pageExists)
        goToPage(*page);
    view_.showRaised();
    // The window manager may have dropped the band while the window was minimised.
    view_.setStayOnTop(alwaysOnTopChecked_ ? StayOnTop::On : StayOnTop::Off);
    // Digits typed right after the hot-key start buttons, as they do with ScrNo focused;
    // a half-typed title or page number keeps the focus instead.
    if (!anyPopupOpen())
        view_.focusPageScrollBar();
    return pageExists;
}

HotKeyAnswer LauncherPresenter::HotKey_Press(bool launcherActive)
{
    if (launcherActive)
        return HotKeyAnswer::ReturnFocus;
    Remote_Raise();
    return HotKeyAnswer::Raised;
}

} // namespace vnovla::pages
