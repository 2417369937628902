#include "ui/launcher_window_fixture.h"

#include "ui/launch_button.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vnovla {
namespace {

using test::LauncherWindowTest;

// Page 0 with a document in slot 3 and a program in slot 5, page 1 with a folder in slot 2.
const std::string kPageZero = "[Path]\n"
                              "03=/home/user/文書/report.odt\n"
                              "05=/usr/bin/editor\n"
                              "12=/srv/data\n"
                              "[PopUp]\n"
                              "03=月例報告\n"
                              "[Title]\n"
                              "0=仕事\n";

TEST_F(LauncherWindowTest, registeredDocumentShowsItsTooltipAndKindAndLaunchesInItsFolder)
{
    start(kPageZero);
    auto* button = child<ui::LaunchButton>("Bt3");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->toolTip(), QStringLiteral("月例報告"));
    // The kind goes on the line under the picture, not after a stray carriage return.
    EXPECT_EQ(button->text(), QStringLiteral("\nodt"));
    EXPECT_TRUE(button->font().bold());
    EXPECT_EQ(child<QLabel>("LblTitle")->text(), QStringLiteral("仕事"));
    EXPECT_EQ(child<QLabel>("LblNo")->text(), QStringLiteral("0"));

    QTest::mouseClick(button, Qt::LeftButton);

    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].kind, test::FakeShell::Kind::Open);
    EXPECT_EQ(shell.calls[0].path, "/home/user/文書/report.odt");
    EXPECT_EQ(shell.calls[0].second, "/home/user/文書/");
    EXPECT_EQ(window->presenter().CurrentSlot(), 3);
}

TEST_F(LauncherWindowTest, emptyButtonSaysSoAndLaunchesNothing)
{
    start(kPageZero);
    auto* button = child<ui::LaunchButton>("Bt7");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("EMPTY"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("未登録"));
    EXPECT_FALSE(button->font().bold());

    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(LauncherWindowTest, digitKeyLaunchesTheButtonOfThatSlot)
{
    start(kPageZero);
    QTest::keyClick(child<QScrollBar>("ScrNo"), Qt::Key_5);
    ASSERT_EQ(shell.openedPaths(), std::vector<std::string>{"/usr/bin/editor"});
}

TEST_F(LauncherWindowTest, scrollingToAnotherPageDrawsThatPage)
{
    start(kPageZero);
    auto* scrollBar = child<QScrollBar>("ScrNo");
    ASSERT_TRUE(scrollBar);
    scrollBar->setValue(1);
    EXPECT_EQ(child<QLabel>("LblNo")->text(), QStringLiteral("1"));
    EXPECT_EQ(child<ui::LaunchButton>("Bt2")->text(), QStringLiteral("\nDIR"));
    EXPECT_EQ(child<ui::LaunchButton>("Bt3")->text(), QStringLiteral("EMPTY"));
}

TEST_F(LauncherWindowTest, allButtonSaysWhatItDoes)
{
    start("");
    EXPECT_EQ(child<QPushButton>("BtAll")->toolTip(),
              QStringLiteral("現在のページの登録ボタンをすべて実行します"));
}

// The scroll bar keeps the focus after almost every action: its arrow keys go the way its own
// arrow buttons do.
TEST_F(LauncherWindowTest, arrowKeysOnThePageScrollBarFollowThePages)
{
    start("[Window]\nPage=5\nNow=2\n");
    auto* scrollBar = child<QScrollBar>("ScrNo");
    const std::vector<std::pair<Qt::Key, QString>> rows = {
        {Qt::Key_Right, QStringLiteral("3")},
        {Qt::Key_Down, QStringLiteral("3")},
        {Qt::Key_Left, QStringLiteral("1")},
        {Qt::Key_Up, QStringLiteral("1")},
    };
    for (const auto& [key, page] : rows) {
        scrollBar->setValue(2);
        QTest::keyClick(scrollBar, key);
        EXPECT_EQ(child<QLabel>("LblNo")->text(), page) << "key " << key;
    }
}

TEST_F(LauncherWindowTest, windowKeepsItsSizeWhenResized)
{
    start("");
    const QSize size = window->size();
    EXPECT_GT(size.width(), size.height() * 4) << "a strip, wider than it is high";
    window->resize(size * 2);
    EXPECT_EQ(window->size(), size);
    for (const char* name : {"Bt0", "Bt9", "BtAll", "LblTitle", "ScrNo"}) {
        auto* widget = child<QWidget>(name);
        ASSERT_TRUE(widget);
        const QRect inWindow(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << name << " is cut off";
    }
}

TEST_F(LauncherWindowTest, closingSavesTheWindowStateOnce)
{
    start("[Window]\nNow=0\nPage=7\n");
    child<QScrollBar>("ScrNo")->setValue(4);
    window->close();
    window->close();
    EXPECT_EQ(store->ReadSetting("Window", "Now"), "4");
    EXPECT_EQ(store->ReadSetting("Window", "Page"), "7");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LauncherWindowTest, failedSaveAtCloseIsReportedOnce)
{
    start("[Window]\nNow=0\n");
    // A folder where the settings file should be makes its replacement fail.
    std::filesystem::remove(dir.path() / "Vnovla.ini");
    std::filesystem::create_directory(dir.path() / "Vnovla.ini");
    window->close();
    window->close();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, platform::DialogIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].caption, "VESKA NOVLA");
}

} // namespace
} // namespace vnovla
