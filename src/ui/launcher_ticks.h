#pragma once

#include "alarm/alarm_presenter.h"
#include "monitors/monitors_presenter.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QWidget;

namespace vnovla::settings {
struct Options;
}

namespace vnovla::ui {

class AlarmDialog;
class GaugeWidget;

// The launcher window's timed parts: the gauges, the alarm and the title-bar clock. All the
// once-a-second work shares one timer, so an idle launcher wakes once a second; the alarm's
// 100 ms check runs only while an alarm is armed. The rules live in the two presenters; this
// only forwards the timers and draws.
class LauncherTicks : public QObject, public monitors::MonitorsView, public alarm::AlarmView
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget& window;
        std::array<GaugeWidget*, monitors::kGaugeCount> gauges;
        QComboBox* driveList;
        // Sets or clears the window's always-on-top state.
        std::function<void(bool)> setTopmost;
        std::function<bool()> alwaysOnTop;
        std::string title;
    };

    LauncherTicks(Parts parts, platform::SystemReadings& readings, alarm::AlarmServices services,
                  const settings::Options& options);
    ~LauncherTicks() override;

    // First readings, the caption, and the shared timer from now on.
    void start(bool clockOn);

    monitors::MonitorsPresenter& monitors() { return monitors_; }
    alarm::AlarmPresenter& alarm() { return alarm_; }
    const QTimer& secondTimer() const { return secondTimer_; }
    const QTimer& alarmTimer() const { return alarmTimer_; }

    // monitors::MonitorsView
    void setGaugeBar(monitors::Gauge gauge, std::int32_t percent,
                     std::uint32_t background) override;
    void setGaugeTooltip(monitors::Gauge gauge, const std::string& text) override;
    void showDriveList(const std::vector<std::string>& labels, int selectedRow) override;
    void hideDriveList() override;

    // alarm::AlarmView
    void showAlarmIcon(bool alarm) override;
    void runAlarmCheck(bool run) override;
    void bringLauncherToFront(bool keepTopmost) override;
    void putLauncherOnTop() override;
    void showAlarmDialog() override;
    void setCaption(const std::string& caption) override;

private:
    void secondTick();

    Parts parts_;
    monitors::MonitorsPresenter monitors_;
    alarm::AlarmPresenter alarm_;
    QTimer secondTimer_;
    QTimer alarmTimer_;
    QIcon alarmIcon_;
    QPointer<AlarmDialog> dialog_;
};

} // namespace vnovla::ui
