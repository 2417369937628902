#pragma once

#include "platform/clock.h"

namespace vnovla::platform::linux_desktop {

class SteadyClock : public Clock
{
public:
    std::int64_t nowMilliseconds() const override;
    // Sleeps on the calling thread: the user-interface thread stops on purpose, so that a
    // started program can come up before the next one starts.
    void pause(int milliseconds) override;
};

} // namespace vnovla::platform::linux_desktop
