#include "platform/linux/qt_screen_geometry.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

namespace vnovla::platform::linux_desktop {

std::vector<PixelRect> QtScreenGeometry::availableScreens() const
{
    std::vector<PixelRect> screens;
    // Qt lists the primary screen first on X11 but not on every platform.
    auto all = QGuiApplication::screens();
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const auto at = std::find(all.begin(), all.end(), primary);
        if (at != all.end())
            std::rotate(all.begin(), at, at + 1);
    }
    for (const QScreen* screen : all) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return screens;
}

} // namespace vnovla::platform::linux_desktop
