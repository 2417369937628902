#include "ui/normal_position_tracker.h"

#include <QEvent>
#include <QWidget>

namespace vnovla::ui {

NormalPositionTracker::NormalPositionTracker(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

platform::PixelPoint NormalPositionTracker::position()
{
    const pages::WindowPlacement now = placement();
    normal_.update(now);
    return normal_.position(now);
}

bool NormalPositionTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ &&
        (event->type() == QEvent::Move || event->type() == QEvent::WindowStateChange))
        normal_.update(placement());
    return QObject::eventFilter(watched, event);
}

pages::WindowPlacement NormalPositionTracker::placement() const
{
    using State = pages::WindowPlacement::State;
    const State state = window_->isMinimized() ? State::Minimised
                        : window_->isMaximized() || window_->isFullScreen()
                            ? State::FillingTheScreen
                            : State::Normal;
    const QRect client = window_->geometry();
    return {state, {window_->x(), window_->y()}, {client.x(), client.y()}};
}

} // namespace vnovla::ui
