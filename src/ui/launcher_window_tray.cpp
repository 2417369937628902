// The launcher window's side of the task tray: the icon, hiding and restoring the window,
// and its state changes reported to the presenter.
#include "ui/launcher_window.h"

#include "ui/tray_icon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QString>
#include <QTimer>

#include <string>

namespace vnovla::ui {

namespace {

// How long after a restore from the tray a report of a minimised window is taken as stale.
constexpr qint64 kRestoreSettleMs = 500;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void LauncherWindow::buildTrayIcon()
{
    trayIcon_ = new TrayIcon(this);
    connect(trayIcon_, &TrayIcon::leftReleased, this,
            [this] { presenter_->trayIcon_Mouse(pages::TrayMouse::LeftRelease); });
    connect(trayIcon_, &TrayIcon::rightPressed, this,
            [this] { presenter_->trayIcon_Mouse(pages::TrayMouse::RightPress); });
    connect(trayIcon_, &TrayIcon::lost, this, [this] { presenter_->trayIcon_Lost(); });
}

bool LauncherWindow::trayAvailable() const
{
    return TrayIcon::available();
}

void LauncherWindow::enterTray()
{
    hide();
    trayIcon_->show(
        fromUtf8(pages::trayTip(VNOVLA_VERSION_MAJOR, VNOVLA_VERSION_MINOR, VNOVLA_VERSION_PATCH)));
}

void LauncherWindow::removeTrayIcon()
{
    trayIcon_->hide();
}

void LauncherWindow::restoreWindow()
{
    showNormal();
    sinceRestore_.start();
}

void LauncherWindow::bringToFront()
{
    raise();
    activateWindow();
}

void LauncherWindow::popUpTrayMenu()
{
    // The menu closes on Esc or a click elsewhere only when the launcher owns the keyboard.
    activateWindow();
    QCoreApplication::processEvents();
    syncMenus();
    popUp(trayMenu_, QCursor::pos());
}

void LauncherWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Later, once the change is complete: showMinimized() changes the state before it shows
    // the window, which would show a window the tray had just hidden.
    // A hidden window's state changes are the tray's own doing: withdrawing the minimised
    // window makes X11 report it as no longer minimised, which is no restore by the user.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        // The window manager may map a window withdrawn while minimised as minimised again
        // when it comes back; that is no minimise by the user, so the restore is repeated.
        if (isMinimized() && sinceRestore_.isValid() &&
            !sinceRestore_.hasExpired(kRestoreSettleMs)) {
            showNormal();
            return;
        }
        presenter_->Form_Resize(isMinimized() ? pages::WindowState::Minimised
                                              : pages::WindowState::Normal);
    });
}

} // namespace vnovla::ui
