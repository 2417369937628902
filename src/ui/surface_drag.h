#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vnovla::ui {

// Drags a window by its surface: a left press arms it, and the next move with the left button
// held hands the window to the window manager, which moves it with the mouse until the button
// is released, as when the title bar is dragged.
class SurfaceDrag
{
public:
    void press() { armed_ = true; }
    void release() { armed_ = false; }

    // Whether this move started the window manager's move; the caller then takes the event.
    bool move(QWidget& window, const QMouseEvent& event)
    {
        if (!armed_ || !(event.buttons() & Qt::LeftButton))
            return false;
        armed_ = false;
        if (QWindow* handle = window.windowHandle())
            handle->startSystemMove();
        return true;
    }

private:
    bool armed_ = false;
};

} // namespace vnovla::ui
