#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::platform {

// Byte counts of the machine's memory and of this process's address space. A field the
// system did not give reads 0.
struct MemoryStatus
{
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
    bool operator==(const MemoryStatus&) const = default;
};

// One mounted local file system the drive gauge can measure.
struct Drive
{
    std::string label; // what the drive list shows, valid UTF-8
    std::string path;  // the mount point as the file system spells it (any bytes)
    bool operator==(const Drive&) const = default;
};

// What the disk-space query returns by kind.
enum class DiskSpaceKind : std::int16_t {
    Total = 0,
    FreeToCaller = 1,
    TotalFree = 2,
};
inline constexpr std::int64_t kDiskSpaceFailed = -1;

// The readings behind the launcher's gauges. Every call is made on the user-interface thread
// once a second, so an implementation keeps its buffers and allocates nothing per call.
class SystemReadings
{
public:
    virtual ~SystemReadings() = default;

    // The processor load in percent since the previous call; 0 when it cannot be read.
    virtual std::int32_t GetCpuBurdenPer() = 0;
    virtual MemoryStatus memoryStatus() = 0;
    // Bytes of the file system that holds path; kDiskSpaceFailed when it cannot be queried,
    // 0 for an unknown kind.
    virtual std::int64_t GetDiskSpace(const std::string& path, DiskSpaceKind kind) = 0;
    // The mounted local file systems, in mount order.
    virtual std::vector<Drive> drives() = 0;
};

} // namespace vnovla::platform
