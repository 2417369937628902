#pragma once

#include <QObject>
#include <QTimer>

class QSystemTrayIcon;

namespace vnovla::ui {

// The launcher's one icon in the desktop's notification area. It reports the left release
// and the right press on the icon, and that the notification area went away while the icon
// was shown, so that a hidden window never becomes unreachable.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject* parent = nullptr);

    static bool available();
    void show(const QString& tip);
    void hide();
    bool isShown() const;

Q_SIGNALS:
    void leftReleased();
    void rightPressed();
    void lost();

private:
    QSystemTrayIcon* icon_ = nullptr;
    QTimer watch_;
};

} // namespace vnovla::ui
