#pragma once

#include "monitors/monitors_view.h"
#include "platform/sound.h"
#include "platform/system_readings.h"
#include "platform/wall_clock.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vnovla::test {

// Readings a test sets by hand; a drive path missing from space fails like a vanished drive.
class FakeReadings : public platform::SystemReadings
{
public:
    struct Space
    {
        std::int64_t total = 0;
        std::int64_t free = 0;
    };

    std::int32_t GetCpuBurdenPer() override { return cpu; }
    platform::MemoryStatus memoryStatus() override { return memory; }
    std::int64_t GetDiskSpace(const std::string& path, platform::DiskSpaceKind kind) override
    {
        queried.push_back(path);
        const auto found = space.find(path);
        if (found == space.end())
            return platform::kDiskSpaceFailed;
        switch (kind) {
        case platform::DiskSpaceKind::Total:
            return found->second.total;
        case platform::DiskSpaceKind::FreeToCaller:
        case platform::DiskSpaceKind::TotalFree:
            return found->second.free;
        }
        return 0;
    }
    std::vector<platform::Drive> drives() override { return mounted; }

    std::int32_t cpu = 0;
    platform::MemoryStatus memory;
    std::map<std::string, Space> space;
    std::vector<platform::Drive> mounted;
    std::vector<std::string> queried;
};

// Remembers what each gauge shows and counts the calls, so tests see what was redrawn.
class FakeMonitorsView : public monitors::MonitorsView
{
public:
    struct GaugeState
    {
        std::int32_t percent = 0;
        std::uint32_t background = 0;
        std::string tooltip;
        int barCalls = 0;
        int tooltipCalls = 0;
    };

    void setGaugeBar(monitors::Gauge gauge, std::int32_t percent, std::uint32_t background) override
    {
        GaugeState& state = gauges[monitors::indexOf(gauge)];
        state.percent = percent;
        state.background = background;
        ++state.barCalls;
    }
    void setGaugeTooltip(monitors::Gauge gauge, const std::string& text) override
    {
        GaugeState& state = gauges[monitors::indexOf(gauge)];
        state.tooltip = text;
        ++state.tooltipCalls;
    }
    void showDriveList(const std::vector<std::string>& labels, int selectedRow) override
    {
        driveListShown = true;
        driveLabels = labels;
        driveRow = selectedRow;
    }
    void hideDriveList() override { driveListShown = false; }

    const GaugeState& operator[](monitors::Gauge gauge) const
    {
        return gauges[monitors::indexOf(gauge)];
    }

    std::array<GaugeState, monitors::kGaugeCount> gauges;
    bool driveListShown = false;
    std::vector<std::string> driveLabels;
    int driveRow = -1;
};

class FakeWallClock : public platform::WallClock
{
public:
    platform::LocalTime localNow() const override { return now; }
    platform::LocalTime now;
};

class FakeSound : public platform::Sound
{
public:
    void beep() override { played.push_back("beep"); }
    bool playWave(const std::string& path) override
    {
        played.push_back(path);
        return wavePlays;
    }
    std::vector<std::string> played;
    bool wavePlays = true;
};

} // namespace vnovla::test
