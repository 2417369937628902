// What one button picture costs on this desktop, before any icon cache: the baseline for the
// cache keyed by file identity. A page draw asks for up to ten of these.
//
// Run with QT_QPA_PLATFORM=offscreen (or under an X server).

#include "pages/page_face.h"
#include "platform/linux/gio_icons.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QString>

#include <filesystem>
#include <string>

namespace {

using vnovla::pages::IconRequest;
using vnovla::pages::IconSource;
using vnovla::platform::linux_desktop::GioIcons;

constexpr int kSize = 32;

// Each benchmark asks for the picture of one kind of item, as a page draw does.
void pictureOf(benchmark::State& state, IconRequest request)
{
    GioIcons icons;
    for (auto _ : state)
        benchmark::DoNotOptimize(icons.picture(request, kSize));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As the launcher sets it up.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    vnovla::test::TempDir dir;
    const std::string document = (dir / "notes.txt").string();
    vnovla::test::writeBytes(document, "plain text\n");
    const std::string image = (dir / "picture.png").string();
    QImage(48, 48, QImage::Format_ARGB32).save(QString::fromStdString(image));
    const std::string missing = (dir / "gone.txt").string();

    benchmark::RegisterBenchmark("document (default application)", pictureOf,
                                 IconRequest{IconSource::AssociatedProgram, document, 0});
    benchmark::RegisterBenchmark("program (/usr/bin/python3)", pictureOf,
                                 IconRequest{IconSource::AssociatedProgram, "/usr/bin/python3", 0});
    benchmark::RegisterBenchmark(
        "folder", pictureOf, IconRequest{IconSource::AssociatedProgram, dir.path().string(), 0});
    benchmark::RegisterBenchmark("image as icon file", pictureOf,
                                 IconRequest{IconSource::IconFile, image, 0});
    benchmark::RegisterBenchmark("missing file", pictureOf,
                                 IconRequest{IconSource::AssociatedProgram, missing, 0});

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
