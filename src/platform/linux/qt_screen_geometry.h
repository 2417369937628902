#pragma once

#include "platform/screen_geometry.h"

namespace vnovla::platform::linux_desktop {

// The screens Qt knows, without the panels and docks the desktop reserves.
class QtScreenGeometry : public ScreenGeometry
{
public:
    std::vector<PixelRect> availableScreens() const override;
};

} // namespace vnovla::platform::linux_desktop
