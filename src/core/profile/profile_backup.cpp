#include "profile/profile_backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace vnovla::profile {
namespace {

// "-YYYYMMDD-HHMMSS-mmm"
constexpr std::size_t kStampLength = 20;

bool isStamp(std::string_view text)
{
    if (text.size() != kStampLength)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 0 || i == 9 || i == 16;
        if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9'))
            return false;
    }
    return true;
}

std::string stamp(std::chrono::system_clock::time_point when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[96];
    std::snprintf(text, sizeof text, "-%04d%02d%02d-%02d%02d%02d-%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis));
    return text;
}

WriteStatus failure(const std::filesystem::path& folder, const std::string& what, int error)
{
    return WriteStatus::failure(WriteStatus::Code::Io, "バックアップを「" + folder.string() +
                                                           "」に作成できないため、" +
                                                           "変更を中止しました（" + what + ": " +
                                                           std::strerror(error) + "）。");
}

// A copy for file systems without hard links, complete on disk before it gets its name.
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    std::string temporary = (to.parent_path() / ".backup.XXXXXX").string();
    const int out = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        errno = error;
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        ok = got > 0;
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            ok = put > 0;
            done += put;
        }
        if (!ok)
            break;
    }
    ok = ok && ::fsync(out) == 0;
    const int error = errno;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    ok = ok && ::link(temporary.c_str(), to.c_str()) == 0;
    const int linkError = errno;
    ::unlink(temporary.c_str());
    errno = ok ? 0 : (linkError ? linkError : error);
    return ok;
}

} // namespace

std::filesystem::path backupFolderOf(const std::filesystem::path& profile)
{
    return profile.parent_path() / "backup";
}

std::filesystem::path originalOf(const std::filesystem::path& backup)
{
    const std::string stem = backup.stem().string();
    if (stem.size() <= kStampLength ||
        !isStamp(std::string_view(stem).substr(stem.size() - kStampLength)))
        return {};
    const std::filesystem::path folder = backup.parent_path();
    return folder.parent_path() /
           (stem.substr(0, stem.size() - kStampLength) + backup.extension().string());
}

std::vector<std::filesystem::path> listBackups(const std::filesystem::path& profile)
{
    std::vector<std::filesystem::path> found;
    std::error_code error;
    const std::filesystem::path folder = backupFolderOf(profile);
    const std::string stem = profile.stem().string();
    const std::string extension = profile.extension().string();
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        const std::string name = path.filename().string();
        if (name.size() != stem.size() + kStampLength + extension.size() ||
            !name.starts_with(stem) || !name.ends_with(extension) ||
            !isStamp(std::string_view(name).substr(stem.size(), kStampLength)))
            continue;
        std::error_code typeError;
        if (entry.is_regular_file(typeError))
            found.push_back(path);
    }
    std::sort(found.begin(), found.end());
    return found;
}

BackupResult backUp(const std::filesystem::path& profile, std::size_t keep)
{
    const std::filesystem::path folder = backupFolderOf(profile);
    struct stat source
    {
    };
    if (::stat(profile.c_str(), &source) != 0)
        return {};
    // Backups hold the user's registrations: readable by the owner alone.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {failure(folder, "フォルダを作成できません", errno), {}};

    const std::string stem = profile.stem().string();
    const std::string extension = profile.extension().string();
    auto when = std::chrono::system_clock::now();
    std::filesystem::path made;
    // Two edits within one millisecond get the next free name.
    for (int attempt = 0;; ++attempt) {
        made = folder / (stem + stamp(when) + extension);
        if (::link(profile.c_str(), made.c_str()) == 0)
            break;
        int error = errno;
        if (error != EEXIST && error != ENOSPC && error != EACCES && error != EROFS &&
            error != EDQUOT) {
            // No hard links here (EPERM, EXDEV, EMLINK...): a copy does.
            if (copyFile(profile, made))
                break;
            error = errno;
        }
        if (error != EEXIST || attempt >= 1000)
            return {failure(folder, "保存できません", error), {}};
        when += std::chrono::milliseconds(1);
    }

    std::vector<std::filesystem::path> all = listBackups(profile);
    for (std::size_t i = 0; i + keep < all.size(); ++i) {
        std::error_code ignored;
        std::filesystem::remove(all[i], ignored);
    }
    return {{}, made};
}

} // namespace vnovla::profile
