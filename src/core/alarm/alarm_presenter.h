#pragma once

#include "alarm/alarm_view.h"
#include "pages/timed_commands.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vnovla::settings {
struct Options;
}
namespace vnovla::platform {
class Clock;
class Dialogs;
class Sound;
class WallClock;
} // namespace vnovla::platform

namespace vnovla::alarm {

inline constexpr std::string_view kAlarmPrompt = "分単位で入力してください。";
inline constexpr std::string_view kAlarmInputTitle = "ｱﾗｰﾑ時刻設定";
inline constexpr std::string_view kAlarmInputError = "時刻の指定が正しくありません。";

enum class AlarmState {
    Idle,  // no alarm pending, the launcher shows its own icon
    Armed, // due time set, alarm icon, the 100 ms check running
    Shown, // went off with its dialog, which is still open
};

struct AlarmServices
{
    platform::Clock& clock; // monotonic: due times survive midnight and clock changes
    platform::WallClock& wallClock;
    platform::Sound& sound;
    platform::Dialogs& dialogs;
};

// The one-shot alarm and the title-bar clock. The window runs tick() from its shared 1 s
// timer and TimerAlarm_Tick() every 100 ms while an alarm is armed.
class AlarmPresenter : public pages::TimedCommands
{
public:
    // options are read when the alarm goes off, so unconfirmed changes already count;
    // alwaysOnTop answers whether the launcher's always-on-top item is checked; title is the
    // caption while the clock is off.
    AlarmPresenter(AlarmServices services, const settings::Options& options, AlarmView& view,
                   std::function<bool()> alwaysOnTop, std::string title);

    // ---- Alarm ----
    // Arms (or re-arms) the alarm seconds from now.
    void arm(double seconds);
    void MnuAlarm1m_Click() { arm(60); }
    void MnuAlarm3m_Click() { arm(180); }
    void MnuAlarm5m_Click() { arm(300); }
    // Asks for the minutes; an entry that is no number, or Cancel, is refused with a message
    // and changes nothing.
    void MnuAlarmSum_Click();
    void TimerAlarm_Tick();
    // The alarm dialog closed, by "OK" or otherwise.
    void FrmAlarm_Unload();
    AlarmState state() const { return state_; }

    // ---- Title-bar clock ----
    // Start-up: the caption is the title either way; with the clock on the time follows at
    // the next tick.
    void startClock(bool on);
    // The shared 1 s tick: rewrites the caption while the clock is on and it reads differently.
    void tick();
    bool clockOn() const { return clockOn_; }

    // pages::TimedCommands
    bool alarmMenu_Click(std::string_view name) override;
    void clockSwitched(bool on) override;

private:
    void setCaption(const std::string& caption);

    AlarmServices services_;
    const settings::Options& options_;
    AlarmView& view_;
    std::function<bool()> alwaysOnTop_;
    std::string title_;

    AlarmState state_ = AlarmState::Idle;
    std::int64_t dueMilliseconds_ = 0;
    bool clockOn_ = false;
    std::string caption_;
    std::string nextCaption_;
};

} // namespace vnovla::alarm
