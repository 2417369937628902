#pragma once

namespace vnovla::platform {

// A moment of the local calendar and clock.
struct LocalTime
{
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int weekday = 6; // 0 = Sunday .. 6 = Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const LocalTime&) const = default;
};

// The local date and time of day, for what the user reads; timing uses Clock.
class WallClock
{
public:
    virtual ~WallClock() = default;
    virtual LocalTime localNow() const = 0;
};

} // namespace vnovla::platform
