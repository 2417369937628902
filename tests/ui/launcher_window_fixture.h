#pragma once

#include "ui/launcher_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_shell.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <string>

namespace vnovla::test {

// Widgets need one QApplication for the whole program; gtest_main runs the tests inside it.
class QtApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[24] = "vnovla_widget_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] inline ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

class LauncherWindowTest : public ::testing::Test
{
protected:
    void start(const std::string& settings)
    {
        test::writeBytes(dir.path() / "Vnovla.ini", settings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        window = std::make_unique<ui::LauncherWindow>(
            *store, options, pages::LauncherServices{shell, dialogs, clock, screens, recent});
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
    std::unique_ptr<ui::LauncherWindow> window;
};

} // namespace vnovla::test
