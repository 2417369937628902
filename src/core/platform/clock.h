#pragma once

#include <cstdint>

namespace vnovla::platform {

// Time as the launcher's rules see it, so that tests can move it by hand.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds on a monotonic clock; only differences mean anything.
    virtual std::int64_t nowMilliseconds() const = 0;

    // Blocks the calling (user-interface) thread. The pause after a launch is deliberately
    // blocking: it gives a started program time to come up before the next one starts.
    virtual void pause(int milliseconds) = 0;
};

} // namespace vnovla::platform
