#pragma once

#include "monitors/gauge_rules.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::monitors {

// What the gauge row shows on the presenter's word. Each call is made only when what it sets
// changed, so a front end may redraw on every call.
class MonitorsView
{
public:
    virtual ~MonitorsView() = default;

    // Fills the gauge with background and draws the bar of percent over it (barWidth).
    virtual void setGaugeBar(Gauge gauge, std::int32_t percent, std::uint32_t background) = 0;
    virtual void setGaugeTooltip(Gauge gauge, const std::string& text) = 0;
    // Shows the drive list Drive1 above the drive gauge with labels, selectedRow chosen, and
    // gives it the focus.
    virtual void showDriveList(const std::vector<std::string>& labels, int selectedRow) = 0;
    virtual void hideDriveList() = 0;
};

} // namespace vnovla::monitors
