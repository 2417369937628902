#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

namespace vnovla::ui {

// For start-up benchmarks: installed on a window, ends the event loop after the window's first
// paint and prints the milliseconds since `sinceStart` began on standard error. The quit is
// queued so that the paint finishes and reaches the screen before the loop stops.
class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(const QElapsedTimer& sinceStart) : sinceStart_(sinceStart) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "first frame after %lld ms\n",
                             static_cast<long long>(sinceStart_.elapsed()));
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& sinceStart_;
    bool painted_ = false;
};

} // namespace vnovla::ui
