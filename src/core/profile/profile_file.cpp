#include "profile/profile_file.h"

#include "profile/profile_backup.h"

#include "profile/profile_document.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vnovla::profile {
namespace {

// A profile file larger than this is not a launcher's profile; reading it would only tie
// up memory. It reads as empty and is never replaced.
constexpr std::int64_t kMaxFileBytes = 256LL * 1024 * 1024;
constexpr int kMaxSymlinkDepth = 40;
constexpr const char* kLockHeldByAnother =
    "は他のプログラムが書き込みのためにロックしたまま進まないため、保存できませんでした。";

std::string errorText(int error)
{
    return std::strerror(error);
}

std::string quoted(const std::filesystem::path& path)
{
    return "「" + path.string() + "」";
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::int64_t nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool readAll(int fd, std::string& out, std::size_t size)
{
    out.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, out.data() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break; // the file shrank while being read; what was read is what there is
        done += static_cast<std::size_t>(got);
    }
    out.resize(done);
    // The file may also have grown; take the rest too.
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        out.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<std::int64_t>(out.size()) > kMaxFileBytes)
            return false;
    }
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// A symlinked profile is replaced at its target, so that the link survives the write.
std::filesystem::path resolveLinks(std::filesystem::path path)
{
    for (int depth = 0; depth < kMaxSymlinkDepth; ++depth) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)))
            return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Validates one write before anything changes. Windows would write such text as it is and
// so add lines, keys or sections that were never asked for.
WriteStatus checkWrite(std::string_view section, std::string_view key, std::string_view value)
{
    const auto hasLineBreak = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    const auto trimmedEmpty = [](std::string_view text) {
        for (const char c : text) {
            if (!isProfileBlank(c))
                return false;
        }
        return true;
    };
    const auto firstNonBlank = [](std::string_view text) {
        for (const char c : text) {
            if (!isProfileBlank(c))
                return c;
        }
        return '\0';
    };
    using Code = WriteStatus::Code;
    if (!isValidUtf8(section) || !isValidUtf8(key) || !isValidUtf8(value))
        return WriteStatus::failure(Code::InvalidValue,
                                    "文字コードが正しくない文字列は保存できません。");
    if (trimmedEmpty(section) || hasLineBreak(section) ||
        section.find(']') != std::string_view::npos)
        return WriteStatus::failure(
            Code::InvalidName, "セクション名「" + std::string(section) +
                                   "」は空であるか、改行または「]」を含むため保存できません。");
    if (trimmedEmpty(key) || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
        firstNonBlank(key) == '[')
        return WriteStatus::failure(
            Code::InvalidName,
            "キー名「" + std::string(key) +
                "」は空であるか、改行・「=」を含むか「[」で始まるため保存できません。");
    if (hasLineBreak(value))
        return WriteStatus::failure(Code::InvalidValue, "改行を含む値は保存できません（キー「" +
                                                            std::string(key) + "」）。");
    return {};
}

// Names and values in the document's text encoding.
struct EncodedWrite
{
    std::string section, key, value;
};

std::optional<EncodedWrite> encodeFor(const ProfileWrite& write, TextEncoding textEncoding)
{
    if (textEncoding != TextEncoding::Cp932)
        return EncodedWrite{write.section, write.key, write.value};
    auto section = utf8ToCp932(write.section);
    auto key = utf8ToCp932(write.key);
    auto value = utf8ToCp932(write.value);
    if (!section || !key || !value)
        return std::nullopt;
    return EncodedWrite{std::move(*section), std::move(*key), std::move(*value)};
}

std::string toUtf8(std::string_view text, TextEncoding textEncoding)
{
    return textEncoding == TextEncoding::Cp932 ? cp932ToUtf8(text) : std::string(text);
}

} // namespace

ProfileFile::ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

ProfileFile::~ProfileFile() = default;

void ProfileFile::refresh(Check check)
{
    // A failed write leaves its edits in the document; then only the disk can tell the truth.
    const bool documentTrusted = cacheValid_ || state_ != State::Loaded;
    if (check == Check::OncePerScope && scopeDepth_ > 0 && checkedInScope_ && documentTrusted)
        return;
    checkedInScope_ = true;
    struct stat info
    {
    };
    if (::stat(path_.c_str(), &info) != 0) {
        const int error = errno;
        cacheValid_ = false;
        document_.reset();
        if (error == ENOENT || error == ENOTDIR) {
            state_ = State::Missing;
        } else {
            state_ = State::Unreadable;
            unreadableReason_ = errorText(error);
        }
        return;
    }
    const Identity now{static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino),
                       static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
                       nanoseconds(info.st_ctim)};
    if (cacheValid_ && now == identity_)
        return;

    cacheValid_ = false;
    document_.reset();
    identity_ = now;
    if (!S_ISREG(info.st_mode)) {
        state_ = State::Unreadable;
        unreadableReason_ = "通常のファイルではありません";
        return;
    }
    if (now.size > kMaxFileBytes) {
        state_ = State::Unreadable;
        unreadableReason_ = "ファイルが大きすぎます";
        return;
    }
    FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    std::string bytes;
    if (fd.get() < 0 || !readAll(fd.get(), bytes, static_cast<std::size_t>(now.size))) {
        state_ = State::Unreadable;
        unreadableReason_ = errorText(errno);
        return;
    }
    document_ = std::make_unique<ProfileDocument>(ProfileDocument::parse(std::move(bytes)));
    state_ = State::Loaded;
    cacheValid_ = true;
}

std::string ProfileFile::readRaw(std::string_view section, std::string_view key)
{
    refresh();
    if (state_ != State::Loaded)
        return {};
    const TextEncoding textEncoding = document_->textEncoding();
    const auto encodedSection = textEncoding == TextEncoding::Cp932
                                    ? utf8ToCp932(section)
                                    : std::optional<std::string>(section);
    const auto encodedKey =
        textEncoding == TextEncoding::Cp932 ? utf8ToCp932(key) : std::optional<std::string>(key);
    // A name with no form in the file's encoding cannot be in the file.
    if (!encodedSection || !encodedKey)
        return {};
    const auto found = document_->findValue(*encodedSection, *encodedKey);
    if (!found)
        return {};
    std::string_view value = *found;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    value = value.substr(0, value.find('\0'));
    value = cutAtCharacter(value, kMaxValueBytes, textEncoding);
    switch (document_->encoding()) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return utf8ToUtf16(value, document_->encoding());
    case TextEncoding::Cp932:
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        break;
    }
    return std::string(value);
}

std::string ProfileFile::read(std::string_view section, std::string_view key)
{
    std::string raw = readRaw(section, key);
    if (raw.empty() || state_ != State::Loaded)
        return raw;
    switch (document_->encoding()) {
    case TextEncoding::Cp932:
        return cp932ToUtf8(raw);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return utf16ToUtf8Lossy(raw, document_->encoding());
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        break;
    }
    return raw;
}

WriteStatus ProfileFile::write(std::string_view section, std::string_view key,
                               std::string_view value)
{
    const ProfileWrite single{std::string(section), std::string(key), std::string(value)};
    return write(std::span<const ProfileWrite>(&single, 1));
}

WriteStatus ProfileFile::lockForWrite(WriteLock& lock, const std::filesystem::path& target) const
{
    using Code = WriteStatus::Code;
    switch (lock.lock(lockFileOf(target), target, lockTimeout_)) {
    case WriteLock::Result::Locked:
        break;
    case WriteLock::Result::Busy:
        return WriteStatus::failure(Code::Busy, quoted(path_) + kLockHeldByAnother);
    case WriteLock::Result::Failed:
        return WriteStatus::failure(Code::Io,
                                    quoted(path_) + "に保存できませんでした（ロックファイル" +
                                        quoted(lockFileOf(target)) +
                                        "を使えません: " + errorText(lock.error()) + "）。");
    }
    return {};
}

WriteStatus ProfileFile::write(std::span<const ProfileWrite> writes, Backup backup)
{
    for (const ProfileWrite& w : writes) {
        if (WriteStatus status = checkWrite(w.section, w.key, w.value); !status)
            return status;
    }
    using Code = WriteStatus::Code;
    const std::filesystem::path target = resolveLinks(path_);
    WriteLock lock;
    if (WriteStatus locked = lockForWrite(lock, target); !locked)
        return locked;
    // Another writer may have replaced the file since it was last read: what is changed and
    // written back must be the file as it is now, under the lock.
    refresh(Check::Always);
    if (state_ == State::Unreadable)
        return WriteStatus::failure(
            Code::Io, quoted(path_) + "を読み込めないため、上書きせずに保存を中止しました（" +
                          unreadableReason_ + "）。");
    if (state_ == State::Missing)
        document_ = std::make_unique<ProfileDocument>();
    if (!document_->lossless())
        return WriteStatus::failure(
            Code::Unconvertible,
            quoted(path_) + "に読めない文字があるため、内容を失わないよう保存を中止しました。");

    // Encode everything first: one value CP932 cannot hold turns the whole file into UTF-8
    // before any change, so no character is ever replaced or dropped.
    bool changed = false;
    std::vector<EncodedWrite> encoded;
    encoded.reserve(writes.size());
    for (const ProfileWrite& w : writes) {
        auto e = encodeFor(w, document_->textEncoding());
        if (e) {
            encoded.push_back(std::move(*e));
            continue;
        }
        if (!document_->convertToUtf8WithBom()) {
            return WriteStatus::failure(Code::Unconvertible,
                                        quoted(path_) +
                                            "には Shift_JIS として正しくない部分があり、UTF-8 "
                                            "に切り替えられないため保存できません。");
        }
        changed = true;
        encoded.clear();
        for (const ProfileWrite& all : writes)
            encoded.push_back(EncodedWrite{all.section, all.key, all.value});
        break;
    }
    for (const EncodedWrite& e : encoded)
        changed = document_->setValue(e.section, e.key, e.value) || changed;
    if (!changed)
        return {};
    std::string bytes = document_->serialize();
    // CP932 text can happen to form valid UTF-8 (ﾅｲ is C5 B2) and would then read back as
    // other characters; such a file is kept as UTF-8 with a byte-order mark instead.
    if (document_->encoding() == TextEncoding::Cp932 &&
        detectEncoding(bytes) != TextEncoding::Cp932) {
        if (!document_->convertToUtf8WithBom()) {
            cacheValid_ = false;
            return WriteStatus::failure(Code::Unconvertible,
                                        quoted(path_) +
                                            "には Shift_JIS として正しくない部分があり、UTF-8 "
                                            "に切り替えられないため保存できません。");
        }
        bytes = document_->serialize();
    }
    return backUpAndCommit(bytes, target, backup);
}

WriteStatus ProfileFile::backUpAndCommit(const std::string& bytes,
                                         const std::filesystem::path& target, Backup backup)
{
    if (backup == Backup::No)
        return commit(bytes, target);
    BackupResult kept = backUp(target);
    if (!kept.status) {
        // The file stays as it was; the cached document holds the refused change.
        cacheValid_ = false;
        return std::move(kept.status);
    }
    WriteStatus status = commit(bytes, target);
    // A backup of a file that did not change would only push an older one out.
    if (!status && !kept.made.empty()) {
        std::error_code ignored;
        std::filesystem::remove(kept.made, ignored);
    }
    return status;
}

WriteStatus ProfileFile::replaceContents(const std::string& bytes)
{
    const std::filesystem::path target = resolveLinks(path_);
    WriteLock lock;
    if (WriteStatus locked = lockForWrite(lock, target); !locked)
        return locked;
    return backUpAndCommit(bytes, target, Backup::First);
}

WriteStatus ProfileFile::commit(const std::string& bytes, const std::filesystem::path& target)
{
    // Until the new file is in place the document no longer matches the disk; any failure
    // below leaves the next read to load the file as it really is.
    cacheValid_ = false;
    const auto fail = [this](const std::string& what, int error) {
        return WriteStatus::failure(WriteStatus::Code::Io, quoted(path_) +
                                                               "に保存できませんでした（" + what +
                                                               ": " + errorText(error) + "）。");
    };

    // The replacement keeps the permissions (and, where allowed, the owner) of the file it
    // replaces; a new file gets what the user's umask gives any new file.
    struct stat old
    {
    };
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // The rename would go around a file's own protection, since it needs only the folder's.
    // A file nobody may write was write-protected on purpose and stays so even for root, who
    // passes every permission check (editors treat such a file as read-only too).
    if (replacing && (old.st_mode & 0222) == 0)
        return fail("書き込みが禁止されています", EACCES);
    if (replacing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return fail("書き込みが禁止されています", errno);

    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // Built in steps: GCC 12 at -O3 takes "." + string for an overlapping copy (-Wrestrict).
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return fail("一時ファイルを作成できません", errno);
    const auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fail(what, error);
    };

    if (replacing) {
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0)
            return abandon("権限を設定できません");
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            // Only the owner's rights matter here; an ordinary user cannot give files away.
        }
    } else if (::fchmod(fd.get(), 0666 & ~currentUmask()) != 0) {
        return abandon("権限を設定できません");
    }
    if (!writeAll(fd.get(), bytes))
        return abandon("書き込めません");
    if (::fsync(fd.get()) != 0)
        return abandon("ディスクに書き出せません");
    struct stat written
    {
    };
    if (::fstat(fd.get(), &written) != 0)
        return abandon("書き込んだファイルを確認できません");
    if (::close(fd.release()) != 0)
        return abandon("書き込めません");
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return abandon("置き換えられません");
    // The rename itself must reach the disk too, or a crash could bring the old file back.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());

    identity_ = Identity{static_cast<std::uint64_t>(written.st_dev),
                         static_cast<std::uint64_t>(written.st_ino),
                         static_cast<std::int64_t>(written.st_size), nanoseconds(written.st_mtim),
                         nanoseconds(written.st_ctim)};
    // rename() updates the change time of the inode on some file systems; take it afresh.
    struct stat now
    {
    };
    if (::stat(path_.c_str(), &now) == 0 &&
        static_cast<std::uint64_t>(now.st_ino) == identity_.inode)
        identity_.changedNs = nanoseconds(now.st_ctim);
    state_ = State::Loaded;
    cacheValid_ = true;
    return {};
}

std::vector<std::string> ProfileFile::sectionNames()
{
    refresh();
    std::vector<std::string> names;
    if (state_ != State::Loaded)
        return names;
    for (const std::string& name : document_->sectionNames())
        names.push_back(toUtf8(name, document_->textEncoding()));
    return names;
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section)
{
    refresh();
    std::vector<std::string> names;
    if (state_ != State::Loaded)
        return names;
    const auto encoded = document_->textEncoding() == TextEncoding::Cp932
                             ? utf8ToCp932(section)
                             : std::optional<std::string>(section);
    if (!encoded)
        return names;
    for (const std::string& name : document_->keyNames(*encoded))
        names.push_back(toUtf8(name, document_->textEncoding()));
    return names;
}

TextEncoding ProfileFile::encoding()
{
    refresh();
    return state_ == State::Loaded ? document_->encoding() : TextEncoding::Cp932;
}

} // namespace vnovla::profile
