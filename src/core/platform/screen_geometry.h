#pragma once

#include "platform/pixel_geometry.h"

#include <vector>

namespace vnovla::platform {

// The screens the launcher window may be placed on.
class ScreenGeometry
{
public:
    virtual ~ScreenGeometry() = default;

    // The part of each screen that windows may use (without panels and docks), in the
    // desktop's device-independent pixels, the primary screen first. Empty when the desktop
    // does not say.
    virtual std::vector<PixelRect> availableScreens() const = 0;
};

} // namespace vnovla::platform
