#include "alarm/alarm_presenter.h"

#include "alarm/clock_caption.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/sound.h"
#include "platform/wall_clock.h"
#include "settings/options.h"

#include <cmath>
#include <optional>
#include <utility>

namespace vnovla::alarm {

namespace {

constexpr std::string_view kApplicationTitle = "VESKA NOVLA";

} // namespace

AlarmPresenter::AlarmPresenter(AlarmServices services, const settings::Options& options,
                               AlarmView& view, std::function<bool()> alwaysOnTop,
                               std::string title)
    : services_(services), options_(options), view_(view), alwaysOnTop_(std::move(alwaysOnTop)),
      title_(std::move(title))
{
    caption_.reserve(64);
    nextCaption_.reserve(64);
}

void AlarmPresenter::arm(double seconds)
{
    // Due on the monotonic clock: an alarm set before midnight goes off after it.
    dueMilliseconds_ =
        services_.clock.nowMilliseconds() + static_cast<std::int64_t>(std::llround(seconds * 1000));
    if (state_ != AlarmState::Armed)
        view_.showAlarmIcon(true);
    state_ = AlarmState::Armed;
    view_.runAlarmCheck(true);
}

void AlarmPresenter::MnuAlarmSum_Click()
{
    const std::optional<std::string> answer = services_.dialogs.inputBox(
        std::string(kAlarmPrompt), std::string(kAlarmInputTitle), std::string());
    const std::optional<double> minutes =
        answer ? parseAlarmMinutes(*answer) : std::optional<double>();
    if (!minutes) {
        services_.dialogs.message(std::string(kAlarmInputError), std::string(kApplicationTitle),
                                  platform::DialogIcon::None);
        return;
    }
    arm(*minutes * 60);
}

void AlarmPresenter::TimerAlarm_Tick()
{
    if (state_ != AlarmState::Armed || services_.clock.nowMilliseconds() < dueMilliseconds_)
        return;
    view_.runAlarmCheck(false);

    if (options_.alarmSoundOn == settings::CheckState::Checked) {
        if (options_.sound == settings::AlarmSound::Beep)
            services_.sound.beep();
        // A wave file that cannot be played still lets the alarm be heard.
        else if (!services_.sound.playWave(options_.soundPath))
            services_.sound.beep();
    }
    if (options_.alarmShow == settings::CheckState::Checked) {
        view_.bringLauncherToFront(alwaysOnTop_());
        state_ = AlarmState::Shown;
        view_.showAlarmDialog();
        return;
    }
    // Nothing will be closed to end this alarm: it ends here, and so does its icon.
    state_ = AlarmState::Idle;
    view_.showAlarmIcon(false);
}

void AlarmPresenter::FrmAlarm_Unload()
{
    // An alarm armed while the dialog was open keeps its icon.
    if (state_ == AlarmState::Shown) {
        state_ = AlarmState::Idle;
        view_.showAlarmIcon(false);
    }
    if (alwaysOnTop_())
        view_.putLauncherOnTop();
}

void AlarmPresenter::startClock(bool on)
{
    clockOn_ = on;
    setCaption(title_);
}

void AlarmPresenter::tick()
{
    if (!clockOn_)
        return;
    clockCaption(nextCaption_, services_.wallClock.localNow());
    setCaption(nextCaption_);
}

bool AlarmPresenter::alarmMenu_Click(std::string_view name)
{
    if (name == "MnuAlarm1m")
        MnuAlarm1m_Click();
    else if (name == "MnuAlarm3m")
        MnuAlarm3m_Click();
    else if (name == "MnuAlarm5m")
        MnuAlarm5m_Click();
    else if (name == "MnuAlarmSum")
        MnuAlarmSum_Click();
    else
        return false;
    return true;
}

void AlarmPresenter::clockSwitched(bool on)
{
    clockOn_ = on;
    // Switched off, the title returns at once; switched on, the time shows from the next tick.
    if (!on)
        setCaption(title_);
}

void AlarmPresenter::setCaption(const std::string& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    view_.setCaption(caption_);
}

} // namespace vnovla::alarm
