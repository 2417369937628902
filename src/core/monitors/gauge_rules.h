#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vnovla::monitors {

// The seven gauges of the launcher window, in their order under the buttons.
enum class Gauge : std::uint8_t {
    Cpu,      // PicCpu
    Physical, // PicButuri
    Virtual,  // PicKasou
    System,   // PicSys
    Gdi,      // PicGdi
    User,     // PicUser
    Drive,    // PicDrive
};
inline constexpr int kGaugeCount = 7;

constexpr std::size_t indexOf(Gauge gauge)
{
    return static_cast<std::size_t>(gauge);
}

// Colours are 0x00BBGGRR values, red in the low byte.
struct GaugeColours
{
    std::uint32_t bar;
    std::uint32_t background; // also the background when the gauge's tag is empty
};
GaugeColours defaultColours(Gauge gauge);

inline constexpr std::string_view kResourceMeterMissing =
    "リソースメーターがインストールされていません";

// Nearest whole number, halves to the even neighbour (62.5 -> 62, 63.5 -> 64). Values
// outside the 32-bit range, and NaN, give 0.
std::int32_t roundHalfEven(double value);

// 100 - available / total * 100, the share in use; 0 when total is 0.
double usedShare(double available, double total);

// The pixels of a gauge width wide that the bar of percent p covers: width * p / 100,
// clipped to the box, so a reading above 100 fills it and one below 0 leaves it empty.
int barWidth(int width, std::int32_t percent);

// The background colour that a gauge's tag names: its decimal text, or the fallback when
// the tag is empty or not a colour value.
std::uint32_t tagColour(std::string_view tag, std::uint32_t fallback);

// Appends value with its thousands grouped by separator ("#,##0").
void appendGrouped(std::string& out, std::uint64_t value, std::string_view separator);
void appendDecimal(std::string& out, std::int64_t value);

// The tooltips, written into out (cleared first, its capacity kept).
void cpuTooltip(std::string& out, std::int32_t load);
// Bytes in, whole MB (1024 * 1024, rounded down) out; each gauge keeps its own wording.
void physicalTooltip(std::string& out, std::uint64_t total, std::uint64_t available,
                     std::int32_t usage, std::string_view separator);
void virtualTooltip(std::string& out, std::uint64_t total, std::uint64_t available,
                    std::int32_t usage, std::string_view separator);
void driveTooltip(std::string& out, std::string_view drive, std::int64_t total, std::int64_t free,
                  std::string_view separator);

} // namespace vnovla::monitors
