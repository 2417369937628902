#include "platform/linux/linux_readings.h"

#include <gio/gio.h>
#include <gio/gunixmounts.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

namespace vnovla::platform::linux_desktop {

namespace {

// The user part of the address space when no limit is set: what the kernel gives a process
// of this architecture with 4 KiB pages.
constexpr std::uint64_t userAddressSpace()
{
#if defined(__x86_64__)
    return std::uint64_t{1} << 47;
#elif defined(__aarch64__)
    return std::uint64_t{1} << 48;
#else
    return sizeof(void*) == 4 ? std::uint64_t{3} << 30 : std::uint64_t{1} << 47;
#endif
}

// File systems that live on another machine: measuring them would stall the tick on a slow
// network, and they are no drive of this one.
bool isNetworkFileSystem(std::string_view type)
{
    constexpr std::array<std::string_view, 12> kNetwork{
        "nfs", "nfs4", "cifs",      "smb3", "smbfs",      "ncpfs",
        "afs", "ceph", "glusterfs", "9p",   "fuse.sshfs", "davfs"};
    return std::find(kNetwork.begin(), kNetwork.end(), type) != kNetwork.end();
}

} // namespace

LinuxReadings::LinuxReadings()
    : stat_(::open("/proc/stat", O_RDONLY | O_CLOEXEC)),
      meminfo_(::open("/proc/meminfo", O_RDONLY | O_CLOEXEC)),
      statm_(::open("/proc/self/statm", O_RDONLY | O_CLOEXEC))
{
    lastStatsPath_.reserve(256);
    // The first reading then covers the time since the window came up.
    previous_ = monitors::parseCpuTimes(readStart(stat_));
}

LinuxReadings::~LinuxReadings()
{
    for (const int file : {stat_, meminfo_, statm_}) {
        if (file >= 0)
            ::close(file);
    }
}

std::string_view LinuxReadings::readStart(int file)
{
    if (file < 0)
        return {};
    std::size_t filled = 0;
    while (filled < buffer_.size()) {
        const ssize_t got = ::pread(file, buffer_.data() + filled, buffer_.size() - filled,
                                    static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return std::string_view(buffer_.data(), filled);
}

std::int32_t LinuxReadings::GetCpuBurdenPer()
{
    const std::optional<monitors::CpuTimes> now = monitors::parseCpuTimes(readStart(stat_));
    if (!now) {
        previous_.reset();
        return 0;
    }
    const std::int32_t percent = previous_ ? monitors::busyPercent(*previous_, *now) : 0;
    previous_ = now;
    return percent;
}

MemoryStatus LinuxReadings::memoryStatus()
{
    MemoryStatus status;
    const std::string_view meminfo = readStart(meminfo_);
    const std::optional<std::uint64_t> total = monitors::kilobyteField(meminfo, "MemTotal");
    // Kernels before 3.14 have no MemAvailable; free memory is the nearest they offer.
    std::optional<std::uint64_t> available = monitors::kilobyteField(meminfo, "MemAvailable");
    if (!available)
        available = monitors::kilobyteField(meminfo, "MemFree");
    if (total && available) {
        status.totalPhysical = *total;
        status.availablePhysical = std::min(*available, *total);
    }

    rlimit limit{};
    std::uint64_t space = userAddressSpace();
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        space = std::min<std::uint64_t>(space, limit.rlim_cur);
    // statm is far cheaper for the kernel to write than status, which says the same.
    std::optional<std::uint64_t> used = monitors::firstNumber(readStart(statm_));
    if (used)
        *used *= static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    if (used) {
        status.totalVirtual = space;
        status.availableVirtual = *used < space ? space - *used : 0;
    }
    return status;
}

std::int64_t LinuxReadings::GetDiskSpace(const std::string& path, DiskSpaceKind kind)
{
    struct statvfs stats
    {
    };
    if (::statvfs(path.c_str(), &stats) != 0)
        return kDiskSpaceFailed;
    const auto bytes = [&stats](fsblkcnt_t blocks) {
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(blocks) * stats.f_frsize);
    };
    switch (kind) {
    case DiskSpaceKind::Total:
        return bytes(stats.f_blocks);
    case DiskSpaceKind::FreeToCaller:
        return bytes(stats.f_bavail);
    case DiskSpaceKind::TotalFree:
        return bytes(stats.f_bfree);
    }
    return 0;
}

std::vector<Drive> LinuxReadings::drives()
{
    std::vector<Drive> found;
    GList* mounts = g_unix_mounts_get(nullptr);
    for (GList* entry = mounts; entry; entry = entry->next) {
        auto* mount = static_cast<GUnixMountEntry*>(entry->data);
        const char* path = g_unix_mount_get_mount_path(mount);
        const char* type = g_unix_mount_get_fs_type(mount);
        const char* device = g_unix_mount_get_device_path(mount);
        // The kernel's own trees (/proc, /sys, /dev, /run) are no drives; the root is taken
        // below whatever its type.
        const bool wanted = path && type && !g_unix_is_system_fs_type(type) &&
                            !g_unix_is_mount_path_system_internal(path) &&
                            !(device && g_unix_is_system_device_path(device)) &&
                            !isNetworkFileSystem(type);
        const bool listed = std::any_of(found.begin(), found.end(),
                                        [path](const Drive& drive) { return drive.path == path; });
        if (wanted && !listed) {
            // A mount point may be any bytes; the list shows it readable, the query uses it
            // as it is.
            gchar* label = g_filename_display_name(path);
            found.push_back(Drive{label, path});
            g_free(label);
        }
        g_unix_mount_free(mount);
    }
    g_list_free(mounts);
    // The root is always offered, first, even when its file system is a system one (an
    // overlay in a container).
    const auto root = std::find_if(found.begin(), found.end(),
                                   [](const Drive& drive) { return drive.path == "/"; });
    if (root == found.end())
        found.insert(found.begin(), Drive{"/", "/"});
    else
        std::rotate(found.begin(), root, root + 1);
    return found;
}

} // namespace vnovla::platform::linux_desktop
