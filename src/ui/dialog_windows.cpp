#include "ui/dialog_windows.h"

namespace vnovla::ui {

void DialogWindows::showEditor(int page, int slot)
{
    // TODO: the button editor; its menu item stays disabled until it exists.
    (void)page;
    (void)slot;
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
