#include "ui/launcher_ticks.h"

#include "ui/alarm_dialog.h"
#include "ui/colour_values.h"
#include "ui/gauge_widget.h"
#include "ui/translation.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QWidget>

namespace vnovla::ui {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon alarmClockIcon()
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("alarm-symbolic"));
    if (icon.isNull())
        icon = QIcon::fromTheme(QStringLiteral("appointment-soon"));
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    return icon;
}

// The thousands separator of the user's locale, as UTF-8.
std::string groupSeparator()
{
    return QLocale::system().groupSeparator().toStdString();
}

// 260 twips: how far the drive list opens above the drive gauge.
constexpr double kDriveListRise = 260;

} // namespace

LauncherTicks::LauncherTicks(Parts parts, platform::SystemReadings& readings,
                             alarm::AlarmServices services, const settings::Options& options)
    : parts_(std::move(parts)), monitors_(readings, *this, groupSeparator()),
      alarm_(services, options, *this, parts_.alwaysOnTop, parts_.title)
{
    // A child of the window so that it can be found like its other parts; the window's
    // member that owns it deletes it first, which takes it out of the window's children.
    setParent(&parts_.window);
    secondTimer_.setInterval(1000);
    connect(&secondTimer_, &QTimer::timeout, this, &LauncherTicks::secondTick);
    alarmTimer_.setInterval(100);
    connect(&alarmTimer_, &QTimer::timeout, this, [this] { alarm_.TimerAlarm_Tick(); });

    GaugeWidget* drive = parts_.gauges[monitors::indexOf(monitors::Gauge::Drive)];
    connect(drive, &GaugeWidget::doubleClicked, this, [this] { monitors_.PicDrive_DblClick(); });
    connect(parts_.driveList, qOverload<int>(&QComboBox::activated), this,
            [this](int row) { monitors_.Drive1_Change(row); });
}

LauncherTicks::~LauncherTicks()
{
    // The dialog has no owner; it goes with the window.
    delete dialog_.data();
}

void LauncherTicks::start(bool clockOn)
{
    monitors_.start();
    alarm_.startClock(clockOn);
    secondTimer_.start();
}

void LauncherTicks::secondTick()
{
    monitors_.tick();
    alarm_.tick();
}

void LauncherTicks::setGaugeBar(monitors::Gauge gauge, std::int32_t percent,
                                std::uint32_t background)
{
    parts_.gauges[monitors::indexOf(gauge)]->setBar(
        percent, toQColor(static_cast<options::ColourValue>(background), QApplication::palette()));
}

void LauncherTicks::setGaugeTooltip(monitors::Gauge gauge, const std::string& text)
{
    parts_.gauges[monitors::indexOf(gauge)]->setToolTip(translated(text));
}

void LauncherTicks::showDriveList(const std::vector<std::string>& labels, int selectedRow)
{
    QComboBox* list = parts_.driveList;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& label : labels)
            list->addItem(fromUtf8(label));
        list->setCurrentIndex(selectedRow);
    }
    const GaugeWidget* drive = parts_.gauges[monitors::indexOf(monitors::Gauge::Drive)];
    const QPoint gaugeTop = drive->mapTo(&parts_.window, QPoint(0, 0));
    const int rise = twipsToPixels(kDriveListRise, parts_.window.logicalDpiY());
    list->setGeometry(gaugeTop.x(), gaugeTop.y() - rise, drive->width(), list->height());
    list->show();
    list->raise();
    list->setFocus();
}

void LauncherTicks::hideDriveList()
{
    parts_.driveList->hide();
}

void LauncherTicks::showAlarmIcon(bool alarm)
{
    if (alarm) {
        if (alarmIcon_.isNull())
            alarmIcon_ = alarmClockIcon();
        parts_.window.setWindowIcon(alarmIcon_);
    } else {
        // Back to the program's own icon.
        parts_.window.setWindowIcon(QIcon());
    }
}

void LauncherTicks::runAlarmCheck(bool run)
{
    if (run)
        alarmTimer_.start();
    else
        alarmTimer_.stop();
}

void LauncherTicks::bringLauncherToFront(bool keepTopmost)
{
    if (keepTopmost)
        putLauncherOnTop();
    parts_.window.raise();
    parts_.window.activateWindow();
}

void LauncherTicks::putLauncherOnTop()
{
    if (!parts_.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        parts_.setTopmost(true);
}

void LauncherTicks::showAlarmDialog()
{
    if (!dialog_) {
        if (alarmIcon_.isNull())
            alarmIcon_ = alarmClockIcon();
        dialog_ = new AlarmDialog(alarmIcon_);
        connect(dialog_, &QDialog::finished, this, [this] { alarm_.FrmAlarm_Unload(); });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void LauncherTicks::setCaption(const std::string& caption)
{
    parts_.window.setWindowTitle(fromUtf8(caption));
}

} // namespace vnovla::ui
