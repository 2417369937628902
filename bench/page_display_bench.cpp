// The launcher's side of drawing a page on the largest profile it allows (1001 pages, every
// slot registered): ShowPage reads the page's 41 values and builds the page face that the
// window then draws. Icon extraction and painting are the window's and are not timed here.
//
// Goal: < 100 µs median per ShowPage.

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_launcher_view.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_shell.h"
#include "pages/launcher_presenter.h"
#include "profile/profile_store.h"
#include "settings/options.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace vnovla;

// A launcher on a fresh copy of the large sample profile, started as at program start.
class LargeProfileLauncher
{
public:
    LargeProfileLauncher()
    {
        const std::filesystem::path source = VNOVLA_TEST_DATA_DIR "/profiles/large";
        for (const char* name : {"Vnovla.ini", "icon.ini"})
            std::filesystem::copy_file(source / name, dir_ / name);
        settings::LoadSettings(store_, options_, {0, settings::readWindowSettings(store_).page});
        presenter_.Form_Load();
    }
    pages::LauncherPresenter& presenter() { return presenter_; }
    const test::FakeLauncherView& view() const { return view_; }

private:
    test::TempDir dir_;
    profile::ProfileStore store_{dir_.path()};
    settings::Options options_;
    test::FakeLauncherView view_;
    test::FakeShell shell_;
    test::FakeDialogs dialogs_;
    test::FakeClock clock_;
    test::FakeScreenGeometry screens_;
    test::FakeRecentDocuments recent_;
    pages::LauncherPresenter presenter_{
        store_, options_, view_,
        pages::LauncherServices{shell_, dialogs_, clock_, screens_, recent_}};
};

// The same page drawn again, as after an edit of one of its buttons.
void showPageAgain(benchmark::State& state)
{
    LargeProfileLauncher launcher;
    launcher.presenter().ScrNo_Change(500);
    if (launcher.presenter().currentPage() != 500)
        state.SkipWithError("the sample profile does not reach page 500");
    for (auto _ : state)
        launcher.presenter().ShowPage();
    benchmark::DoNotOptimize(launcher.view().lastFace);
}
BENCHMARK(showPageAgain)->Repetitions(10)->ReportAggregatesOnly(true);

// Paging through the profile with the scroll bar: a different page every time.
void scrollThroughPages(benchmark::State& state)
{
    LargeProfileLauncher launcher;
    int page = 0;
    for (auto _ : state) {
        launcher.presenter().ScrNo_Change(page);
        page = (page + 37) % 1001;
    }
    benchmark::DoNotOptimize(launcher.view().lastFace);
}
BENCHMARK(scrollThroughPages)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
