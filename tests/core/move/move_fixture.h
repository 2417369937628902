#pragma once

#include "fakes/fake_dialogs.h"
#include "fakes/fake_move_view.h"
#include "move/move_presenter.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vnovla::test {

// A copy/move presenter over real profile files in a temporary folder.
class MoveFixture : public ::testing::Test
{
protected:
    // Writes the profile files as bytes and opens the dialog on page of 0..highestPage.
    void open(const std::string& settings, int page, int highestPage, const std::string& icons = "")
    {
        writeBytes(dir / "Vnovla.ini", settings);
        if (!icons.empty())
            writeBytes(dir / "icon.ini", icons);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        presenter = std::make_unique<move::MovePresenter>(*store, dialogs, view);
        presenter->Form_Load(page, highestPage);
    }

    // Shows page and selects slot on a side, as the user does with the stepper and the option
    // buttons.
    void choose(move::Side side, int page, int slot)
    {
        presenter->ScrNo_Change(side, page);
        presenter->Option_Click(side, slot);
    }

    std::string settingsBytes() const { return readBytes(dir / "Vnovla.ini"); }
    std::string iconBytes() const { return readBytes(dir / "icon.ini"); }
    const pages::ButtonFace& shown(move::Side side, int slot) { return view.button(side, slot); }

    TempDir dir;
    FakeDialogs dialogs;
    FakeMoveView view;
    std::unique_ptr<profile::ProfileStore> store;
    std::unique_ptr<move::MovePresenter> presenter;
};

} // namespace vnovla::test
