#include "profile/write_lock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vnovla::profile {

std::filesystem::path lockFileOf(const std::filesystem::path& profileFile)
{
    // Built in steps: GCC 12 at -O3 takes "." + string for an overlapping copy (-Wrestrict).
    std::string name = ".";
    name += profileFile.filename().string();
    name += ".lock";
    return profileFile.parent_path() / name;
}

namespace {

// What changes whenever a writer replaces or edits a file.
struct FileVersion
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};

    static FileVersion of(const std::filesystem::path& file)
    {
        FileVersion version;
        struct stat info
        {
        };
        if (::stat(file.c_str(), &info) == 0)
            version = {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
        return version;
    }
    bool operator==(const FileVersion& other) const
    {
        const auto same = [](const timespec& a, const timespec& b) {
            return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
        };
        return device == other.device && inode == other.inode && size == other.size &&
               same(modified, other.modified) && same(changed, other.changed);
    }
};

} // namespace

WriteLock::Result WriteLock::lock(const std::filesystem::path& lockFile,
                                  const std::filesystem::path& guarded,
                                  std::chrono::milliseconds timeout)
{
    unlock();
    const char* const path = lockFile.c_str();
    fd_ = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    // A lock file made by another user (root running a script, say) may not be writable for
    // us; flock needs only an open file, so reading rights will do.
    if (fd_ < 0 && errno == EACCES)
        fd_ = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        error_ = errno;
        return Result::Failed;
    }
    // flock has no timed wait; short, growing pauses keep an idle lock from waiting long for
    // its next writer while a hundred waiters cost next to no processor time.
    auto deadline = std::chrono::steady_clock::now() + timeout;
    FileVersion seen = FileVersion::of(guarded);
    auto pause = std::chrono::microseconds(500);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return Result::Locked;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK) {
            unlock();
            error_ = error;
            return Result::Failed;
        }
        const auto now = std::chrono::steady_clock::now();
        if (const FileVersion version = FileVersion::of(guarded); !(version == seen)) {
            seen = version;
            deadline = now + timeout;
        }
        if (now >= deadline) {
            unlock();
            return Result::Busy;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::microseconds(10'000));
    }
}

void WriteLock::unlock()
{
    // Closing the last descriptor of the open file releases the flock.
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vnovla::profile
