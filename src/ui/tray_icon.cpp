#include "ui/tray_icon.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace vnovla::ui {

namespace {

// How often a shown icon checks that the notification area still exists.
constexpr int kWatchMilliseconds = 2000;

// The application's icon, or a drawn "V" where the program has none installed: an icon
// without a picture is never shown in the notification area.
QIcon trayPicture()
{
    const QIcon own = QApplication::windowIcon();
    if (!own.isNull() && !own.availableSizes().isEmpty())
        return own;
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0, 0, 128));
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(26);
    painter.setFont(font);
    painter.setPen(QColor(Qt::yellow));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("V"));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this))
{
    icon_->setObjectName(QStringLiteral("TrayIcon"));
    icon_->setIcon(trayPicture());
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    Q_EMIT leftReleased();
                else if (reason == QSystemTrayIcon::Context)
                    Q_EMIT rightPressed();
            });
    watch_.setInterval(kWatchMilliseconds);
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (available())
            return;
        hide();
        Q_EMIT lost();
    });
}

bool TrayIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show(const QString& tip)
{
    icon_->setToolTip(tip);
    icon_->show();
    watch_.start();
}

void TrayIcon::hide()
{
    watch_.stop();
    icon_->hide();
}

bool TrayIcon::isShown() const
{
    return icon_->isVisible();
}

} // namespace vnovla::ui
