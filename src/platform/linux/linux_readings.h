#pragma once

#include "monitors/proc_text.h"
#include "platform/system_readings.h"

#include <sys/statvfs.h>

#include <array>
#include <string>
#include <string_view>

namespace vnovla::platform::linux_desktop {

// The gauges' readings from the kernel's files under /proc, statvfs and GIO's list of unix
// mounts. Reads go into one buffer kept for the object's life.
class LinuxReadings : public SystemReadings
{
public:
    LinuxReadings();
    ~LinuxReadings() override;
    LinuxReadings(const LinuxReadings&) = delete;
    LinuxReadings& operator=(const LinuxReadings&) = delete;

    std::int32_t GetCpuBurdenPer() override;
    MemoryStatus memoryStatus() override;
    std::int64_t GetDiskSpace(const std::string& path, DiskSpaceKind kind) override;
    std::vector<Drive> drives() override;

private:
    // The start of a kernel file's text, read afresh from its beginning; empty when it
    // cannot be read.
    std::string_view readStart(int file);

    // The kernel files stay open: each tick reads them again from the start, which spares
    // the path lookups of opening them anew. A file missing at start stays unread (0).
    int stat_ = -1;
    int meminfo_ = -1;
    int statm_ = -1;
    std::array<char, 8192> buffer_{};
    std::optional<monitors::CpuTimes> previous_;
    // The free space asked right after the total of the same path comes from the same
    // answer, so that both counts describe one moment.
    struct statvfs lastStats_
    {
    };
    std::string lastStatsPath_;
    bool lastStatsUnused_ = false;
};

} // namespace vnovla::platform::linux_desktop
