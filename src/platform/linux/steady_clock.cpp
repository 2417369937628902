#include "platform/linux/steady_clock.h"

#include <chrono>
#include <thread>

namespace vnovla::platform::linux_desktop {

std::int64_t SteadyClock::nowMilliseconds() const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void SteadyClock::pause(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace vnovla::platform::linux_desktop
