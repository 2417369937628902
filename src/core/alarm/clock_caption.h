#pragma once

#include "platform/wall_clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace vnovla::alarm {

// The title-bar clock: "hh:mm:ss", two blanks, "yyyy/mm/dd(aaa)" with the one-character
// Japanese weekday, written into out (cleared first, its capacity kept).
void clockCaption(std::string& out, const platform::LocalTime& time);

// The minutes typed for an alarm: a decimal number, fractions and an exponent allowed, with
// blanks around it; full-width digits and signs as a Japanese input method types them read
// like their ASCII forms. Nothing for anything else, and for a delay too long to mean a
// time (more than kMaximumAlarmMinutes either way).
inline constexpr double kMaximumAlarmMinutes = 10'000'000; // about 19 years
std::optional<double> parseAlarmMinutes(std::string_view text);

} // namespace vnovla::alarm
