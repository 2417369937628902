#include "ui/dialog_windows.h"

#include "pages/icon_cache.h"
#include "ui/editor_dialog.h"

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
    // TODO: the copy/move dialog; its menu item stays disabled until it exists.
    (void)page;
    return highestPage;
}

void DialogWindows::showOptions()
{
    // TODO: the options dialog; its menu item stays disabled until it exists.
}

} // namespace vnovla::ui
