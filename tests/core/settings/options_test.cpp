#include "settings/options.h"

#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

namespace vnovla::settings {
namespace {

constexpr PageRange kSixteenPages{0, 15};

class OptionsTest : public ::testing::Test
{
protected:
    // A store over a folder of its own whose settings file holds fileBytes, as a Windows
    // editor saves it: CP932 or ASCII, CRLF. Each case gets a new folder so that no case can
    // see a file an earlier one wrote.
    profile::ProfileStore storeWith(std::string_view fileBytes)
    {
        const auto folder = dir_ / ("case" + std::to_string(++caseCount_));
        std::filesystem::create_directory(folder);
        test::writeBytes(folder / "Vnovla.ini", fileBytes);
        return profile::ProfileStore(folder);
    }

    Options load(std::string_view fileBytes, Options start = {}, PageRange pages = kSixteenPages)
    {
        auto store = storeWith(fileBytes);
        LoadSettings(store, start, pages);
        return start;
    }

    test::TempDir dir_;
    profile::ProfileStore store_{dir_.path()};
    int caseCount_ = 0;
};

TEST_F(OptionsTest, NoSettingsFileGivesEveryDefault)
{
    Options options;
    LoadSettings(store_, options, kSixteenPages);

    EXPECT_EQ(options.wait, 0);
    EXPECT_EQ(options.waitText(), "0");
    EXPECT_EQ(options.waitCheck, CheckState::Unchecked);
    EXPECT_EQ(options.endCheck, CheckState::Unchecked);
    EXPECT_EQ(options.minimiseAfterLaunch, CheckState::Unchecked);
    EXPECT_EQ(options.drop, DropMode::PassToProgram);
    EXPECT_EQ(options.tray, CheckState::Unchecked);
    EXPECT_EQ(options.startMinimised, CheckState::Unchecked);
    EXPECT_EQ(options.endTop, CheckState::Unchecked);
    EXPECT_EQ(options.endTopNo, 0);
    EXPECT_EQ(options.endSaikin, CheckState::Unchecked);
    EXPECT_EQ(options.alarmShow, CheckState::Checked);
    EXPECT_EQ(options.alarmSoundOn, CheckState::Checked);
    EXPECT_EQ(options.sound, AlarmSound::Beep);
    EXPECT_EQ(options.extractTo, ExtractTo::ArchiveFolder);
    EXPECT_EQ(options.openAfterExtract, CheckState::Checked);
    EXPECT_EQ(options.soundPath, "");
    EXPECT_EQ(options.extractFolder, "");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Vnovla.ini"));
}

struct LoadCase
{
    const char* name;
    std::string_view file;
    std::function<bool(const Options&)> holds;
};

TEST_F(OptionsTest, EachControlTakesOnlyValuesItAllows)
{
    Options start;
    start.wait = 200;
    start.endTopNo = 7;
    const LoadCase cases[] = {
        {"drop 1 registers", "[All]\r\nDrop=1\r\n",
         [](const Options& o) { return o.drop == DropMode::Register; }},
        {"drop 7 has no option", "[All]\r\nDrop=7\r\n",
         [](const Options& o) { return o.drop == DropMode::PassToProgram; }},
        {"wait 1500", "[ALL]\r\nWait=1500\r\n",
         [](const Options& o) { return o.wait == 1500 && o.waitText() == "1500"; }},
        {"wait 9000 out of range", "[ALL]\r\nWait=9000\r\n",
         [](const Options& o) { return o.wait == 200 && o.waitText() == "200"; }},
        {"wait -50 out of range", "[ALL]\r\nWait=-50\r\n",
         [](const Options& o) { return o.wait == 200; }},
        {"wait beyond 16 bits", "[ALL]\r\nWait=70000\r\n",
         [](const Options& o) { return o.wait == 200; }},
        {"wait fraction rounds", "[ALL]\r\nWait=4999.5\r\n",
         [](const Options& o) { return o.wait == 5000; }},
        {"greyed check box", "[ALL]\r\nWaitCheck=2\r\n",
         [](const Options& o) { return o.waitCheck == CheckState::Greyed; }},
        {"check box 3 refused", "[Alarm]\r\nShow=3\r\n",
         [](const Options& o) { return o.alarmShow == CheckState::Checked; }},
        {"check box -1 refused", "[Alarm]\r\nShow=-1\r\n",
         [](const Options& o) { return o.alarmShow == CheckState::Checked; }},
        {"check box off", "[Alarm]\r\nSoundOn=0\r\n",
         [](const Options& o) { return o.alarmSoundOn == CheckState::Unchecked; }},
        {"start page inside the pages", "[Window]\r\nEndTopNo=12\r\n",
         [](const Options& o) { return o.endTopNo == 12; }},
        {"start page 20 of 0..15 keeps previous", "[Window]\r\nEndTopNo=20\r\n",
         [](const Options& o) { return o.endTopNo == 7; }},
        {"wave file sound", "[Alarm]\r\nSound=1\r\n",
         [](const Options& o) { return o.sound == AlarmSound::WaveFile; }},
        {"extraction folder chosen", "[LHA]\r\nPath=1\r\n",
         [](const Options& o) { return o.extractTo == ExtractTo::ChosenFolder; }},
        {"lower-case section", "[all]\r\nmin=1\r\n",
         [](const Options& o) { return o.minimiseAfterLaunch == CheckState::Checked; }},
    };
    for (const auto& c : cases) {
        const Options options = load(c.file, start);
        EXPECT_TRUE(c.holds(options)) << c.name;
    }
}

TEST_F(OptionsTest, StartPageRangeFollowsTheLauncherPages)
{
    Options start;
    start.endTopNo = 12;
    const Options options = load("[Window]\r\nEndTopNo=9\r\n", start, {0, 10});
    EXPECT_EQ(options.endTopNoRange, (PageRange{0, 10}));
    EXPECT_EQ(options.endTopNo, 9);

    // A previous start page beyond a shrunken range is pulled into it, as a scroll bar does.
    const Options emptyFile = load("", start, {0, 10});
    EXPECT_EQ(emptyFile.endTopNo, 10);
}

TEST_F(OptionsTest, GarbageInOneSettingLeavesTheOthersLoaded)
{
    const Options options = load("[All]\r\nWaitCheck=1\r\nWait=lots\r\nEndCheck=1\r\nMin=x\r\n"
                                 "Drop=1\r\n[Window]\r\nTray=1\r\nEndTopNo=\r\nEndSaikin=1\r\n"
                                 "[Alarm]\r\nShow=on\r\nSoundOn=0\r\nSound=1\r\n");
    EXPECT_EQ(options.waitCheck, CheckState::Checked);
    EXPECT_EQ(options.wait, 0);
    EXPECT_EQ(options.endCheck, CheckState::Checked);
    EXPECT_EQ(options.minimiseAfterLaunch, CheckState::Unchecked);
    EXPECT_EQ(options.drop, DropMode::Register);
    EXPECT_EQ(options.tray, CheckState::Checked);
    EXPECT_EQ(options.endTopNo, 0);
    EXPECT_EQ(options.endSaikin, CheckState::Checked);
    EXPECT_EQ(options.alarmShow, CheckState::Checked);
    EXPECT_EQ(options.alarmSoundOn, CheckState::Unchecked);
    EXPECT_EQ(options.sound, AlarmSound::WaveFile);
}

TEST_F(OptionsTest, TextOptionsTakeTheStoredTextAndMissingMeansEmpty)
{
    // "C:\サウンド\ソ.wav" in CP932; the trail byte of "ソ" is a backslash.
    const Options options =
        load("[Alarm]\r\nPath=C:\\\x83\x54\x83\x45\x83\x93\x83\x68\\\x83\x5c.wav\r\n");
    EXPECT_EQ(options.soundPath, "C:\\サウンド\\ソ.wav");

    Options previous;
    previous.extractFolder = "/home/user/archives";
    EXPECT_EQ(load("", previous).extractFolder, "");
}

TEST_F(OptionsTest, WritesOfTheDialogReadBackAsTheSameOptions)
{
    Options options;
    options.waitCheck = CheckState::Checked;
    options.wait = 1500;
    options.endCheck = CheckState::Greyed;
    options.drop = DropMode::Register;
    options.tray = CheckState::Checked;
    options.endTop = CheckState::Checked;
    options.endTopNo = 3;
    options.alarmShow = CheckState::Unchecked;
    options.soundPath = "/usr/share/sounds/ding.wav";
    options.sound = AlarmSound::WaveFile;
    options.extractTo = ExtractTo::ChosenFolder;
    options.extractFolder = "/tmp/展開";

    const auto writes = optionWrites(options);
    ASSERT_TRUE(store_.WriteSettings(writes).ok());
    Options reloaded;
    LoadSettings(store_, reloaded, kSixteenPages);
    EXPECT_EQ(reloaded, options);
}

TEST_F(OptionsTest, ExtractionOpenFlagIsWrittenOnlyWhenTicked)
{
    const auto hasOpen = [](const Options& options) {
        const auto writes = optionWrites(options);
        return std::any_of(writes.begin(), writes.end(), [](const profile::ProfileWrite& w) {
            return w.section == "LHA" && w.key == "Open" && w.value == "1";
        });
    };
    Options options;
    EXPECT_TRUE(hasOpen(options));
    options.openAfterExtract = CheckState::Unchecked;
    EXPECT_FALSE(hasOpen(options));
    EXPECT_EQ(optionWrites(options).size(), 16u);
}

struct WindowCase
{
    const char* name;
    std::string_view file;
    std::function<bool(const WindowSettings&)> holds;
};

TEST_F(OptionsTest, WindowSettingsKeepTheirDefaultsWhenUnreadableOrOutOfRange)
{
    const WindowCase cases[] = {
        {"no file", "", [](const WindowSettings& w) { return w == WindowSettings{}; }},
        {"position", "[Window]\r\nTop=1440.5\r\nLeft=-300\r\n",
         [](const WindowSettings& w) { return w.top == 1440.5f && w.left == -300.0f; }},
        {"unreadable position", "[Window]\r\nTop=x\r\nLeft=1E+03\r\n",
         [](const WindowSettings& w) { return !w.top && w.left == 1000.0f; }},
        {"1000 pages at most", "[Window]\r\nPage=1000\r\nNow=1000\r\n",
         [](const WindowSettings& w) { return w.page == 1000 && w.now == 1000; }},
        {"more than 1000 pages keeps 1000", "[Window]\r\nPage=2000\r\nNow=1000\r\n",
         [](const WindowSettings& w) { return w.page == 1000 && w.now == 1000; }},
        {"negative refused", "[Window]\r\nPage=-1\r\n",
         [](const WindowSettings& w) { return w.page == 15; }},
        {"page beyond the last", "[Window]\r\nNow=16\r\nEndTopNo=16\r\n",
         [](const WindowSettings& w) { return w.now == 0 && w.endTopNo == 0; }},
        {"fixed start page", "[Window]\r\nEndTop=1\r\nEndTopNo=3\r\nNow=5\r\n",
         [](const WindowSettings& w) { return w.endTop && w.endTopNo == 3 && w.now == 5; }},
        {"flags must be exactly 1", "[Window]\r\nEndTop=2\r\nStartMin=1.4\r\n",
         [](const WindowSettings& w) { return !w.endTop && w.startMinimised; }},
        {"booleans", "[Window]\r\nTime=false\r\nTemae=0\r\n",
         [](const WindowSettings& w) { return !w.clock && !w.alwaysOnTop; }},
        {"unreadable booleans stay on", "[Window]\r\nTime=off\r\nTemae=\r\n",
         [](const WindowSettings& w) { return w.clock && w.alwaysOnTop; }},
    };
    for (const auto& c : cases) {
        auto store = storeWith(c.file);
        EXPECT_TRUE(c.holds(readWindowSettings(store))) << c.name;
    }
}

} // namespace
} // namespace vnovla::settings
