#pragma once

#include "fakes/fake_child_windows.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_launcher_view.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_shell.h"
#include "pages/launcher_presenter.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vnovla::test {

// A launcher presenter over real profile files in a temporary folder, with fake services.
class LauncherFixture : public ::testing::Test
{
protected:
    // Writes the profile files as bytes and builds a presenter over them, not yet loaded.
    void create(const std::string& settings, const std::string& icons = "")
    {
        writeBytes(dir / "Vnovla.ini", settings);
        if (!icons.empty())
            writeBytes(dir / "icon.ini", icons);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        presenter = std::make_unique<pages::LauncherPresenter>(
            *store, options, view,
            pages::LauncherServices{shell, dialogs, clock, screens, recent, &childWindows});
    }

    // The same, then loads the window.
    void start(const std::string& settings)
    {
        create(settings);
        presenter->Form_Load();
    }

    std::string settingsBytes() const { return readBytes(dir / "Vnovla.ini"); }
    std::string read(const std::string& section, const std::string& key)
    {
        return store->ReadSetting(section, key);
    }
    const pages::ButtonFace& button(int slot) const
    {
        return view.lastFace->buttons.at(static_cast<std::size_t>(slot));
    }

    TempDir dir;
    settings::Options options;
    FakeLauncherView view;
    FakeClock clock;
    FakeShell shell{&clock};
    FakeDialogs dialogs;
    FakeScreenGeometry screens;
    FakeRecentDocuments recent;
    FakeChildWindows childWindows{view};
    std::unique_ptr<profile::ProfileStore> store;
    std::unique_ptr<pages::LauncherPresenter> presenter;
};

} // namespace vnovla::test
