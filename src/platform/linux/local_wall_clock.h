#pragma once

#include "platform/wall_clock.h"

namespace vnovla::platform::linux_desktop {

// The local time as the C library's time zone gives it.
class LocalWallClock : public WallClock
{
public:
    LocalTime localNow() const override;
};

} // namespace vnovla::platform::linux_desktop
