// The launcher called up from outside its window: the global hot-key and requests over the
// local socket.

#include "pages/launcher_presenter.h"

namespace vnovla::pages {

RaiseResult LauncherPresenter::Remote_Raise(std::optional<int> page)
{
    if (dialogOpen_) {
        // The dialog keeps the band and the focus it was given; the view puts it in front.
        view_.showRaised();
        return page ? RaiseResult::DialogOpen : RaiseResult::Done;
    }
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
    return pageExists ? RaiseResult::Done : RaiseResult::NoSuchPage;
}

HotKeyAnswer LauncherPresenter::HotKey_Press(bool launcherActive)
{
    if (launcherActive)
        return HotKeyAnswer::ReturnFocus;
    Remote_Raise();
    return HotKeyAnswer::Raised;
}

} // namespace vnovla::pages
