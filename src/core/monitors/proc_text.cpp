#include "monitors/proc_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vnovla::monitors {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The next unsigned decimal number after blanks; the view moves past it.
std::optional<std::uint64_t> takeNumber(std::string_view& rest)
{
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    std::uint64_t value = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(result.ptr - rest.data()));
    if (!rest.empty() && !isBlank(rest.front()) && rest.front() != '\n')
        return std::nullopt;
    return value;
}

std::string_view lineStartingWith(std::string_view text, std::string_view prefix)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (line.substr(0, prefix.size()) == prefix)
            return line.substr(prefix.size());
        start = end + 1;
    }
    return {};
}

} // namespace

std::optional<CpuTimes> parseCpuTimes(std::string_view procStat)
{
    // user nice system idle iowait irq softirq steal [guest guest_nice]; guest time is
    // already inside user and nice, so it is not counted twice. Older kernels give only the
    // first four.
    std::string_view rest = lineStartingWith(procStat, "cpu ");
    if (rest.empty())
        return std::nullopt;
    constexpr int kCounted = 8;
    std::uint64_t fields[kCounted] = {};
    int read = 0;
    for (; read < kCounted; ++read) {
        const std::optional<std::uint64_t> value = takeNumber(rest);
        if (!value)
            break;
        fields[read] = *value;
    }
    if (read < 4)
        return std::nullopt;
    CpuTimes times;
    for (int i = 0; i < read; ++i) {
        if (fields[i] > std::numeric_limits<std::uint64_t>::max() - times.total)
            return std::nullopt;
        times.total += fields[i];
    }
    // idle and iowait are the time the processor had nothing to run.
    const std::uint64_t idle = fields[3] + (read > 4 ? fields[4] : 0);
    times.busy = times.total - idle;
    return times;
}

std::int32_t busyPercent(const CpuTimes& before, const CpuTimes& after)
{
    if (after.total <= before.total || after.busy < before.busy)
        return 0;
    const double total = static_cast<double>(after.total - before.total);
    const double busy = static_cast<double>(after.busy - before.busy);
    if (busy > total)
        return 100;
    return static_cast<std::int32_t>(std::lround(busy / total * 100));
}

std::optional<std::uint64_t> kilobyteField(std::string_view text, std::string_view name)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
            line[name.size()] != ':')
            continue;
        line.remove_prefix(name.size() + 1);
        const std::optional<std::uint64_t> value = takeNumber(line);
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        // Without the unit the line was cut short or means something else.
        if (!value || line != "kB" || *value > std::numeric_limits<std::uint64_t>::max() / 1024)
            return std::nullopt;
        return *value * 1024;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> firstNumber(std::string_view text)
{
    // A line cut before its first blank may have lost digits.
    if (text.find_first_of(" \n") == std::string_view::npos)
        return std::nullopt;
    return takeNumber(text);
}

} // namespace vnovla::monitors
