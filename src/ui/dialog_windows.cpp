#include "ui/dialog_windows.h"

#include "pages/icon_cache.h"
#include "ui/editor_dialog.h"
#include "ui/move_dialog.h"
#include "ui/options_dialog.h"

namespace vnovla::ui {

void DialogWindows::showEditor(int page, int slot)
{
    EditorDialog dialog({services_.store, services_.dialogs, services_.icons, iconFolder_},
                        parent_);
    dialog.presenter().open(page, slot);
    dialog.exec();
}

int DialogWindows::showMove(int page, int highestPage)
{
    MoveDialog dialog(services_.store, services_.dialogs, services_.icons, parent_);
    dialog.load(page, highestPage);
    dialog.exec();
    return dialog.presenter().highestPage();
}

bool DialogWindows::showOptions(const options::OptionsRequest& request)
{
    OptionsDialog dialog(services_.store, services_.options, services_.dialogs, request,
                         {VNOVLA_VERSION_MAJOR, VNOVLA_VERSION_MINOR, VNOVLA_VERSION_PATCH},
                         parent_);
    dialog.exec();
    return dialog.presenter().confirmed();
}

} // namespace vnovla::ui
