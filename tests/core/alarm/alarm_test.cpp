#include "alarm/alarm_presenter.h"
#include "alarm/clock_caption.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_monitors.h"
#include "settings/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::test {
namespace {

using alarm::AlarmState;

class FakeAlarmView : public alarm::AlarmView
{
public:
    void showAlarmIcon(bool alarm) override { events.push_back(alarm ? "alarm icon" : "own icon"); }
    void runAlarmCheck(bool run) override
    {
        checking = run;
        events.push_back(run ? "check on" : "check off");
    }
    void bringLauncherToFront(bool keepTopmost) override
    {
        events.push_back(keepTopmost ? "front topmost" : "front");
    }
    void putLauncherOnTop() override { events.push_back("topmost"); }
    void showAlarmDialog() override { events.push_back("dialog"); }
    void setCaption(const std::string& text) override
    {
        caption = text;
        ++captions;
    }

    std::vector<std::string> events;
    bool checking = false;
    std::string caption;
    int captions = 0;
};

class AlarmFixture : public ::testing::Test
{
protected:
    using Events = std::vector<std::string>;

    // Steps the 100 ms check for milliseconds, as the window's timer would.
    void run(int milliseconds)
    {
        for (int passed = 0; passed < milliseconds && view.checking; passed += 100) {
            clock.advance(100);
            presenter.TimerAlarm_Tick();
        }
    }

    FakeClock clock;
    FakeWallClock wallClock;
    FakeSound sound;
    FakeDialogs dialogs;
    settings::Options options;
    FakeAlarmView view;
    bool onTop = false;
    alarm::AlarmPresenter presenter{{clock, wallClock, sound, dialogs},
                                    options,
                                    view,
                                    [this] { return onTop; },
                                    "VESKA NOVLA Ver.0.10"};
};

TEST_F(AlarmFixture, oneMinuteGoesOffWithinOneCheckOfItsTime)
{
    presenter.MnuAlarm1m_Click();
    EXPECT_EQ(presenter.state(), AlarmState::Armed);
    EXPECT_EQ(view.events, (Events{"alarm icon", "check on"}));
    run(59'900);
    EXPECT_TRUE(sound.played.empty());
    run(100);
    EXPECT_EQ(sound.played, (std::vector<std::string>{"beep"}));
    EXPECT_EQ(view.events, (Events{"alarm icon", "check on", "check off", "front", "dialog"}));
    EXPECT_EQ(presenter.state(), AlarmState::Shown);

    presenter.FrmAlarm_Unload();
    EXPECT_EQ(view.events.back(), "own icon");
    EXPECT_EQ(presenter.state(), AlarmState::Idle);
}

TEST_F(AlarmFixture, rearmingMovesTheDueTime)
{
    presenter.MnuAlarm5m_Click();
    run(60'000);
    presenter.MnuAlarm1m_Click();
    run(59'900);
    EXPECT_TRUE(sound.played.empty());
    run(100);
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(view.events.front(), "alarm icon");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "alarm icon"), 1);
}

TEST_F(AlarmFixture, armedBeforeMidnightGoesOffAfterIt)
{
    wallClock.now = {2026, 12, 9, 3, 23, 58, 30};
    presenter.MnuAlarm3m_Click();
    wallClock.now = {2026, 12, 10, 4, 0, 1, 30};
    run(180'000);
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(AlarmFixture, typedMinutes)
{
    struct Row
    {
        std::optional<std::string> typed;
        std::optional<int> dueAfterMilliseconds; // nothing: refused
    };
    const Row rows[] = {
        {"1.5", 90'000}, {"0", 0},    {"-1", 0},   {" 2 ", 120'000},   {"０５", 300'000},
        {"1e-1", 6'000}, {"abc", {}}, {"", {}},    {std::nullopt, {}}, {"1e9", {}},
        {"1,5", {}},     {"inf", {}}, {"nan", {}}, {"5分", {}},        {"--1", {}},
    };
    for (const Row& row : rows) {
        FakeClock freshClock;
        FakeDialogs freshDialogs;
        FakeAlarmView freshView;
        FakeSound freshSound;
        alarm::AlarmPresenter fresh{{freshClock, wallClock, freshSound, freshDialogs},
                                    options,
                                    freshView,
                                    [] { return false; },
                                    "title"};
        if (row.typed)
            freshDialogs.inputAnswers.push_back(*row.typed);
        fresh.MnuAlarmSum_Click();
        ASSERT_EQ(freshDialogs.inputPrompts.size(), 1u);
        EXPECT_EQ(freshDialogs.inputPrompts[0].prompt, "分単位で入力してください。");
        EXPECT_EQ(freshDialogs.inputPrompts[0].caption, "ｱﾗｰﾑ時刻設定");
        const std::string typed = row.typed.value_or("(cancel)");
        if (!row.dueAfterMilliseconds) {
            ASSERT_EQ(freshDialogs.messages.size(), 1u) << typed;
            EXPECT_EQ(freshDialogs.messages[0].text, "時刻の指定が正しくありません。");
            EXPECT_EQ(freshDialogs.messages[0].caption, "VESKA NOVLA");
            EXPECT_EQ(fresh.state(), AlarmState::Idle) << typed;
            EXPECT_TRUE(freshView.events.empty()) << typed;
            continue;
        }
        EXPECT_TRUE(freshDialogs.messages.empty()) << typed;
        freshClock.advance(*row.dueAfterMilliseconds - 1);
        fresh.TimerAlarm_Tick();
        if (*row.dueAfterMilliseconds > 0) {
            EXPECT_EQ(fresh.state(), AlarmState::Armed) << typed;
        }
        freshClock.advance(1);
        fresh.TimerAlarm_Tick();
        EXPECT_EQ(fresh.state(), AlarmState::Shown) << typed;
    }
}

TEST_F(AlarmFixture, refusedEntryLeavesAPendingAlarmAlone)
{
    presenter.MnuAlarm1m_Click();
    dialogs.inputAnswers.push_back("abc");
    presenter.MnuAlarmSum_Click();
    EXPECT_EQ(presenter.state(), AlarmState::Armed);
    run(60'000);
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(AlarmFixture, soundAndDialogFollowTheOptions)
{
    struct Row
    {
        settings::CheckState soundOn;
        settings::AlarmSound sound;
        bool wavePlays;
        settings::CheckState show;
        bool onTop;
        std::vector<std::string> played;
        Events events; // after arming
    };
    using settings::AlarmSound;
    using settings::CheckState;
    const Row rows[] = {
        {CheckState::Checked,
         AlarmSound::Beep,
         true,
         CheckState::Unchecked,
         false,
         {"beep"},
         {"check off", "own icon"}},
        {CheckState::Checked,
         AlarmSound::WaveFile,
         true,
         CheckState::Checked,
         true,
         {"a.wav"},
         {"check off", "front topmost", "dialog"}},
        // A wave file that will not play is replaced by the beep.
        {CheckState::Checked,
         AlarmSound::WaveFile,
         false,
         CheckState::Checked,
         false,
         {"a.wav", "beep"},
         {"check off", "front", "dialog"}},
        {CheckState::Greyed,
         AlarmSound::Beep,
         true,
         CheckState::Greyed,
         false,
         {},
         {"check off", "own icon"}},
    };
    for (const Row& row : rows) {
        options.alarmSoundOn = row.soundOn;
        options.sound = row.sound;
        options.soundPath = "a.wav";
        options.alarmShow = row.show;
        sound.wavePlays = row.wavePlays;
        sound.played.clear();
        onTop = row.onTop;
        presenter.arm(0);
        view.events.clear();
        presenter.TimerAlarm_Tick();
        EXPECT_EQ(sound.played, row.played);
        EXPECT_EQ(view.events, row.events);
        presenter.FrmAlarm_Unload();
    }
}

TEST_F(AlarmFixture, closingTheDialogKeepsTheIconOfANewerAlarm)
{
    onTop = true;
    presenter.arm(0);
    presenter.TimerAlarm_Tick();
    presenter.MnuAlarm1m_Click();
    view.events.clear();
    presenter.FrmAlarm_Unload();
    EXPECT_EQ(view.events, (Events{"topmost"}));
    EXPECT_EQ(presenter.state(), AlarmState::Armed);
}

// ---- Clock --------------------------------------------------------------------------------

TEST(ClockCaption, timeTwoBlanksAndTheJapaneseDate)
{
    struct Row
    {
        platform::LocalTime time;
        const char* caption;
    };
    const Row rows[] = {
        {{2026, 12, 10, 4, 9, 5, 7}, "09:05:07  2026/12/10(木)"},
        {{2026, 12, 13, 0, 0, 0, 0}, "00:00:00  2026/12/13(日)"},
        {{999, 1, 2, 6, 23, 59, 59}, "23:59:59  0999/01/02(土)"},
    };
    for (const Row& row : rows) {
        std::string out = "old text";
        alarm::clockCaption(out, row.time);
        EXPECT_EQ(out, row.caption);
    }
}

TEST_F(AlarmFixture, clockRewritesTheCaptionOnlyWhileOnAndOnlyWhenItChanges)
{
    presenter.startClock(true);
    EXPECT_EQ(view.caption, "VESKA NOVLA Ver.0.10");
    wallClock.now = {2026, 12, 9, 3, 23, 59, 59};
    presenter.tick();
    EXPECT_EQ(view.caption, "23:59:59  2026/12/09(水)");
    presenter.tick();
    EXPECT_EQ(view.captions, 2) << "the same text is not set again";
    wallClock.now = {2026, 12, 10, 4, 0, 0, 0};
    presenter.tick();
    EXPECT_EQ(view.caption, "00:00:00  2026/12/10(木)");

    presenter.clockSwitched(false);
    EXPECT_EQ(view.caption, "VESKA NOVLA Ver.0.10") << "at once, not at the next tick";
    wallClock.now.second = 1;
    presenter.tick();
    EXPECT_EQ(view.caption, "VESKA NOVLA Ver.0.10");
}

} // namespace
} // namespace vnovla::test
