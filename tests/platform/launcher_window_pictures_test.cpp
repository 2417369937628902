// The launcher window draws each button's picture through the Icons service: the request the
// page face names goes out unchanged, and the answer lands on the right button.

#include "ui/launcher_window_fixture.h"

#include "pages/icon_cache.h"
#include "platform/icons.h"
#include "ui/icon_theme_watch.h"
#include "ui/launch_button.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>

#include <map>
#include <vector>

namespace vnovla {
namespace {

// Answers with a solid picture of the size asked for, in the colour registered for the path;
// any other path has no icon.
class FakeIcons : public platform::Icons
{
public:
    std::string associatedProgram(const std::string&) override { return {}; }
    platform::Picture picture(const pages::IconRequest& request, int sizePixels) override
    {
        requests.push_back(request);
        const auto colour = colours.find(request.path);
        if (colour == colours.end())
            return {};
        platform::Picture picture{sizePixels, sizePixels, {}};
        picture.pixels.assign(static_cast<std::size_t>(sizePixels * sizePixels), colour->second);
        return picture;
    }

    std::map<std::string, std::uint32_t> colours;
    std::vector<pages::IconRequest> requests;
};

class LauncherWindowPicturesTest : public test::LauncherWindowTest
{
protected:
    void startWithIcons(const std::string& settings, platform::Icons* through = nullptr)
    {
        test::writeBytes(dir.path() / "Vnovla.ini", settings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        window = std::make_unique<ui::LauncherWindow>(
            *store, options, pages::LauncherServices{shell, dialogs, clock, screens, recent});
        window->setIcons(through != nullptr ? through : &icons);
        window->load();
    }

    FakeIcons icons;
};

TEST_F(LauncherWindowPicturesTest, eachRegisteredButtonShowsThePictureOfItsOwnRequest)
{
    icons.colours["/opt/tool/run"] = 0xffff0000;
    icons.colours["/icons/set.ico"] = 0xff0000ff;
    test::writeBytes(dir.path() / "icon.ini", "[IconPath]\n04=/icons/set.ico\n");
    startWithIcons("[Path]\n"
                   "01=/opt/tool/run\n"
                   "02=/home/user/notes.txt\n"
                   "04=/opt/other\n"
                   "[Icon]\n"
                   "04=3\n");

    const std::vector<pages::IconRequest> expected{
        {pages::IconSource::AssociatedProgram, "/opt/tool/run", 0},
        {pages::IconSource::AssociatedProgram, "/home/user/notes.txt", 0},
        {pages::IconSource::IconFile, "/icons/set.ico", 3},
    };
    EXPECT_EQ(icons.requests, expected) << "empty slots ask for nothing";

    const auto pictureColour = [this](const char* name) {
        const QIcon icon = child<ui::LaunchButton>(name)->icon();
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        return QColor(image.pixel(image.width() / 2, image.height() / 2));
    };
    EXPECT_EQ(pictureColour("Bt1"), QColor(Qt::red));
    EXPECT_EQ(pictureColour("Bt4"), QColor(Qt::blue));
    EXPECT_TRUE(child<ui::LaunchButton>("Bt2")->icon().isNull()) << "no icon found: no picture";
    EXPECT_TRUE(child<ui::LaunchButton>("Bt0")->icon().isNull()) << "an empty slot has no picture";
    EXPECT_EQ(child<ui::LaunchButton>("Bt1")->iconSize(), QSize(32, 32));
}

TEST_F(LauncherWindowPicturesTest, pictureIsTakenAwayWhenTheNextPageHasNone)
{
    icons.colours["/opt/tool/run"] = 0xffff0000;
    startWithIcons("[Window]\nPage=3\n[Path]\n01=/opt/tool/run\n");
    ASSERT_FALSE(child<ui::LaunchButton>("Bt1")->icon().isNull());

    window->presenter().ScrNo_Change(1);

    EXPECT_TRUE(child<ui::LaunchButton>("Bt1")->icon().isNull());
}

TEST_F(LauncherWindowPicturesTest, aWarmCacheShowsEveryIconAtOnceAndAChangedFileAtTheNextDraw)
{
    const auto item = [this](const char* name) { return (dir.path() / name).string(); };
    test::writeBytes(item("editor.desktop"), "[Desktop Entry]\nIcon=editor\n");
    test::writeBytes(item("viewer.desktop"), "[Desktop Entry]\nIcon=viewer\n");
    const std::string settings = "[Window]\nPage=1\n[Path]\n01=" + item("editor.desktop") +
                                 "\n02=" + item("viewer.desktop") + "\n";
    const auto cacheFile = dir.path() / "cache" / "profile.icons";
    const auto pictureColour = [this](const char* name) {
        const QImage image = child<ui::LaunchButton>(name)->icon().pixmap(QSize(32, 32)).toImage();
        return image.isNull() ? QColor() : QColor(image.pixel(16, 16));
    };

    // The first start draws through the desktop and leaves the pictures in the cache file.
    icons.colours[item("editor.desktop")] = 0xffff0000;
    icons.colours[item("viewer.desktop")] = 0xff0000ff;
    {
        pages::IconCache firstRun(icons);
        firstRun.useCacheFile(cacheFile);
        startWithIcons(settings, &firstRun);
        ASSERT_TRUE(firstRun.save());
        window.reset();
    }

    // The next start shows both at its first draw although the desktop could draw nothing yet.
    icons.colours.clear();
    icons.requests.clear();
    pages::IconCache warm(icons);
    warm.useCacheFile(cacheFile);
    startWithIcons(settings, &warm);
    EXPECT_EQ(pictureColour("Bt1"), QColor(Qt::red));
    EXPECT_EQ(pictureColour("Bt2"), QColor(Qt::blue));
    EXPECT_TRUE(icons.requests.empty());

    // An entry changed on disk shows its new picture when the page is drawn again.
    test::writeBytes(item("editor.desktop"), "[Desktop Entry]\nIcon=another-editor\n");
    icons.colours[item("editor.desktop")] = 0xff00ff00;
    window->presenter().ScrNo_Change(1);
    window->presenter().ScrNo_Change(0);
    EXPECT_EQ(pictureColour("Bt1"), QColor(Qt::green));
    EXPECT_EQ(pictureColour("Bt2"), QColor(Qt::blue)) << "the unchanged one still from the cache";
    EXPECT_EQ(icons.requests.size(), 1u);
    window.reset();
}

TEST_F(LauncherWindowPicturesTest, aThemeChangeDrawsThePicturesAgainAtTheNextPageDraw)
{
    const std::string entry = (dir.path() / "editor.desktop").string();
    test::writeBytes(entry, "[Desktop Entry]\nIcon=editor\n");
    icons.colours[entry] = 0xffff0000;
    std::string theme = "light";
    pages::IconCache cache(icons);
    cache.setTheme(theme);
    ui::IconThemeWatch watch(cache, [&theme] { return theme; });
    startWithIcons("[Window]\nPage=1\n[Path]\n01=" + entry + "\n", &cache);
    window->installEventFilter(&watch);
    const auto redraw = [this] {
        window->presenter().ScrNo_Change(1);
        window->presenter().ScrNo_Change(0);
    };

    QEvent unchanged(QEvent::ThemeChange);
    QCoreApplication::sendEvent(window.get(), &unchanged);
    redraw();
    EXPECT_EQ(icons.requests.size(), 1u) << "the same theme keeps its pictures";

    theme = "dark";
    icons.colours[entry] = 0xff00ff00;
    QEvent changed(QEvent::ThemeChange);
    QCoreApplication::sendEvent(window.get(), &changed);
    redraw();
    EXPECT_EQ(icons.requests.size(), 2u);
    const QImage image = child<ui::LaunchButton>("Bt1")->icon().pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(QColor(image.pixel(16, 16)), QColor(Qt::green));
    window.reset();
}

} // namespace
} // namespace vnovla
