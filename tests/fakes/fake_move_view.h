#pragma once

#include "move/move_view.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::test {

// Remembers what each side of the copy/move dialog was last told to show.
class FakeMoveView : public move::MoveView
{
public:
    struct SideView
    {
        std::optional<pages::PageFace> face;
        int drawCount = 0;
        int highestPage = -1;
        int page = -1;
        int slot = -1;
        bool titleListOpen = false;
        std::vector<std::string> titles;
        int titleRow = -1;
        int focusCount = 0;
    };

    void showSide(move::Side side, const pages::PageFace& face) override
    {
        at(side).face = face;
        ++at(side).drawCount;
    }
    void showPageRange(move::Side side, int highest, int page) override
    {
        at(side).highestPage = highest;
        at(side).page = page;
    }
    void selectSlot(move::Side side, int slot) override { at(side).slot = slot; }
    void openTitleList(move::Side side, const std::vector<std::string>& titles,
                       int selectedRow) override
    {
        at(side).titleListOpen = true;
        at(side).titles = titles;
        at(side).titleRow = selectedRow;
    }
    void closeTitleList(move::Side side) override { at(side).titleListOpen = false; }
    void focusPageStepper(move::Side side) override { ++at(side).focusCount; }
    void showMoveAll(bool ticked) override { moveAll = ticked; }

    SideView& at(move::Side side) { return sides[side == move::Side::Source ? 0 : 1]; }
    const pages::ButtonFace& button(move::Side side, int slot)
    {
        return at(side).face->buttons.at(static_cast<std::size_t>(slot));
    }

    std::array<SideView, 2> sides;
    bool moveAll = false;
};

} // namespace vnovla::test
