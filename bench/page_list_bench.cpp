// Page-list work on the 1001-page profile, through the real window: opening the title list
// (1001 title reads and filling the list widget) and deleting the last page (both questions
// answered Yes, the writes committed as one replacement of the file).
//
// Run with QT_QPA_PLATFORM=offscreen (or under an X server).

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_shell.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "support/temp_dir.h"
#include "ui/launcher_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <memory>

namespace {

namespace test = vnovla::test;

// A launcher window over a private copy of the 1001-page sample profile.
struct LargeLauncher
{
    test::TempDir dir;
    vnovla::settings::Options options;
    test::FakeClock clock;
    test::FakeShell shell{&clock};
    test::FakeDialogs dialogs;
    test::FakeScreenGeometry screens;
    test::FakeRecentDocuments recent;
    std::unique_ptr<vnovla::profile::ProfileStore> store;
    std::unique_ptr<vnovla::ui::LauncherWindow> window;

    LargeLauncher()
    {
        for (const char* name : {"Vnovla.ini", "icon.ini"})
            std::filesystem::copy_file(
                std::filesystem::path(VNOVLA_TEST_DATA_DIR "/profiles/large") / name, dir / name);
        store = std::make_unique<vnovla::profile::ProfileStore>(dir.path());
        window = std::make_unique<vnovla::ui::LauncherWindow>(
            *store, options,
            vnovla::pages::LauncherServices{shell, dialogs, clock, screens, recent});
        window->load();
    }
};

void openTitleList(benchmark::State& state)
{
    LargeLauncher launcher;
    auto& presenter = launcher.window->presenter();
    for (auto _ : state) {
        presenter.BtTJanp_Click(); // opens
        state.PauseTiming();
        presenter.BtTJanp_Click(); // closes
        state.ResumeTiming();
    }
}
BENCHMARK(openTitleList)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void deleteLastPage(benchmark::State& state)
{
    LargeLauncher launcher;
    auto& presenter = launcher.window->presenter();
    for (auto _ : state) {
        launcher.dialogs.setNextAnswer(vnovla::platform::Answer::Yes);
        launcher.dialogs.setNextAnswer(vnovla::platform::Answer::Yes);
        presenter.MnuPageDel_Click();
    }
}
// Each iteration deletes one of the 1001 pages; 40 keep the profile near its full size.
BENCHMARK(deleteLastPage)
    ->Iterations(40)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
