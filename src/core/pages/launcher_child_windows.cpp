#include "pages/child_windows.h"
#include "pages/launcher_presenter.h"

namespace vnovla::pages {

template <typename ShowDialog> void LauncherPresenter::runModal(ShowDialog&& show)
{
    // A dialog of the launcher must not hide behind the window that opened it.
    view_.setStayOnTop(StayOnTop::Off);
    dialogOpen_ = true;
    show(*services_.childWindows);
    dialogOpen_ = false;
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
    openOptions(options::OptionsTab::Settings1);
}

void LauncherPresenter::openOptions(options::OptionsTab tab)
{
    if (!services_.childWindows)
        return;
    options::OptionsRequest request;
    request.tab = tab;
    request.highestPage = highestPage_;
    request.shownColours = shownColours_;
    request.readme = utilities::readmePath(helpFolders_);
    request.shell = &services_.shell;
    bool confirmed = false;
    runModal([&](ChildWindows& windows) { confirmed = windows.showOptions(request); });
    if (confirmed)
        ApplyColours();
    // Options may have changed; the page shows them afresh.
    ShowPage();
}

} // namespace vnovla::pages
