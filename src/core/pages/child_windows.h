#pragma once

#include "options/options_presenter.h"

namespace vnovla::pages {

// The launcher's modal dialogs. Each call shows its dialog and returns once it has closed.
// The launcher takes its window out of the topmost band around the call and redraws its page
// afterwards, so a dialog needs nothing of the launcher window itself.
class ChildWindows
{
public:
    virtual ~ChildWindows() = default;

    // The button editor for one slot of a page.
    virtual void showEditor(int page, int slot) = 0;

    // The copy/move dialog, both sides on page of pages 0 to highestPage. Gives the highest
    // page once the dialog has closed: the dialog can add pages.
    virtual int showMove(int page, int highestPage) = 0;

    // The options dialog, opened on request.tab. True when its OK stored the options.
    virtual bool showOptions(const options::OptionsRequest& request) = 0;
};

} // namespace vnovla::pages
