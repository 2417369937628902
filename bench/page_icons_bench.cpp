// A page switch with its pictures: the profile work of a page draw plus the ten button
// pictures, with the icon cache empty (cold) and filled (warm), on pages of documents,
// programs, a folder, a desktop entry and Windows icon files.
//
// Run with QT_QPA_PLATFORM=offscreen (or under an X server).

#include "core/icons/icon_builders.h"
#include "pages/icon_cache.h"
#include "pages/page_face.h"
#include "platform/linux/gio_icons.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIcon>
#include <QString>

#include <string>
#include <vector>

namespace {

namespace pages = vnovla::pages;
namespace test = vnovla::test;
using vnovla::platform::linux_desktop::GioIcons;

constexpr int kSize = 32;

struct Fixture
{
    test::TempDir dir;
    std::unique_ptr<vnovla::profile::ProfileStore> store;
    GioIcons desktop;

    Fixture()
    {
        const auto save = [this](const char* name, const test::Bytes& bytes) {
            const auto path = (dir / name).string();
            test::writeBytes(
                path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            return path;
        };
        std::vector<std::string> items;
        for (const char* name : {"report.txt", "plan.txt", "notes.md", "sheet.csv"}) {
            test::writeBytes(dir / name, "text\n");
            items.push_back((dir / name).string());
        }
        items.push_back(save("app.ico", test::icoFile({{32, 32, test::dib32(32, 0xFFFF0000)},
                                                       {16, 32, test::dib32(16, 0xFF00FF00)}})));
        items.push_back(
            save("tool.exe",
                 test::peFile({{test::kRtIcon, {}, 1, test::dib32(32, 0xFF0000FF)},
                               {test::kRtGroupIcon, {}, 1, test::iconGroup({{32, 32, {}}}, {1})}})
                     .bytes));
        items.push_back("/usr/bin/python3");
        items.push_back("/bin/sh");
        items.push_back(dir.path().string() + "/");
        items.push_back("/usr/share/applications/vim.desktop");
        std::string profile = "[Path]\r\n";
        for (int page = 0; page < 2; ++page) {
            for (std::size_t slot = 0; slot < items.size(); ++slot)
                profile +=
                    pages::entryKey(page, static_cast<int>(slot)) + "=" + items[slot] + "\r\n";
        }
        test::writeBytes(dir / "Vnovla.ini", profile);
        store = std::make_unique<vnovla::profile::ProfileStore>(dir.path());
    }

    void drawPage(vnovla::platform::Icons& icons, int page)
    {
        const pages::PageFace face = pages::readPageFace(*store, page);
        for (const pages::ButtonFace& button : face.buttons)
            benchmark::DoNotOptimize(icons.picture(button.icon, kSize));
    }
};

Fixture* fixture = nullptr;

void coldPageSwitch(benchmark::State& state)
{
    int page = 0;
    for (auto _ : state) {
        pages::IconCache cache(fixture->desktop);
        fixture->drawPage(cache, page);
        page = 1 - page;
    }
}
BENCHMARK(coldPageSwitch)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void warmPageSwitch(benchmark::State& state)
{
    pages::IconCache cache(fixture->desktop);
    fixture->drawPage(cache, 0);
    fixture->drawPage(cache, 1);
    int page = 0;
    for (auto _ : state) {
        fixture->drawPage(cache, page);
        page = 1 - page;
    }
}
BENCHMARK(warmPageSwitch)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    Fixture shared;
    fixture = &shared;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
