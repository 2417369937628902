#pragma once

#include "profile/encoding.h"
#include "profile/write_lock.h"
#include "profile/write_status.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {

class ProfileDocument;

// One write of a batch: section, key and value as UTF-8 text.
struct ProfileWrite
{
    std::string section;
    std::string key;
    std::string value;
};

// Whether a write first keeps the file as it was in the backup folder beside it: for edits
// that remove or overwrite registrations.
enum class Backup {
    No,
    First,
};

// The longest value a read returns, in bytes of the file's encoding: what fits a
// 1024-byte buffer with its terminating NUL.
inline constexpr std::size_t kMaxValueBytes = 1023;

// One profile file with the semantics of the Windows profile functions.
//
// Every read sees the file as it is on disk now, but the parsed file is kept and parsed
// again only when the file's identity (device, inode, size, modification and change time)
// differs from the one last seen. Every write replaces the file atomically and durably and
// keeps every byte it does not have to change. Writers in any process take turns on the file's
// write lock and read the file afresh under it, so no writer drops another's change.
class ProfileFile
{
public:
    explicit ProfileFile(std::filesystem::path path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // While a ReadScope is open, the file is checked for changes once, at its first read: the
    // reads of one page draw then see one version of the file and cost one system call, not
    // forty. Writes always look at the file as it is.
    class ReadScope
    {
    public:
        explicit ReadScope(ProfileFile& file) : file_(file)
        {
            if (file_.scopeDepth_++ == 0)
                file_.checkedInScope_ = false;
        }
        ~ReadScope() { --file_.scopeDepth_; }
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        ProfileFile& file_;
    };

    // The value as GetPrivateProfileString returns it (trimmed, one pair of enclosing quotes
    // removed, at most kMaxValueBytes bytes in the file's encoding, cut at the first NUL),
    // converted to UTF-8. A missing file, section or key gives the empty text.
    std::string read(std::string_view section, std::string_view key);
    // The same value as bytes in the file's own encoding.
    std::string readRaw(std::string_view section, std::string_view key);

    // Writes one value, creating the file, the section and the key as needed.
    WriteStatus write(std::string_view section, std::string_view key, std::string_view value);
    // Writes several values as one replacement of the file: all of them or, on failure,
    // none. Invalid names or values refuse the whole batch before anything changes.
    WriteStatus write(std::span<const ProfileWrite> writes, Backup backup = Backup::No);
    // Replaces the whole file by the given bytes in one atomic step, keeping a backup of it
    // first: a restore from a backup.
    WriteStatus replaceContents(const std::string& bytes);

    // Names as the file spells them, converted to UTF-8, first occurrence only, in file order.
    std::vector<std::string> sectionNames();
    std::vector<std::string> keyNames(std::string_view section);

    // The encoding of the file as it is now; a missing file counts as CP932.
    TextEncoding encoding();

    // Whether the file, as the last read or write found it, exists but cannot be read (a
    // folder, a device, no permission): reads then give the same empty text as a missing key.
    bool unreadable() const { return state_ == State::Unreadable; }
    const std::string& unreadableReason() const { return unreadableReason_; }

    // How long a write waits for other writers of the file.
    void setLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }

private:
    struct Identity
    {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = -1;
        std::int64_t modifiedNs = 0;
        std::int64_t changedNs = 0;
        bool operator==(const Identity&) const = default;
    };
    enum class State { Missing, Loaded, Unreadable };

    enum class Check { OncePerScope, Always };
    // Brings the parsed document up to date with the file on disk.
    void refresh(Check check = Check::OncePerScope);
    WriteStatus commit(const std::string& bytes, const std::filesystem::path& target);
    // Takes the write lock of target, or says why it cannot.
    WriteStatus lockForWrite(WriteLock& lock, const std::filesystem::path& target) const;
    WriteStatus backUpAndCommit(const std::string& bytes, const std::filesystem::path& target,
                                Backup backup);

    std::filesystem::path path_;
    std::unique_ptr<ProfileDocument> document_;
    State state_ = State::Missing;
    Identity identity_;
    std::string unreadableReason_;
    bool cacheValid_ = false;
    int scopeDepth_ = 0;
    bool checkedInScope_ = false;
    std::chrono::milliseconds lockTimeout_ = kWriteLockTimeout;
};

} // namespace vnovla::profile
