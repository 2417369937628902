// The launcher window draws each button's picture through the Icons service: the request the
// page face names goes out unchanged, and the answer lands on the right button.

#include "ui/launcher_window_fixture.h"

#include "platform/icons.h"
#include "ui/launch_button.h"

#include <QColor>
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
    void startWithIcons(const std::string& settings)
    {
        test::writeBytes(dir.path() / "Vnovla.ini", settings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        window = std::make_unique<ui::LauncherWindow>(
            *store, options, pages::LauncherServices{shell, dialogs, clock, screens, recent});
        window->setIcons(&icons);
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

} // namespace
} // namespace vnovla
