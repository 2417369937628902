#include "fakes/fake_monitors.h"
#include "monitors/gauge_rules.h"
#include "monitors/monitors_presenter.h"
#include "monitors/proc_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace vnovla::test {
namespace {

using monitors::Gauge;

constexpr std::uint64_t kMb = 1024 * 1024;

// ---- Arithmetic ---------------------------------------------------------------------------

TEST(GaugeRules, roundsHalvesToEvenAndGuardsTheUnrepresentable)
{
    struct Row
    {
        double value;
        std::int32_t rounded;
    };
    for (const Row row : {Row{62.5, 62}, Row{63.5, 64}, Row{69.6, 70}, Row{-0.5, 0}, Row{1e300, 0},
                          Row{std::nan(""), 0}})
        EXPECT_EQ(monitors::roundHalfEven(row.value), row.rounded) << row.value;
}

TEST(GaugeRules, barCoversItsShareOfTheWidthClippedToTheBox)
{
    struct Row
    {
        int width;
        std::int32_t percent;
        int pixels;
    };
    for (const Row row : {Row{48, 75, 36}, Row{48, 0, 0}, Row{48, 100, 48}, Row{48, 150, 48},
                          Row{48, -20, 0}, Row{0, 50, 0}, Row{50, 1, 1}})
        EXPECT_EQ(monitors::barWidth(row.width, row.percent), row.pixels)
            << row.width << " " << row.percent;
}

TEST(GaugeRules, tagGivesTheBackgroundOrTheDefault)
{
    EXPECT_EQ(monitors::tagColour("255", 12582912), 255u);
    EXPECT_EQ(monitors::tagColour("", 12582912), 12582912u);
    EXPECT_EQ(monitors::tagColour("blue", 12582912), 12582912u);
    EXPECT_EQ(monitors::tagColour("-2147483640", 1), 0x80000008u) << "system colours pass on";
}

TEST(GaugeRules, thousandsAreGroupedWithTheGivenSeparator)
{
    struct Row
    {
        std::uint64_t value;
        const char* text;
    };
    for (const Row row :
         {Row{0, "0"}, Row{999, "999"}, Row{1000, "1.000"}, Row{134217728, "134.217.728"}}) {
        std::string out;
        monitors::appendGrouped(out, row.value, ".");
        EXPECT_EQ(out, row.text);
    }
}

// ---- Kernel text --------------------------------------------------------------------------

TEST(ProcText, cpuLineOfAnyKernelOrNothing)
{
    struct Row
    {
        const char* text;
        std::optional<monitors::CpuTimes> times;
    };
    const Row rows[] = {
        {"cpu  10 0 10 70 10 0 0 0 0 0\ncpu0 1 2 3 4\n", monitors::CpuTimes{20, 100}},
        {"cpu  10 0 10 80\n", monitors::CpuTimes{20, 100}}, // an old kernel's four fields
        {"cpu0 1 2 3 4\n", std::nullopt},                   // no summary line
        {"cpu  10 0 10\n", std::nullopt},                   // cut short
        {"cpu  10 x 10 80\n", std::nullopt},
        {"cpu  10 0 10 -80\n", std::nullopt},
        {"", std::nullopt},
        {"cpu  18446744073709551615 1 0 0\n", std::nullopt}, // sums past 64 bits
    };
    for (const Row& row : rows)
        EXPECT_EQ(monitors::parseCpuTimes(row.text), row.times) << row.text;
}

TEST(ProcText, busyShareBetweenSamples)
{
    EXPECT_EQ(monitors::busyPercent({20, 100}, {45, 200}), 25);
    EXPECT_EQ(monitors::busyPercent({20, 100}, {20, 100}), 0) << "no time passed";
    EXPECT_EQ(monitors::busyPercent({20, 100}, {10, 50}), 0) << "counters reset";
}

TEST(ProcText, kilobyteFieldsNeedTheirUnit)
{
    const char* meminfo = "MemTotal:       524288 kB\nMemFree: 1 kB\nMemAvailable:   131072 kB\n";
    EXPECT_EQ(monitors::kilobyteField(meminfo, "MemTotal"), 512 * kMb);
    EXPECT_EQ(monitors::kilobyteField(meminfo, "MemAvailable"), 128 * kMb);
    EXPECT_EQ(monitors::kilobyteField(meminfo, "Mem"), std::nullopt);
    EXPECT_EQ(monitors::kilobyteField("MemTotal:  5242", "MemTotal"), std::nullopt) << "cut";
    EXPECT_EQ(monitors::kilobyteField("MemTotal: 12 pages", "MemTotal"), std::nullopt);
    EXPECT_EQ(monitors::kilobyteField("", "MemTotal"), std::nullopt);
}

TEST(ProcText, firstNumberOfStatm)
{
    EXPECT_EQ(monitors::firstNumber("12345 678 9 0 0 100 0\n"), 12345u);
    EXPECT_EQ(monitors::firstNumber("12345"), std::nullopt) << "cut before its end";
    EXPECT_EQ(monitors::firstNumber("x 1\n"), std::nullopt);
    EXPECT_EQ(monitors::firstNumber(""), std::nullopt);
}

// ---- Presenter ----------------------------------------------------------------------------

class MonitorsFixture : public ::testing::Test
{
protected:
    FakeReadings readings;
    FakeMonitorsView view;
    monitors::MonitorsPresenter presenter{readings, view, ","};
};

TEST_F(MonitorsFixture, tooltipsAndBarsAsTheReadingsGiveThem)
{
    readings.cpu = 37;
    readings.memory = {512 * kMb, 128 * kMb, 2048 * kMb, 1024 * kMb};
    readings.space["/"] = {800 * static_cast<std::int64_t>(kMb),
                           200 * static_cast<std::int64_t>(kMb)};
    presenter.start();

    EXPECT_EQ(view[Gauge::Cpu].tooltip, "CPU使用率 37%");
    EXPECT_EQ(view[Gauge::Cpu].percent, 37);
    EXPECT_EQ(view[Gauge::Cpu].background, 12582912u);
    EXPECT_EQ(view[Gauge::Physical].tooltip, "物理ﾒﾓﾘ 総512Mb 空128Mb 使用率75%");
    EXPECT_EQ(view[Gauge::Physical].percent, 75);
    EXPECT_EQ(view[Gauge::Virtual].tooltip, "仮想ﾒﾓﾘ 総2,048Mb 空き1,024Mb 使用率50%");
    EXPECT_EQ(view[Gauge::Drive].tooltip, "ﾄﾞﾗｲﾌﾞ/ 空200MB 総800MB 75%使用");
    EXPECT_EQ(view[Gauge::Drive].percent, 75);
    for (Gauge gauge : {Gauge::System, Gauge::Gdi, Gauge::User}) {
        EXPECT_EQ(view[gauge].tooltip, "リソースメーターがインストールされていません");
        EXPECT_EQ(view[gauge].barCalls, 0) << "the design colours stay, with no bar";
    }
}

TEST_F(MonitorsFixture, roundingOfBarAndDriveTooltip)
{
    // 62.5 % and 63.5 % in use: halves go to the even neighbour.
    readings.memory = {1000 * kMb, 375 * kMb, 1000 * kMb, 365 * kMb};
    // 69.6 % in use draws 70 and reads 69.
    readings.space["/"] = {1000 * static_cast<std::int64_t>(kMb),
                           304 * static_cast<std::int64_t>(kMb)};
    presenter.tick();
    EXPECT_EQ(view[Gauge::Physical].percent, 62);
    EXPECT_EQ(view[Gauge::Virtual].percent, 64);
    EXPECT_EQ(view[Gauge::Drive].percent, 70);
    EXPECT_EQ(view[Gauge::Drive].tooltip, "ﾄﾞﾗｲﾌﾞ/ 空304MB 総1,000MB 69%使用");
}

TEST_F(MonitorsFixture, unreadableAndEmptyReadingsShowZero)
{
    readings.cpu = 0;
    readings.memory = {}; // a container without /proc/meminfo
    readings.space["/"] = {0, 0};
    presenter.tick();
    EXPECT_EQ(view[Gauge::Physical].tooltip, "物理ﾒﾓﾘ 総0Mb 空0Mb 使用率0%");
    EXPECT_EQ(view[Gauge::Physical].percent, 0);
    EXPECT_EQ(view[Gauge::Drive].tooltip, "ﾄﾞﾗｲﾌﾞ/ 空0MB 総0MB 0%使用");
    EXPECT_EQ(view[Gauge::Drive].percent, 0);
}

TEST_F(MonitorsFixture, overfullCpuReadingKeepsItsNumber)
{
    readings.cpu = 150;
    presenter.tick();
    EXPECT_EQ(view[Gauge::Cpu].tooltip, "CPU使用率 150%");
    EXPECT_EQ(view[Gauge::Cpu].percent, 150);
}

TEST_F(MonitorsFixture, nothingIsSentAgainWhenItReadsTheSame)
{
    readings.cpu = 10;
    readings.space["/"] = {100, 50};
    presenter.tick();
    presenter.tick();
    EXPECT_EQ(view[Gauge::Cpu].barCalls, 1);
    EXPECT_EQ(view[Gauge::Cpu].tooltipCalls, 1);
    EXPECT_EQ(view[Gauge::Drive].barCalls, 1);

    readings.cpu = 11;
    presenter.tick();
    EXPECT_EQ(view[Gauge::Cpu].barCalls, 2);
    EXPECT_EQ(view[Gauge::Physical].barCalls, 1);
}

TEST_F(MonitorsFixture, tagsColourTheBackgroundFromTheNextTick)
{
    presenter.tick();
    presenter.setTag(Gauge::Cpu, "255");
    presenter.tick();
    EXPECT_EQ(view[Gauge::Cpu].background, 255u);
    EXPECT_EQ(view[Gauge::Cpu].barCalls, 2);
    presenter.setTag(Gauge::Cpu, "");
    presenter.tick();
    EXPECT_EQ(view[Gauge::Cpu].background, 12582912u) << "an empty tag gives the default";
}

TEST_F(MonitorsFixture, vanishedDriveEmptiesTheBarAndKeepsTheTooltip)
{
    readings.mounted = {{"/", "/"}, {"/media/My Disk", "/media/My Disk"}};
    readings.space["/"] = {100 * static_cast<std::int64_t>(kMb),
                           50 * static_cast<std::int64_t>(kMb)};
    readings.space["/media/My Disk"] = {400 * static_cast<std::int64_t>(kMb),
                                        100 * static_cast<std::int64_t>(kMb)};
    presenter.tick();
    presenter.PicDrive_DblClick();
    EXPECT_TRUE(view.driveListShown);
    EXPECT_EQ(view.driveLabels, (std::vector<std::string>{"/", "/media/My Disk"}));
    EXPECT_EQ(view.driveRow, 0);

    presenter.Drive1_Change(1);
    EXPECT_FALSE(view.driveListShown);
    presenter.tick();
    EXPECT_EQ(view[Gauge::Drive].tooltip, "ﾄﾞﾗｲﾌﾞ/media/My Disk 空100MB 総400MB 75%使用");

    readings.space.erase("/media/My Disk");
    readings.mounted.pop_back();
    presenter.tick();
    EXPECT_EQ(view[Gauge::Drive].percent, 0);
    EXPECT_EQ(view[Gauge::Drive].tooltip, "ﾄﾞﾗｲﾌﾞ/media/My Disk 空100MB 総400MB 75%使用");

    // The list still names the drive being measured, though it is gone.
    presenter.PicDrive_DblClick();
    EXPECT_EQ(view.driveLabels, (std::vector<std::string>{"/", "/media/My Disk"}));
    EXPECT_EQ(view.driveRow, 1);
    presenter.Drive1_Change(7); // a row no longer there changes nothing but closes the list
    EXPECT_FALSE(view.driveListShown);
    EXPECT_EQ(presenter.drive().path, "/media/My Disk");
}

} // namespace
} // namespace vnovla::test
