// What acts on one launch button besides a click: files dropped on it and the button menu's
// clear and open-folder items.

#include "pages/launcher_presenter.h"

#include "pages/path_procedures.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "profile/profile_store.h"
#include "settings/options.h"

#include <string>
#include <string_view>
#include <vector>

namespace vnovla::pages {

namespace {

// The name a file manager shows for a dropped item: its last path component. A folder path
// ending in a separator still gives the folder's name.
std::string fileTitle(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return GetFileName(path);
}

} // namespace

void LauncherPresenter::Bt_OLEDragDrop(int slot, const std::vector<std::string>& paths)
{
    // A drop without files (text, for example) changes nothing: registering it would store an
    // empty path over a free slot for no purpose.
    if (slot < 0 || slot >= kSlotCount || paths.empty())
        return;
    setCurrentSlot(slot);
    const std::string& dropped = paths.front();
    const std::string registered = slotPath(slot);

    if (options_.drop == settings::DropMode::PassToProgram) {
        if (registered.empty()) {
            view_.focusPageScrollBar();
            return;
        }
        services_.shell.startWithArgument(registered, dropped);
        return;
    }

    if (!registered.empty()) {
        services_.dialogs.message(std::string(kAlreadyRegisteredMessage),
                                  std::string(kApplicationTitle), platform::DialogIcon::Critical);
        view_.focusPageScrollBar();
        return;
    }
    const std::string key = entryKey(currentPage_, slot);
    // Path and tooltip go in together: a half-registered button would launch an item whose
    // tooltip says it is unregistered.
    const std::vector<profile::ProfileWrite> writes = {{"Path", key, dropped},
                                                       {"PopUp", key, fileTitle(dropped)}};
    if (!reportWrite(store_.WriteSettings(writes)))
        return;
    ShowPage();
}

void LauncherPresenter::MnuBtCls_Click()
{
    const auto slot = static_cast<std::size_t>(currentSlot_);
    if (shownFace_.buttons[slot].caption == kEmptyCaption)
        return;
    const platform::Answer answer =
        services_.dialogs.ask(std::string(kClearConfirmation), std::string(kApplicationTitle),
                              platform::DialogButtons::YesNo, platform::DialogIcon::Question,
                              platform::DefaultButton::Second);
    if (answer != platform::Answer::Yes)
        return;
    const std::string key = entryKey(currentPage_, currentSlot_);
    const std::vector<profile::ProfileWrite> writes = {
        {"Path", key, " "}, {"PopUp", key, " "}, {"Icon", key, " "}};
    if (!reportWrite(store_.WriteSettings(writes, profile::Backup::First)))
        return;
    // The button and the tray menu show the free slot at once, tooltip included, instead of
    // naming the cleared item until the next redraw.
    shownFace_.buttons[slot] = buttonFace("", "", "", "");
    view_.showPage(shownFace_);
}

void LauncherPresenter::MnuBtnFolder_Click()
{
    const std::string folder = GetFolder(slotPath(currentSlot_));
    if (folder.empty())
        return;
    services_.shell.open(folder, "");
}

} // namespace vnovla::pages
