#include "pages/launcher_presenter.h"

#include "pages/item_kind.h"
#include "pages/page_face.h"
#include "pages/path_procedures.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/recent_documents.h"
#include "platform/screen_geometry.h"
#include "platform/shell.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "settings/value_conversion.h"
#include "utilities/system_commands.h"

#include <algorithm>
#include <utility>

namespace vnovla::pages {

namespace {

bool isSlot(int slot)
{
    return slot >= 0 && slot < kSlotCount;
}

bool checked(settings::CheckState state)
{
    return state == settings::CheckState::Checked;
}

StayOnTop stayOnTop(bool checked)
{
    return checked ? StayOnTop::On : StayOnTop::Off;
}

} // namespace

std::string versionedCaption(int major, int minor, int revision)
{
    return std::string(kApplicationTitle) + " Ver." + std::to_string(major) + "." +
           std::to_string(minor) + std::to_string(revision);
}

LauncherPresenter::LauncherPresenter(profile::ProfileStore& store, const settings::Options& options,
                                     LauncherView& view, LauncherServices services)
    : store_(store), options_(options), view_(view), services_(services)
{}

WindowStart LauncherPresenter::Form_Load()
{
    StartupState state = readStartupState(store_);
    const auto screens = services_.screens.availableScreens();
    if (const auto kept = readArrangementPosition(store_, screens))
        state.position = kept;
    WindowStart start;
    if (state.position) {
        const platform::PixelPoint stored = toPixels(*state.position);
        const platform::PixelRect window{stored.x, stored.y, kWindowWidthTwips / kTwipsPerPixel,
                                         (kWindowHeightTwips + kTwipsPerPixel - 1) /
                                             kTwipsPerPixel};
        start.position = keepOnScreen(window, screens);
    }
    highestPage_ = state.highestPage;
    currentPage_ = state.startPage;
    view_.showPageRange(highestPage_, currentPage_);

    clockChecked_ = state.clock;
    alwaysOnTopChecked_ = state.alwaysOnTop;
    view_.setStayOnTop(stayOnTop(alwaysOnTopChecked_));

    start.clock = clockChecked_;
    start.stayOnTop = stayOnTop(alwaysOnTopChecked_);
    start.startMinimised = state.startMinimised;

    ApplyColours();
    ShowPage();
    view_.focusPageScrollBar();
    return start;
}

profile::WriteStatus LauncherPresenter::Form_Unload(platform::PixelPoint normalWindowPosition)
{
    // The icon goes first: an icon left behind by an ended program would lead nowhere.
    if (std::exchange(inTray_, false))
        view_.removeTrayIcon();
    if (checked(options_.endSaikin))
        services_.recentDocuments.clear();
    ShutdownState state;
    state.position = toTwips(normalWindowPosition);
    state.highestPage = highestPage_;
    state.currentPage = currentPage_;
    state.fixedStartPage = checked(options_.endTop) ? FixedStartPage::On : FixedStartPage::Off;
    state.clock = clockChecked_;
    state.alwaysOnTop = alwaysOnTopChecked_;
    std::vector<profile::ProfileWrite> writes = shutdownWrites(state);
    if (auto kept = arrangementWrite(state.position, services_.screens.availableScreens()))
        writes.push_back(std::move(*kept));
    return store_.WriteSettings(writes);
}

void LauncherPresenter::ShowPage()
{
    // Redrawing drops an unfinished title edit: it belonged to the page drawn before.
    popups_[static_cast<std::size_t>(PopupControl::TxtTitle)] = PopupState::Closed;
    view_.closePopup(PopupControl::TxtTitle);
    shownFace_ = readPageFace(store_, currentPage_);
    view_.showPage(shownFace_);
}

void LauncherPresenter::ScrNo_Change(int page)
{
    currentPage_ = std::clamp(page, 0, highestPage_);
    ShowPage();
}

std::string LauncherPresenter::slotPath(int slot)
{
    return store_.ReadSetting("Path", entryKey(currentPage_, slot));
}

void LauncherPresenter::Bt_Click(int slot)
{
    // Digits typed into the page-number box or the title editor are text, not launches.
    if (anyPopupOpen() || !isSlot(slot))
        return;
    const std::string path = slotPath(slot);
    if (path.empty()) {
        view_.focusPageScrollBar();
        return;
    }
    services_.shell.open(path, GetFolder(path));
    if (launchWait_ > 0)
        services_.clock.pause(launchWait_);
    if (checked(options_.minimiseAfterLaunch))
        view_.minimise();
}

void LauncherPresenter::BtAll_Click()
{
    const platform::Answer answer =
        services_.dialogs.ask(std::string(kAllConfirmation), std::string(kApplicationTitle),
                              platform::DialogButtons::YesNo, platform::DialogIcon::Question,
                              platform::DefaultButton::Second);
    if (answer != platform::Answer::Yes) {
        view_.focusPageScrollBar();
        return;
    }
    if (checked(options_.waitCheck)) {
        // A pause text that is not a whole number of milliseconds from 0 to 32767 keeps the
        // pause as it was: a negative pause handed to the platform could block for ever.
        const auto wait = settings::toInt16(options_.waitText());
        if (wait && *wait >= 0)
            launchWait_ = *wait;
    }
    for (int slot = 0; slot < kSlotCount; ++slot)
        Bt_Click(slot);
    if (checked(options_.endCheck))
        view_.close();
}

void LauncherPresenter::MnuBtEnd_Click()
{
    if (kindExtension(slotPath(currentSlot_)).empty())
        return;
    Bt_Click(currentSlot_);
    view_.close();
}

void LauncherPresenter::Form_KeyPress(int characterCode)
{
    if (characterCode >= '0' && characterCode <= '9')
        Bt_Click(characterCode - '0');
}

void LauncherPresenter::MnuTemae_Click()
{
    alwaysOnTopChecked_ = !alwaysOnTopChecked_;
    view_.setStayOnTop(stayOnTop(alwaysOnTopChecked_));
}

void LauncherPresenter::mnuTime_Click()
{
    clockChecked_ = !clockChecked_;
    if (timed_)
        timed_->clockSwitched(clockChecked_);
}

void LauncherPresenter::MnuEnd_Click()
{
    view_.close();
}

MenuModel LauncherPresenter::menu(MenuRoot root) const
{
    MenuState state{clockChecked_, alwaysOnTopChecked_, currentPage_, highestPage_};
    if (services_.systemCommands)
        state.systemCommands = services_.systemCommands->availableItems();
    switch (root) {
    case MenuRoot::Context:
        return contextMenu(state);
    case MenuRoot::Button:
        return buttonMenu();
    case MenuRoot::Tray:
        return trayMenu(state, shownFace_);
    }
    return contextMenu(state);
}

void LauncherPresenter::stepPage(int step)
{
    goToPage(currentPage_ + step);
}

void LauncherPresenter::goToPage(int page)
{
    page = std::clamp(page, 0, highestPage_);
    if (page == currentPage_)
        return;
    currentPage_ = page;
    view_.showPageRange(highestPage_, currentPage_);
    ShowPage();
}

void LauncherPresenter::Form_MouseUp()
{
    closePopupIfOpen(PopupControl::TxtTitle);
    closePopupIfOpen(PopupControl::TxtJanp);
    closePopupIfOpen(PopupControl::LstJanp);
    view_.focusPageScrollBar();
}

void LauncherPresenter::closePopupIfOpen(PopupControl control)
{
    if (popupState(control) == PopupState::Open)
        setPopupState(control, PopupState::Closed);
}

bool LauncherPresenter::reportWrite(const profile::WriteStatus& status)
{
    if (status.ok())
        return true;
    services_.dialogs.message(status.message(), std::string(kApplicationTitle),
                              platform::DialogIcon::Critical);
    return false;
}

void LauncherPresenter::menuItem_Click(MenuRoot root, std::string_view name)
{
    const MenuModel current = menu(root);
    const MenuItem* chosen = findMenuItem(current, name);
    if (!chosen || !chosen->enabled || chosen->kind == MenuItemKind::Separator ||
        chosen->kind == MenuItemKind::Submenu)
        return;

    if (name == "MnuTemae")
        MnuTemae_Click();
    else if (name == "mnuTime")
        mnuTime_Click();
    else if (name == "MnuEnd" || name == "MnuTrayEnd")
        MnuEnd_Click();
    else if (name == "MnuBtEnd")
        MnuBtEnd_Click();
    else if (name == "MnuTaskBack")
        stepPage(-1);
    else if (name == "MnuTaskNext")
        stepPage(+1);
    else if (name == "MnuTrayExit")
        MnuTrayExit_Click();
    else if (name == "MnuPageJanp")
        MnuPageJanp_Click();
    else if (name == "MnuTitleJanp")
        MnuTitleJanp_Click();
    else if (name == "MnuTitle")
        MnuTitle_Click();
    else if (name == "MnuPagePlus")
        MnuPagePlus_Click();
    else if (name == "MnuPageDel")
        MnuPageDel_Click();
    else if (name == "MnuBtCls")
        MnuBtCls_Click();
    else if (name == "MnuBtnFolder")
        MnuBtnFolder_Click();
    else if (name == "PopBtnEdit")
        PopBtnEdit_Click();
    else if (name == "MnuBtMove")
        MnuBtMove_Click();
    else if (name == "MnuOption")
        MnuOption_Click();
    else if (name == "MnuReadme")
        MnuReadme_Click();
    else if (name == "MnuVer")
        MnuVer_Click();
    else if (timed_ && timed_->alarmMenu_Click(name))
        return;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (name == arrayItemName("MnuApp", slot))
            Bt_Click(slot);
    }
    if (root == MenuRoot::Context && services_.systemCommands)
        services_.systemCommands->run(name);
}

void LauncherPresenter::setCurrentSlot(int slot)
{
    if (isSlot(slot))
        currentSlot_ = static_cast<std::int16_t>(slot);
}

void LauncherPresenter::setPopupState(PopupControl control, PopupState state)
{
    popups_[static_cast<std::size_t>(control)] = state;
    if (state == PopupState::Closed)
        view_.closePopup(control);
}

PopupState LauncherPresenter::popupState(PopupControl control) const
{
    return popups_[static_cast<std::size_t>(control)];
}

bool LauncherPresenter::anyPopupOpen() const
{
    return std::any_of(popups_.begin(), popups_.end(),
                       [](PopupState state) { return state == PopupState::Open; });
}

} // namespace vnovla::pages
