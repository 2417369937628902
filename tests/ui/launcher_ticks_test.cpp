// The gauges, the alarm and the title clock in the launcher window, driven by fake readings
// and a fake clock.

#include "fakes/fake_monitors.h"
#include "ui/gauge_widget.h"
#include "ui/launcher_ticks.h"
#include "ui/launcher_window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace vnovla::test {
namespace {

constexpr std::int64_t kMb = 1024 * 1024;

class LauncherTicksTest : public LauncherWindowTest
{
protected:
    void open(const std::string& extra = {})
    {
        test::writeBytes(dir.path() / "Vnovla.ini", "[Window]\r\nTime=False\r\n" + extra);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        window = std::make_unique<ui::LauncherWindow>(
            *store, options,
            pages::LauncherServices{shell, dialogs, clock, screens, recent, nullptr, nullptr,
                                    &readings, &sound, &wallClock});
        window->load();
        ticks = window->findChild<ui::LauncherTicks*>();
        ASSERT_NE(ticks, nullptr);
    }

    ui::GaugeWidget* gauge(const char* name) const { return child<ui::GaugeWidget>(name); }
    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    static QDialog* alarmDialog()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("FrmAlarm") && widget->isVisible())
                return qobject_cast<QDialog*>(widget);
        }
        return nullptr;
    }

    FakeReadings readings;
    FakeSound sound;
    FakeWallClock wallClock;
    ui::LauncherTicks* ticks = nullptr;
};

TEST_F(LauncherTicksTest, gaugesShowTheirReadingsFromTheStart)
{
    readings.cpu = 150;
    readings.memory = {512 * kMb, 128 * kMb, 0, 0};
    readings.space["/"] = {800 * kMb, 200 * kMb};
    open();

    EXPECT_EQ(gauge("PicCpu")->toolTip(), QStringLiteral("CPU使用率 150%"));
    EXPECT_EQ(gauge("PicCpu")->barPixels(), gauge("PicCpu")->width()) << "clipped to the box";
    EXPECT_EQ(gauge("PicButuri")->barPixels(), qRound(gauge("PicButuri")->width() * 0.75));
    EXPECT_EQ(gauge("PicDrive")->toolTip(), QStringLiteral("ﾄﾞﾗｲﾌﾞ/ 空200MB 総800MB 75%使用"));
    EXPECT_EQ(gauge("PicGdi")->toolTip(),
              QStringLiteral("リソースメーターがインストールされていません"));
    EXPECT_TRUE(ticks->secondTimer().isActive());
    EXPECT_EQ(ticks->secondTimer().interval(), 1000);
    EXPECT_FALSE(ticks->alarmTimer().isActive()) << "no alarm, no 100 ms check";
}

// The colour scheme's gauge background outlives the readings that repaint the gauges.
TEST_F(LauncherTicksTest, storedGaugeBackgroundsStayThroughTheTicks)
{
    open("[Col]\r\n7=10485760\r\n");
    const QColor darkBlue(0, 0, 160);
    EXPECT_EQ(gauge("PicCpu")->backgroundColour(), darkBlue);
    QTest::qWait(1200);
    EXPECT_EQ(gauge("PicCpu")->backgroundColour(), darkBlue);
}

TEST_F(LauncherTicksTest, driveListOpensAboveTheGaugeAndClosesOnAChoice)
{
    readings.mounted = {{"/", "/"}, {"/mnt/data", "/mnt/data"}};
    readings.space["/mnt/data"] = {100 * kMb, 25 * kMb};
    open();
    auto* list = child<QComboBox>("Drive1");
    QTest::mouseDClick(gauge("PicDrive"), Qt::LeftButton);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 0);
    const QPoint gaugeTop = gauge("PicDrive")->mapTo(window.get(), QPoint(0, 0));
    EXPECT_EQ(list->x(), gaugeTop.x());
    EXPECT_LT(list->y(), gaugeTop.y());
    EXPECT_EQ(list->width(), gauge("PicDrive")->width());

    // The keyboard alone picks the other drive.
    QTest::keyClick(list, Qt::Key_Down);
    list->activated(list->currentIndex()); // what choosing the highlighted entry reports
    EXPECT_FALSE(list->isVisible());
    ticks->monitors().tick();
    EXPECT_EQ(gauge("PicDrive")->toolTip(),
              QStringLiteral("ﾄﾞﾗｲﾌﾞ/mnt/data 空25MB 総100MB 75%使用"));
}

TEST_F(LauncherTicksTest, alarmIconDialogAndItsEnd)
{
    open();
    const qint64 ownIcon = window->windowIcon().cacheKey();
    action("MnuAlarm1m")->trigger();
    EXPECT_TRUE(ticks->alarmTimer().isActive());
    EXPECT_NE(window->windowIcon().cacheKey(), ownIcon);

    clock.advance(60'000);
    ticks->alarm().TimerAlarm_Tick();
    EXPECT_FALSE(ticks->alarmTimer().isActive());
    EXPECT_EQ(sound.played, (std::vector<std::string>{"beep"}));
    QDialog* dialog = alarmDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("VESKA NOVLA アラーム"));
    EXPECT_EQ(dialog->parentWidget(), nullptr) << "shown without an owner";

    // Closed by the title bar's button rather than "OK": the icon comes back all the same.
    dialog->close();
    EXPECT_EQ(window->windowIcon().cacheKey(), ownIcon);
}

TEST_F(LauncherTicksTest, enterOnTheDialogPressesOk)
{
    open();
    action("MnuAlarm1m")->trigger();
    clock.advance(60'000);
    ticks->alarm().TimerAlarm_Tick();
    QDialog* dialog = alarmDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_EQ(alarmDialog(), nullptr);
    EXPECT_EQ(ticks->alarm().state(), alarm::AlarmState::Idle);
}

TEST_F(LauncherTicksTest, titleClockFollowsItsMenuItem)
{
    open();
    const QString title = window->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("VESKA NOVLA Ver.")));
    wallClock.now = {2026, 12, 10, 4, 9, 5, 7};
    ticks->alarm().tick();
    EXPECT_EQ(window->windowTitle(), title) << "the clock starts off here";

    action("mnuTime")->trigger();
    ticks->alarm().tick();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("09:05:07  2026/12/10(木)"));
    action("mnuTime")->trigger();
    EXPECT_EQ(window->windowTitle(), title);
}

} // namespace
} // namespace vnovla::test
