#pragma once

#include "ui/dialog_windows.h"
#include "ui/launcher_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_shell.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "support/temp_dir.h"

#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <string>

namespace vnovla::test {

class LauncherWindowTest : public ::testing::Test
{
protected:
    void start(const std::string& settings)
    {
        test::writeBytes(dir.path() / "Vnovla.ini", settings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        openWindow();
    }

    // Builds the window over `store` with the fake desktop and runs its start-up.
    void openWindow()
    {
        dialogWindows = std::make_unique<ui::DialogWindows>(
            ui::DialogServices{*store, options, dialogs, dialogIcons});
        window = std::make_unique<ui::LauncherWindow>(
            *store, options,
            pages::LauncherServices{shell, dialogs, clock, screens, recent, dialogWindows.get()});
        dialogWindows->setParent(window.get());
        window->load();
    }

    template <typename Widget> Widget* child(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    test::TempDir dir;
    settings::Options options;
    test::FakeClock clock;
    test::FakeShell shell{&clock};
    test::FakeDialogs dialogs;
    test::FakeScreenGeometry screens;
    test::FakeRecentDocuments recent;
    std::unique_ptr<profile::ProfileStore> store;
    // The button pictures the dialogs show; none by default.
    pages::IconCache* dialogIcons = nullptr;
    // The launcher's real dialogs, answering their questions from `dialogs`.
    std::unique_ptr<ui::DialogWindows> dialogWindows;
    std::unique_ptr<ui::LauncherWindow> window;
};

} // namespace vnovla::test
