// The launcher window's first moments and its last: what it opens with for every kind of
// settings file, from none at all to a damaged one, and what it leaves behind at close.

#include "ui/launcher_window_fixture.h"

#include "support/param_name.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRect>
#include <QScrollBar>

#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace vnovla {
namespace {

using namespace std::string_literals;

// The fake desktop's one screen.
const QRect kScreen(0, 0, 1920, 1040);

class StartupTest : public test::LauncherWindowTest
{
protected:
    // Starts the window as the program does: options first, then the window's own start-up.
    // No settings text: the first start, with no settings file at all.
    void start(const std::optional<std::string>& settings)
    {
        if (settings)
            test::writeBytes(settingsFile(), *settings);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        settings::LoadSettings(*store, options, {0, settings::readWindowSettings(*store).page});
        openWindow();
    }

    std::filesystem::path settingsFile() const { return dir / "Vnovla.ini"; }
    std::string saved(const char* key) const { return store->ReadSetting("Window", key); }

    QScrollBar* pageScrollBar() const
    {
        return window->findChild<QScrollBar*>(QStringLiteral("ScrNo"));
    }
    QString pageNumber() const
    {
        return window->findChild<QLabel*>(QStringLiteral("LblNo"))->text();
    }
    bool staysOnTop() const { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
};

TEST_F(StartupTest, firstStartOpensWithDefaultsAndWritesNothingUntilClose)
{
    start(std::nullopt);

    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    // Without a stored position the window system places the window.
    EXPECT_FALSE(window->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(pageScrollBar()->minimum(), 0);
    EXPECT_EQ(pageScrollBar()->maximum(), 15);
    EXPECT_EQ(pageScrollBar()->value(), 0);
    EXPECT_EQ(pageNumber(), QStringLiteral("0"));
    EXPECT_TRUE(staysOnTop());
    EXPECT_TRUE(window->presenter().alwaysOnTopChecked());
    EXPECT_TRUE(window->presenter().clockChecked());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "start-up must not write";

    window->close();

    EXPECT_EQ(saved("Page"), "15");
    EXPECT_EQ(saved("Now"), "0");
    EXPECT_EQ(saved("Time"), "True");
    EXPECT_EQ(saved("Temae"), "True");
    EXPECT_FALSE(saved("Top").empty());
    EXPECT_FALSE(saved("Left").empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupTest, storedPositionAndPageAreRestoredAndSavedBack)
{
    start("[Window]\nTop=1500\nLeft=3000\nPage=20\nNow=5\n");

    EXPECT_TRUE(window->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    EXPECT_EQ(pageScrollBar()->maximum(), 20);
    EXPECT_EQ(pageScrollBar()->value(), 5);
    EXPECT_EQ(pageNumber(), QStringLiteral("5"));

    window->close();

    EXPECT_EQ(saved("Top"), "1500");
    EXPECT_EQ(saved("Left"), "3000");
    EXPECT_EQ(saved("Page"), "20");
    EXPECT_EQ(saved("Now"), "5");
}

TEST_F(StartupTest, fixedStartPageWinsOverTheLastPageAndIsNotOverwrittenAtClose)
{
    start("[Window]\nNow=5\nEndTop=1\nEndTopNo=3\n");

    EXPECT_EQ(pageScrollBar()->value(), 3);
    EXPECT_EQ(pageNumber(), QStringLiteral("3"));

    pageScrollBar()->setValue(7);
    window->close();

    EXPECT_EQ(saved("Now"), "0");
    EXPECT_EQ(saved("EndTop"), "1");
    EXPECT_EQ(saved("EndTopNo"), "3");
}

TEST_F(StartupTest, startMinimisedOpensMinimisedAndSavesTheNormalPosition)
{
    start("[Window]\nTop=1500\nLeft=3000\nStartMin=1\n");

    EXPECT_TRUE(window->isMinimized());

    window->close();

    EXPECT_EQ(saved("Top"), "1500");
    EXPECT_EQ(saved("Left"), "3000");
}

TEST_F(StartupTest, notOnTopStartsWithoutTheHintAndTheMenuItemTurnsItOn)
{
    start("[Window]\nTemae=False\n");

    EXPECT_FALSE(staysOnTop());
    EXPECT_FALSE(window->presenter().alwaysOnTopChecked());

    window->presenter().MnuTemae_Click();

    EXPECT_TRUE(staysOnTop());
    EXPECT_TRUE(window->presenter().alwaysOnTopChecked());
    // Changing a window flag hides a shown window; the toggle must not leave it hidden.
    EXPECT_TRUE(window->isVisible());

    window->presenter().MnuTemae_Click();
    window->close();

    EXPECT_EQ(saved("Temae"), "False");
}

enum class Placement {
    ByWindowSystem, // no readable position: the window is never moved
    OnScreen,       // a readable position, brought onto the screen where needed
};

struct DamagedSettings
{
    const char* name;
    std::string bytes;
    Placement placement = Placement::ByWindowSystem;
};

// Test names and failures show the case by its sentence, not as raw bytes.
void PrintTo(const DamagedSettings& value, std::ostream* out)
{
    *out << value.name;
}

class DamagedSettingsTest : public StartupTest,
                            public ::testing::WithParamInterface<DamagedSettings>
{
};

// Whatever the file holds, the window opens shown, on a page that exists, fully on a screen,
// with the built-in default for each value it cannot read.
TEST_P(DamagedSettingsTest, windowStillOpensWithDefaultsForWhatIsUnreadable)
{
    start(GetParam().bytes);

    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(pageScrollBar()->maximum(), 15);
    EXPECT_EQ(pageScrollBar()->value(), 0);
    EXPECT_EQ(pageNumber(), QStringLiteral("0"));
    EXPECT_TRUE(staysOnTop());
    EXPECT_TRUE(window->presenter().clockChecked());
    if (GetParam().placement == Placement::ByWindowSystem) {
        EXPECT_FALSE(window->testAttribute(Qt::WA_Moved));
    } else {
        EXPECT_TRUE(window->testAttribute(Qt::WA_Moved));
        EXPECT_TRUE(kScreen.contains(QRect(window->pos(), window->size())))
            << "placed at " << window->pos().x() << "," << window->pos().y();
    }

    window->close();

    EXPECT_EQ(saved("Page"), "15");
    EXPECT_EQ(saved("Now"), "0");
    EXPECT_EQ(saved("Temae"), "True");
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StartupTest, DamagedSettingsTest,
    ::testing::Values(
        DamagedSettings{"words where numbers belong",
                        "[Window]\nTop=high\nLeft=wide\nPage=many\nNow=five\nEndTop=yes\n"
                        "EndTopNo=three\nStartMin=yes\nTime=maybe\nTemae=sometimes\n"},
        DamagedSettings{"pages beyond any limit", "[Window]\nPage=99999\nNow=99999\n"},
        DamagedSettings{"negative numbers",
                        "[Window]\nTop=-1\nLeft=-1\nPage=-5\nNow=-1\nEndTop=1\nEndTopNo=-3\n"
                        "StartMin=-1\n",
                        Placement::OnScreen},
        DamagedSettings{"position far off every screen", "[Window]\nTop=-1500000\nLeft=90000000\n",
                        Placement::OnScreen},
        DamagedSettings{"position beyond a float", "[Window]\nTop=1e39\nLeft=-1e39\n"},
        DamagedSettings{"binary bytes",
                        "[Window]\nPage=\x01\x02\xff\xfe\nNow=\0 3\nTop=\xff\xfe\x00\x00\n"
                        "Temae=\x80\x81\nStartMin=\x01\n\xff\xfe\0\0[\0W\0]\0\n"s}),
    test::NameFromSentence{});

} // namespace
} // namespace vnovla
