// Once its readings settle, a tick of the gauges and the clock allocates nothing: this
// program counts every allocation made through operator new.

#include "alarm/alarm_presenter.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_monitors.h"
#include "monitors/monitors_presenter.h"
#include "settings/options.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace vnovla::test {
namespace {

class NullAlarmView : public alarm::AlarmView
{
public:
    void showAlarmIcon(bool) override {}
    void runAlarmCheck(bool) override {}
    void bringLauncherToFront(bool) override {}
    void putLauncherOnTop() override {}
    void showAlarmDialog() override {}
    void setCaption(const std::string&) override {}
};

TEST(SteadyTick, gaugesAndClockAllocateNothingOnceSettled)
{
    FakeReadings readings;
    FakeMonitorsView view;
    readings.space["/"] = {1 << 30, 1 << 29};
    readings.memory = {1ull << 33, 1ull << 32, 1ull << 47, 1ull << 46};
    monitors::MonitorsPresenter monitors(readings, view, ",");
    FakeClock clock;
    FakeWallClock wallClock;
    FakeSound sound;
    FakeDialogs dialogs;
    settings::Options options;
    NullAlarmView alarmView;
    alarm::AlarmPresenter alarm(
        {clock, wallClock, sound, dialogs}, options, alarmView, [] { return false; }, "title");
    alarm.startClock(true);
    monitors.start();
    readings.queried.reserve(64);
    readings.queried.clear();

    // The counter does see allocations.
    const long probe = allocations.load();
    delete new int(1);
    ASSERT_EQ(allocations.load() - probe, 1);

    const long before = allocations.load();
    for (int second = 0; second < 20; ++second) {
        readings.cpu = second % 7;
        readings.memory.availablePhysical += 1 << 20;
        wallClock.now.second = second;
        monitors.tick();
        alarm.tick();
        readings.queried.clear();
    }
    EXPECT_EQ(allocations.load() - before, 0);
}

} // namespace
} // namespace vnovla::test
