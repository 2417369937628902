#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vnovla::monitors {

// Readers of the kernel's text files behind the gauges. They take whatever text a read gave,
// which in a container or on a strange kernel may be missing, cut short or laid out
// differently: anything they cannot read gives nothing, never a guess.

// The processor time counters of the summary "cpu" line of /proc/stat, in clock ticks.
struct CpuTimes
{
    std::uint64_t busy = 0;
    std::uint64_t total = 0;
    bool operator==(const CpuTimes&) const = default;
};
std::optional<CpuTimes> parseCpuTimes(std::string_view procStat);

// The share of busy time between two samples in percent, rounded to nearest; 0 when no
// time passed or a counter went backwards (a counter reset or a different machine).
std::int32_t busyPercent(const CpuTimes& before, const CpuTimes& after);

// A "Name:   1234 kB" field of /proc/meminfo or /proc/self/status, in bytes.
std::optional<std::uint64_t> kilobyteField(std::string_view text, std::string_view name);

// The first field of /proc/self/statm, the process's address space in pages.
std::optional<std::uint64_t> firstNumber(std::string_view text);

} // namespace vnovla::monitors
