#pragma once

#include <string>

namespace vnovla::alarm {

// What the launcher window does for the alarm and the title-bar clock.
class AlarmView
{
public:
    virtual ~AlarmView() = default;

    // The launcher window's icon: the alarm dialog's while an alarm is pending, else its own.
    virtual void showAlarmIcon(bool alarm) = 0;
    // Runs or stops the 100 ms check that calls AlarmPresenter::TimerAlarm_Tick.
    virtual void runAlarmCheck(bool run) = 0;
    // Brings the launcher window to the front; it stays in the topmost band only when
    // keepTopmost, else it leaves the band again at once.
    virtual void bringLauncherToFront(bool keepTopmost) = 0;
    // Puts the launcher window back into the topmost band.
    virtual void putLauncherOnTop() = 0;
    // Shows the alarm dialog FrmAlarm, modeless and without an owner, or brings it forward
    // when it is still open. Its closing, however it happens, calls FrmAlarm_Unload.
    virtual void showAlarmDialog() = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

} // namespace vnovla::alarm
