#pragma once

#include "monitors/proc_text.h"
#include "platform/system_readings.h"

#include <array>
#include <string_view>

namespace vnovla::platform::linux_desktop {

// The gauges' readings from the kernel's files under /proc, statvfs and GIO's list of unix
// mounts. Reads go into one buffer kept for the object's life.
class LinuxReadings : public SystemReadings
{
public:
    LinuxReadings();

    std::int32_t GetCpuBurdenPer() override;
    MemoryStatus memoryStatus() override;
    std::int64_t GetDiskSpace(const std::string& path, DiskSpaceKind kind) override;
    std::vector<Drive> drives() override;

private:
    // The start of a file's text; empty when it cannot be read.
    std::string_view readStart(const char* path);

    std::array<char, 8192> buffer_{};
    std::optional<monitors::CpuTimes> previous_;
};

} // namespace vnovla::platform::linux_desktop
