#include "monitors/gauge_rules.h"

#include "settings/value_conversion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace vnovla::monitors {

namespace {

constexpr std::array<GaugeColours, kGaugeCount> kDefaults{{
    {16761024, 12582912}, // Cpu
    {12648384, 32768},    // Physical
    {16761087, 16512},    // Virtual
    {12632256, 0},        // System
    {12632319, 16512},    // Gdi
    {16777152, 8421376},  // User
    {12648447, 32896},    // Drive
}};

constexpr std::uint64_t kMegabyte = 1024 * 1024;

void memoryTooltip(std::string& out, std::string_view prefix, std::string_view free,
                   std::uint64_t total, std::uint64_t available, std::int32_t usage,
                   std::string_view separator)
{
    out.clear();
    out += prefix;
    appendGrouped(out, total / kMegabyte, separator);
    out += "Mb";
    out += free;
    appendGrouped(out, available / kMegabyte, separator);
    out += "Mb 使用率";
    appendDecimal(out, usage);
    out += '%';
}

} // namespace

GaugeColours defaultColours(Gauge gauge)
{
    return kDefaults.at(indexOf(gauge));
}

std::int32_t roundHalfEven(double value)
{
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max()))
        return 0;
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(value));
}

double usedShare(double available, double total)
{
    if (total == 0)
        return 0;
    return 100 - available / total * 100;
}

int barWidth(int width, std::int32_t percent)
{
    if (width <= 0)
        return 0;
    const double right = static_cast<double>(width) * percent / 100;
    if (right <= 0)
        return 0;
    if (right >= width)
        return width;
    return static_cast<int>(std::lround(right));
}

std::uint32_t tagColour(std::string_view tag, std::uint32_t fallback)
{
    const std::optional<std::int32_t> value = settings::toInt32(tag);
    if (!value)
        return fallback;
    return static_cast<std::uint32_t>(*value);
}

void appendDecimal(std::string& out, std::int64_t value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

void appendGrouped(std::string& out, std::uint64_t value, std::string_view separator)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const auto count = static_cast<std::size_t>(result.ptr - digits.data());
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
}

void cpuTooltip(std::string& out, std::int32_t load)
{
    out.clear();
    out += "CPU使用率 ";
    appendDecimal(out, load);
    out += '%';
}

void physicalTooltip(std::string& out, std::uint64_t total, std::uint64_t available,
                     std::int32_t usage, std::string_view separator)
{
    memoryTooltip(out, "物理ﾒﾓﾘ 総", " 空", total, available, usage, separator);
}

void virtualTooltip(std::string& out, std::uint64_t total, std::uint64_t available,
                    std::int32_t usage, std::string_view separator)
{
    memoryTooltip(out, "仮想ﾒﾓﾘ 総", " 空き", total, available, usage, separator);
}

void driveTooltip(std::string& out, std::string_view drive, std::int64_t total, std::int64_t free,
                  std::string_view separator)
{
    out.clear();
    out += "ﾄﾞﾗｲﾌﾞ";
    out += drive;
    out += " 空";
    appendGrouped(out, static_cast<std::uint64_t>(free) / kMegabyte, separator);
    out += "MB 総";
    appendGrouped(out, static_cast<std::uint64_t>(total) / kMegabyte, separator);
    out += "MB ";
    // The tooltip reads the share rounded down while the bar takes the nearest.
    const double used = usedShare(static_cast<double>(free), static_cast<double>(total));
    appendDecimal(out, static_cast<std::int64_t>(std::floor(used)));
    out += "%使用";
}

} // namespace vnovla::monitors
