#pragma once

#include "monitors/gauge_rules.h"
#include "monitors/monitors_view.h"
#include "platform/system_readings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::monitors {

// The seven gauges under the buttons: the processor, memory, resource and drive readings and
// their tooltips. The window calls tick() once a second from its one shared timer; the
// presenter tells the view only what changed since the last tick.
class MonitorsPresenter
{
public:
    // separator groups thousands in the tooltips, the user's locale's.
    MonitorsPresenter(platform::SystemReadings& readings, MonitorsView& view,
                      std::string separator);

    // Start-up: the resource meter does not exist here, so its three gauges show that once
    // and never change; the first readings follow at once.
    void start();
    // The work of the CPU, memory and drive timers, in that order.
    void tick();

    // The background colour a gauge's tag holds as decimal text (the colour scheme sets it);
    // an empty or unreadable tag gives the gauge's default background from the next tick on.
    void setTag(Gauge gauge, std::string tag);
    const std::string& tag(Gauge gauge) const { return tags_[indexOf(gauge)]; }

    // A double-click on the drive gauge: the drive list opens above it, listing the mounted
    // drives afresh.
    void PicDrive_DblClick();
    // A drive was picked in the list: it is measured from the next tick on and the list closes.
    void Drive1_Change(int row);
    // The drive the gauge measures: "/" at start; the choice is not saved.
    const platform::Drive& drive() const { return drive_; }

private:
    struct Shown
    {
        std::int32_t percent = 0;
        std::uint32_t background = 0;
        std::string tooltip;
        bool drawn = false;
    };
    void tickCpu();
    void tickMemory();
    void tickDrive();
    std::uint32_t background(Gauge gauge) const;
    void show(Gauge gauge, std::int32_t percent);
    // Sets the tooltip from text_ when it reads differently.
    void showTooltip(Gauge gauge);

    platform::SystemReadings& readings_;
    MonitorsView& view_;
    std::string separator_;
    std::array<std::string, kGaugeCount> tags_;
    std::array<Shown, kGaugeCount> shown_;
    // The tooltip being built; its capacity stays from tick to tick.
    std::string text_;
    platform::Drive drive_{"/", "/"};
    std::vector<platform::Drive> listed_;
};

} // namespace vnovla::monitors
