#pragma once

#include <chrono>
#include <filesystem>

namespace vnovla::profile {

// How long a writer waits for the lock while the file it guards does not change before it gives
// up and says so. A write holds the lock for milliseconds; a lock held this long without the
// file changing belongs to a program that hangs. A queue of writers that keep replacing the
// file is progress, however long it is, and is waited for.
inline constexpr std::chrono::milliseconds kWriteLockTimeout{5000};

// The lock file of a profile file: "." + its name + ".lock", in the same folder. Scripts that
// edit a profile with other tools can take the same lock (flock(1)) and stay safe.
std::filesystem::path lockFileOf(const std::filesystem::path& profileFile);

// An exclusive advisory lock (flock) on a lock file, held from reading a profile file to having
// replaced it. Without it two writers each read the file, change their own copy and rename it
// over the file, and the last rename silently drops the other's change. The lock file is never
// removed: a writer that removed it could leave the next two writers locking different files.
class WriteLock
{
public:
    enum class Result {
        Locked,
        Busy,   // another writer held it for the whole timeout, the guarded file unchanged
        Failed, // the lock file cannot be opened or locked; error() says why
    };

    WriteLock() = default;
    ~WriteLock() { unlock(); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // Creates the lock file if needed and waits for the lock until `guarded` has not changed
    // for `timeout`.
    Result lock(const std::filesystem::path& lockFile, const std::filesystem::path& guarded,
                std::chrono::milliseconds timeout);
    void unlock();
    // The errno of a Failed lock.
    int error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace vnovla::profile
