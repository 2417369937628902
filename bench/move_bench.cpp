// The copy/move dialog, through the real dialog: drawing one side with ten registered buttons
// while the icon cache is warm, and one one-slot move on the 1001-page profile (the writes
// committed as one replacement of the settings file, both sides drawn again).
//
// Run with QT_QPA_PLATFORM=offscreen (or under an X server).

#include "fakes/fake_dialogs.h"
#include "pages/icon_cache.h"
#include "pages/page_face.h"
#include "platform/linux/gio_icons.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"
#include "ui/move_dialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIcon>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace pages = vnovla::pages;
namespace test = vnovla::test;
using vnovla::move::Side;
using vnovla::platform::linux_desktop::GioIcons;

struct Dialog
{
    test::TempDir dir;
    test::FakeDialogs dialogs;
    GioIcons desktop;
    pages::IconCache cache{desktop};
    std::unique_ptr<vnovla::profile::ProfileStore> store;
    std::unique_ptr<vnovla::ui::MoveDialog> dialog;

    void open(int page, int highestPage)
    {
        store = std::make_unique<vnovla::profile::ProfileStore>(dir.path());
        dialog = std::make_unique<vnovla::ui::MoveDialog>(*store, dialogs, &cache);
        dialog->load(page, highestPage);
    }
};

void drawOneSideWarm(benchmark::State& state)
{
    Dialog d;
    std::vector<std::string> items;
    for (const char* name : {"report.txt", "plan.txt", "notes.md", "sheet.csv", "data.json"}) {
        test::writeBytes(d.dir / name, "text\n");
        items.push_back((d.dir / name).string());
    }
    for (const char* item :
         {"/usr/bin/python3", "/bin/sh", "/usr/share/applications/vim.desktop", "/usr/bin/env"})
        items.emplace_back(item);
    items.push_back(d.dir.path().string() + "/");
    std::string profile = "[Path]\r\n";
    for (std::size_t slot = 0; slot < items.size(); ++slot)
        profile += pages::entryKey(0, static_cast<int>(slot)) + "=" + items[slot] + "\r\n";
    test::writeBytes(d.dir / "Vnovla.ini", profile);
    d.open(0, 0); // draws both sides once: the cache is warm from here on
    for (auto _ : state)
        d.dialog->presenter().PageKirikae(Side::Source);
}
BENCHMARK(drawOneSideWarm)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void oneSlotMoveLargeProfile(benchmark::State& state)
{
    Dialog d;
    for (const char* name : {"Vnovla.ini", "icon.ini"})
        std::filesystem::copy_file(
            std::filesystem::path(VNOVLA_TEST_DATA_DIR "/profiles/large") / name, d.dir / name);
    {
        // Every slot of the sample is registered: free slot 0 of page 501 for the first move.
        vnovla::profile::ProfileStore store(d.dir.path());
        const std::vector<vnovla::profile::ProfileWrite> clear{
            {"Path", "5010", " "}, {"PopUp", "5010", " "}, {"Icon", "5010", " "}};
        if (!store.WriteSettings(clear)) {
            state.SkipWithError("cannot prepare the profile");
            return;
        }
    }
    d.open(500, 1000);
    auto& presenter = d.dialog->presenter();
    int from = 500;
    for (auto _ : state) {
        state.PauseTiming();
        presenter.ScrNo_Change(Side::Source, from);
        presenter.ScrNo_Change(Side::Destination, from == 500 ? 501 : 500);
        state.ResumeTiming();
        presenter.BtMove_Click();
        from = from == 500 ? 501 : 500;
    }
    if (!d.dialogs.messages.empty())
        state.SkipWithError(d.dialogs.messages.front().text.c_str());
}
BENCHMARK(oneSlotMoveLargeProfile)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
