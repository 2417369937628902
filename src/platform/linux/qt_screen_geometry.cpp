#include "platform/linux/qt_screen_geometry.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace vnovla::platform::linux_desktop {

std::vector<PixelRect> QtScreenGeometry::availableScreens() const
{
    std::vector<PixelRect> screens;
    const auto all = QGuiApplication::screens();
    for (const QScreen* screen : all) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return screens;
}

} // namespace vnovla::platform::linux_desktop
