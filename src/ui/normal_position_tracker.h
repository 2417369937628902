#pragma once

#include "pages/startup_state.h"
#include "platform/pixel_geometry.h"

#include <QObject>

class QWidget;

namespace vnovla::ui {

// Follows a top-level window's moves and changes of state for the position saved at exit,
// which is the normal window's even when the window is minimised, maximised or full screen.
class NormalPositionTracker : public QObject
{
    Q_OBJECT

public:
    // Watches window, which owns the tracker.
    explicit NormalPositionTracker(QWidget* window);

    // Where the normal window's frame stands now.
    platform::PixelPoint position();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    pages::WindowPlacement placement() const;

    QWidget* window_;
    pages::NormalWindowPosition normal_;
};

} // namespace vnovla::ui
