// The gauges' readings against the machine itself: each agrees with what the kernel's files
// and df say over the same moment.

#include "platform/linux/canberra_sound.h"
#include "platform/linux/linux_readings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace vnovla::test {
namespace {

using platform::linux_desktop::LinuxReadings;

struct Sample
{
    double busy = 0;
    double total = 0;
};

// /proc/stat's summary line read the plain way, independent of the launcher's reader.
Sample cpuSample()
{
    std::ifstream stat("/proc/stat");
    std::string label;
    stat >> label;
    Sample sample;
    double idle = 0;
    for (int field = 0; field < 8; ++field) {
        double value = 0;
        stat >> value;
        sample.total += value;
        if (field == 3 || field == 4)
            idle += value;
    }
    sample.busy = sample.total - idle;
    return sample;
}

std::uint64_t meminfoBytes(const std::string& name)
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t value = 0;
    std::string unit;
    while (meminfo >> key >> value >> unit) {
        if (key == name + ":")
            return value * 1024;
    }
    return 0;
}

TEST(LinuxReadings, cpuLoadAgreesWithProcStatUnderABusyChild)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        volatile unsigned spin = 0;
        for (;;)
            spin = static_cast<unsigned>(spin) + 1;
    }
    LinuxReadings readings;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    readings.GetCpuBurdenPer();
    const Sample before = cpuSample();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const Sample after = cpuSample();
    const int load = readings.GetCpuBurdenPer();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    const double expected = (after.busy - before.busy) / (after.total - before.total) * 100;
    EXPECT_NEAR(load, expected, 5);
    const long processors = std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
    EXPECT_GE(load, 100.0 / static_cast<double>(processors) * 0.6) << "the busy child shows";
}

TEST(LinuxReadings, memoryAgreesWithMeminfoAndTheProcessStatus)
{
    LinuxReadings readings;
    const platform::MemoryStatus status = readings.memoryStatus();
    const double total = static_cast<double>(meminfoBytes("MemTotal"));
    EXPECT_EQ(static_cast<double>(status.totalPhysical), total);
    EXPECT_NEAR(static_cast<double>(status.availablePhysical),
                static_cast<double>(meminfoBytes("MemAvailable")), total * 0.01);

    EXPECT_GT(status.totalVirtual, 0u);
    std::ifstream self("/proc/self/status");
    std::string line;
    std::uint64_t sizeKb = 0;
    while (std::getline(self, line)) {
        if (line.rfind("VmSize:", 0) == 0)
            sizeKb = std::stoull(line.substr(7));
    }
    const double used = static_cast<double>(status.totalVirtual - status.availableVirtual);
    EXPECT_NEAR(used, static_cast<double>(sizeKb * 1024),
                static_cast<double>(sizeKb * 1024) * 0.01);
}

TEST(LinuxReadings, driveSpaceAgreesWithDf)
{
    LinuxReadings readings;
    const std::int64_t total = readings.GetDiskSpace("/", platform::DiskSpaceKind::Total);
    const std::int64_t free = readings.GetDiskSpace("/", platform::DiskSpaceKind::FreeToCaller);
    FILE* df = popen("df -B1 --output=size,avail / | tail -1", "r");
    ASSERT_NE(df, nullptr);
    long long dfSize = 0;
    long long dfAvail = 0;
    ASSERT_EQ(fscanf(df, "%lld %lld", &dfSize, &dfAvail), 2);
    pclose(df);
    EXPECT_NEAR(static_cast<double>(total), static_cast<double>(dfSize), dfSize * 0.01);
    EXPECT_NEAR(static_cast<double>(free), static_cast<double>(dfAvail), dfSize * 0.01);
}

TEST(LinuxReadings, oddPathsAreMeasuredAndMissingOnesFail)
{
    TempDir dir;
    const std::string odd = (dir.path() / "with blank \xff\xfe").string();
    ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
    LinuxReadings readings;
    struct statvfs expected
    {
    };
    ASSERT_EQ(statvfs(dir.path().c_str(), &expected), 0);
    EXPECT_EQ(readings.GetDiskSpace(odd, platform::DiskSpaceKind::Total),
              static_cast<std::int64_t>(expected.f_blocks * expected.f_frsize));
    EXPECT_EQ(readings.GetDiskSpace(odd + "/gone", platform::DiskSpaceKind::Total),
              platform::kDiskSpaceFailed);
    EXPECT_EQ(readings.GetDiskSpace(odd, static_cast<platform::DiskSpaceKind>(7)), 0);
}

TEST(LinuxReadings, driveListStartsAtTheRootWithReadableLabels)
{
    LinuxReadings readings;
    const std::vector<platform::Drive> drives = readings.drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front().path, "/");
    for (const platform::Drive& drive : drives) {
        EXPECT_NE(drive.path.rfind("/proc", 0), 0u) << drive.path;
        EXPECT_NE(drive.path.rfind("/sys", 0), 0u) << drive.path;
        EXPECT_FALSE(drive.label.empty());
    }
}

TEST(CanberraSound, waveFilesThatCannotPlayAreReported)
{
    TempDir dir;
    writeBytes(dir / "notes.wav", "not a sound at all");
    platform::linux_desktop::CanberraSound sound;
    for (const std::string& path : {std::string(), (dir / "missing.wav").string(),
                                    dir.path().string(), (dir / "notes.wav").string()})
        EXPECT_FALSE(sound.playWave(path)) << path;
}

} // namespace
} // namespace vnovla::test
