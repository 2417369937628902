#include "pages/child_windows.h"
#include "pages/launcher_presenter.h"

namespace vnovla::pages {

template <typename ShowDialog> void LauncherPresenter::runModal(ShowDialog&& show)
{
    // A dialog of the launcher must not hide behind the window that opened it.
    view_.setStayOnTop(StayOnTop::Off);
    show(*services_.childWindows);
    if (alwaysOnTopChecked_)
        view_.setStayOnTop(StayOnTop::On);
    view_.focusPageScrollBar();
}

void LauncherPresenter::BtnEdit()
{
    if (!services_.childWindows)
        return;
    runModal([this](ChildWindows& windows) { windows.showEditor(currentPage_, currentSlot_); });
    ShowPage();
}

void LauncherPresenter::MnuBtMove_Click()
{
    if (!services_.childWindows)
        return;
    runModal([this](ChildWindows& windows) {
        const int highest = windows.showMove(currentPage_, highestPage_);
        if (highest > highestPage_) {
            highestPage_ = highest;
            view_.showPageRange(highestPage_, currentPage_);
        }
    });
    ShowPage();
}

void LauncherPresenter::MnuOption_Click()
{
    if (!services_.childWindows)
        return;
    runModal([](ChildWindows& windows) { windows.showOptions(); });
    // Colours and options may have changed; the page shows them afresh.
    ShowPage();
}

} // namespace vnovla::pages
