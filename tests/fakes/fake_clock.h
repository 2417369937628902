#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <vector>

namespace vnovla::test {

// Time that moves only when a test or a pause moves it. A pause returns at once, having
// advanced the clock by its length.
class FakeClock : public platform::Clock
{
public:
    std::int64_t nowMilliseconds() const override { return now_; }
    void pause(int milliseconds) override
    {
        pauses.push_back(milliseconds);
        now_ += milliseconds;
    }
    void advance(std::int64_t milliseconds) { now_ += milliseconds; }

    std::vector<int> pauses;

private:
    std::int64_t now_ = 0;
};

} // namespace vnovla::test
