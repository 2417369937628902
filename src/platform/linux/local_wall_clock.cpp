#include "platform/linux/local_wall_clock.h"

#include <ctime>

namespace vnovla::platform::linux_desktop {

LocalTime LocalWallClock::localNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!::localtime_r(&now, &local))
        return {};
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace vnovla::platform::linux_desktop
