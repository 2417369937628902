#pragma once

#include "pages/page_face.h"

#include <string>
#include <vector>

namespace vnovla::move {

// The two halves of the copy/move dialog. The numbers are those the dialog's controls carry
// in their names (ScrNo1, Bt2, ...).
enum class Side {
    Source = 1,
    Destination = 2,
};

// What the copy/move dialog shows and does on the presenter's word. The Qt dialog implements
// it; it decides nothing and reads no profile value.
class MoveView
{
public:
    virtual ~MoveView() = default;

    // Draws the page number, the title and the ten button images of one side.
    virtual void showSide(Side side, const pages::PageFace& face) = 0;
    // Sets the range of the side's page stepper to 0..highestPage and its value to page,
    // without reporting a change: the presenter draws the side itself.
    virtual void showPageRange(Side side, int highestPage, int page) = 0;
    // Checks the option button of slot on the side, without reporting a change.
    virtual void selectSlot(Side side, int slot) = 0;
    // Fills the side's title list (row = page), selects selectedRow without reporting it as a
    // choice, opens it under the side's title and gives it the focus.
    virtual void openTitleList(Side side, const std::vector<std::string>& titles,
                               int selectedRow) = 0;
    // Hides and disables the side's title list.
    virtual void closeTitleList(Side side) = 0;
    virtual void focusPageStepper(Side side) = 0;
    // Ticks or clears "一括処理" without reporting a change.
    virtual void showMoveAll(bool ticked) = 0;
};

} // namespace vnovla::move
