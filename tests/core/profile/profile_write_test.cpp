// Writes change only the bytes they must, never lose a character, never leave a broken
// file, and say so when they fail.

#include "profile/profile_file.h"
#include "profile/profile_store.h"
#include "support/bytes.h"
#include "support/param_name.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <ostream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vnovla::profile {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Writes with a file size limit in force, so that the write fails part-way as it does on a
// full disk, even for root.
WriteStatus writeUnderSizeLimit(ProfileFile& profile, std::string_view value, rlim_t limit)
{
    struct rlimit old
    {
    };
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0)
        return WriteStatus::failure(WriteStatus::Code::Io, "getrlimit");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    WriteStatus status = profile.write("S", "k", value);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return status;
}

class ProfileWriteTest : public ::testing::Test
{
protected:
    // Writes one value into a file that held `before` and returns the file's bytes after.
    std::string afterWrite(std::string_view before, std::string_view section, std::string_view key,
                           std::string_view value)
    {
        writeBytes(file_, before);
        ProfileFile profile(file_);
        const WriteStatus status = profile.write(section, key, value);
        EXPECT_TRUE(status.ok()) << status.message();
        return readBytes(file_);
    }

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "Vnovla.ini";
};

struct WriteCase
{
    const char* name;
    std::string_view before;
    std::string_view section, key, value;
    std::string_view after;
};

// A failing case is named by its sentence, not dumped as raw bytes.
void PrintTo(const WriteCase& value, std::ostream* out)
{
    *out << value.name;
}

const WriteCase kWriteCases[] = {
    {"replaces in place keeping the key's spelling and spacing",
     "; note\r\n[Window]\r\n  TOP = 1 \r\nLeft=2\r\n", "window", "top", "99",
     "; note\r\n[Window]\r\n  TOP = 99 \r\nLeft=2\r\n"},
    {"replaces the first of duplicate keys", "[S]\r\nk=1\r\nk=2\r\n", "S", "K", "3",
     "[S]\r\nk=3\r\nk=2\r\n"},
    {"replaces inside quotes as stored", "[S]\r\nk=\"old\"\r\n", "S", "k", "new",
     "[S]\r\nk=new\r\n"},
    {"fills an empty value", "[S]\r\nk=\r\nj=1\r\n", "S", "k", "v", "[S]\r\nk=v\r\nj=1\r\n"},
    {"adds a key after the last line of the section",
     "[A]\r\nx=1\r\n; comment\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
     "[A]\r\nx=1\r\n; comment\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
    {"adds a key to the first of duplicate sections", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", "a", "z", "3",
     "[A]\r\nx=1\r\nz=3\r\n[a]\r\ny=2\r\n"},
    {"adds a key to a last section without final newline", "[A]\r\nx=1", "A", "y", "2",
     "[A]\r\nx=1\r\ny=2\r\n"},
    {"adds a section at the end without a blank line", "[A]\r\nx=1\r\n", "B", "y", "2",
     "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"adds the missing final newline before a new section", "[A]\r\nx=1", "B", "y", "2",
     "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"keeps trailing blank lines before a new section", "[A]\r\nx=1\r\n\r\n", "B", "y", "2",
     "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
    {"uses the file's LF line ending", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n"},
    {"uses the file's CR line ending", "[A]\rx=1", "B", "y", "2", "[A]\rx=1\r[B]\ry=2\r"},
    {"a one-line file gets CRLF", "[A]", "A", "y", "2", "[A]\r\ny=2\r\n"},
    {"keeps lines before the first header", "top\r\n[A]\r\n", "A", "k", "v",
     "top\r\n[A]\r\nk=v\r\n"},
    {"clears with a single space", "[S]\r\nk=value\r\n", "S", "k", " ", "[S]\r\nk= \r\n"},
    {"trims the names it adds", "", " S ", " k ", "v", "[S]\r\nk=v\r\n"},
    {"CP932 text is written as CP932", "[S]\r\n", "S", "表", "ソ能",
     "[S]\r\n\x95\x5c=\x83\x5c\x94\x5c\r\n"},
    {"turns a line holding only the key's name into the key's line",
     "[S]\r\na=1\r\n  Key  \r\nb=2\r\n", "S", "key", "v", "[S]\r\na=1\r\n  Key=v\r\nb=2\r\n"},
    {"turns only the bare line of the first matching section", "[S]\r\nk\r\n[T]\r\nk\r\n", "t", "K",
     "", "[S]\r\nk\r\n[T]\r\nk=\r\n"},
    {"a bare name before the first header is no key", "k\r\n[S]\r\n", "S", "k", "1",
     "k\r\n[S]\r\nk=1\r\n"},
    {"does not split a trail byte 5D in a header", "[\x83\x5d]\r\nk=1\r\n", "ゾ", "k", "2",
     "[\x83\x5d]\r\nk=2\r\n"},
};

class ProfileWriteCases : public ProfileWriteTest, public ::testing::WithParamInterface<WriteCase>
{
};

TEST_P(ProfileWriteCases, changesOnlyWhatItMust)
{
    const WriteCase& c = GetParam();
    EXPECT_EQ(afterWrite(c.before, c.section, c.key, c.value), c.after) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileWriteCases, ::testing::ValuesIn(kWriteCases),
                         test::NameFromSentence());

TEST_F(ProfileWriteTest, aNewFileIsCp932WithCrlfAndNoBom)
{
    ProfileFile profile(file_);
    ASSERT_TRUE(profile.write("Title", "0", "メイン").ok());
    EXPECT_EQ(readBytes(file_), "[Title]\r\n0=\x83\x81\x83\x43\x83\x93\r\n");
    EXPECT_EQ(profile.read("title", "0"), "メイン");
}

TEST_F(ProfileWriteTest, writingTheSameValueLeavesTheFileUntouched)
{
    const std::string before = "[S]\r\nk=v\r\n";
    writeBytes(file_, before);
    struct stat old
    {
    };
    ASSERT_EQ(::stat(file_.c_str(), &old), 0);
    ProfileFile profile(file_);
    ASSERT_TRUE(profile.write("S", "k", "v").ok());
    struct stat now
    {
    };
    ASSERT_EQ(::stat(file_.c_str(), &now), 0);
    EXPECT_EQ(readBytes(file_), before);
    EXPECT_EQ(now.st_ino, old.st_ino) << "the file was replaced although nothing changed";
}

TEST_F(ProfileWriteTest, readsAfterWritesSeeTheNewValues)
{
    ProfileStore store(dir_.path());
    ASSERT_TRUE(store.WriteSetting("All", "Wait", "1500").ok());
    EXPECT_EQ(store.ReadSetting("ALL", "Wait"), "1500");
    ASSERT_TRUE(store.WriteSetting("ALL", "Wait", "200").ok());
    EXPECT_EQ(store.ReadSetting("All", "WAIT"), "200");
    ASSERT_TRUE(store.WriteSetting("Path", "10", "/usr/bin/gimp").ok());
    ASSERT_TRUE(store.WriteSetting("Title", "10", "Graphics").ok());
    ASSERT_TRUE(store.WriteSetting("Path", "123", "/a").ok());
    ASSERT_TRUE(store.WriteSetting("Path", "12", "/b").ok());
    EXPECT_EQ(store.ReadSetting("Path", "10"), "/usr/bin/gimp");
    EXPECT_EQ(store.ReadSetting("Title", "10"), "Graphics");
    EXPECT_EQ(store.ReadSetting("Path", "123"), "/a");
    EXPECT_EQ(store.ReadSetting("Path", "12"), "/b");
    ASSERT_TRUE(store.WriteSetting("Path", "10", " ").ok());
    EXPECT_EQ(store.ReadSetting("Path", "10"), "");
    // The icon file is a file of its own.
    ASSERT_TRUE(store.WriteIconSetting("IconPath", "10", "/icons/a.png").ok());
    EXPECT_EQ(store.ReadIconSetting("IconPath", "10"), "/icons/a.png");
    EXPECT_EQ(store.ReadSetting("IconPath", "10"), "");
}

TEST_F(ProfileWriteTest, aValueCp932CannotHoldTurnsTheFileIntoUtf8WithBom)
{
    const std::string before = "; \x95\x5c\r\n[S]\r\nk=\x83\x5c\r\n";
    writeBytes(file_, before);
    ProfileFile profile(file_);
    ASSERT_TRUE(profile.write("S", "j", "〜 ¥ 😀").ok());
    EXPECT_EQ(readBytes(file_), "\xEF\xBB\xBF; 表\r\n[S]\r\nk=ソ\r\nj=〜 ¥ 😀\r\n");
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf8Bom);
    EXPECT_EQ(profile.read("S", "j"), "〜 ¥ 😀");
    EXPECT_EQ(profile.read("S", "k"), "ソ");
}

TEST_F(ProfileWriteTest, aFileWithBrokenCp932IsNotConvertedAndStaysAsItWas)
{
    const std::string before = "[S]\r\nk=\x80\r\n";
    writeBytes(file_, before);
    ProfileFile profile(file_);
    const WriteStatus status = profile.write("S", "j", "😀");
    EXPECT_EQ(status.code(), WriteStatus::Code::Unconvertible);
    EXPECT_FALSE(status.message().empty());
    EXPECT_EQ(readBytes(file_), before);
    // A value CP932 can hold is still written, keeping the odd byte.
    ASSERT_TRUE(profile.write("S", "j", "表").ok());
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=\x80\r\nj=\x95\x5c\r\n");
}

TEST_F(ProfileWriteTest, utf8AndUtf16FilesKeepTheirEncoding)
{
    writeBytes(file_, "[S]\nk=表\n");
    ProfileFile profile(file_);
    ASSERT_TRUE(profile.write("S", "j", "ソ").ok());
    EXPECT_EQ(readBytes(file_), "[S]\nk=表\nj=ソ\n");

    writeBytes(file_, test::utf16File(u"[S]\r\nk=表\r\n"));
    ASSERT_TRUE(profile.write("S", "j", "😀").ok());
    EXPECT_EQ(readBytes(file_), test::utf16File(u"[S]\r\nk=表\r\nj=😀\r\n"));
    EXPECT_EQ(profile.read("S", "j"), "😀");
}

TEST_F(ProfileWriteTest, aBrokenUtf16FileIsNeverRewritten)
{
    const std::string broken = test::utf16File(u"[S]\nk=\xD800\n");
    writeBytes(file_, broken);
    ProfileFile profile(file_);
    EXPECT_EQ(profile.read("S", "k"), "\xEF\xBF\xBD");
    EXPECT_FALSE(profile.write("S", "k", "v").ok());
    EXPECT_EQ(readBytes(file_), broken);
}

struct RefusedWrite
{
    std::string_view section, key, value;
    WriteStatus::Code code;
};

TEST_F(ProfileWriteTest, textThatWouldBreakTheLineStructureIsRefused)
{
    const std::string before = "[S]\r\nk=1\r\n";
    writeBytes(file_, before);
    ProfileFile profile(file_);
    using Code = WriteStatus::Code;
    const RefusedWrite refused[] = {
        {"S", "k", "a\r\n[Evil]\r\nx=1", Code::InvalidValue},
        {"S", "k", "a\nb", Code::InvalidValue},
        {"S", "k", "a\rb", Code::InvalidValue},
        {"S", "k", std::string_view("a\0b", 3), Code::InvalidValue},
        {"S", "k", "\xff\xfe", Code::InvalidValue},
        {"S", "k=x", "1", Code::InvalidName},
        {"S", "new\nkey", "1", Code::InvalidName},
        {"S", " [k", "1", Code::InvalidName},
        {"S", "  ", "1", Code::InvalidName},
        {"S]x", "k", "1", Code::InvalidName},
        {"S\r\n[T", "k", "1", Code::InvalidName},
        {"", "k", "1", Code::InvalidName},
    };
    for (const RefusedWrite& r : refused) {
        const WriteStatus status = profile.write(r.section, r.key, r.value);
        EXPECT_EQ(status.code(), r.code) << r.section << " / " << r.key << " / " << r.value;
        EXPECT_FALSE(status.message().empty());
    }
    EXPECT_EQ(readBytes(file_), before);
}

TEST_F(ProfileWriteTest, aBatchIsOneReplacementAndAllOrNothing)
{
    writeBytes(file_, "[Window]\r\nPage=5\r\n[Title]\r\n5=t\r\n");
    ProfileFile profile(file_);
    const std::vector<ProfileWrite> bad{{"Title", "5", " "}, {"Path", "50", "a\nb"}};
    EXPECT_FALSE(profile.write(bad).ok());
    EXPECT_EQ(profile.read("Title", "5"), "t");

    const std::vector<ProfileWrite> deletion{
        {"Title", "5", " "}, {"Path", "50", " "}, {"PopUp", "50", " "}, {"Window", "Page", "4"}};
    ASSERT_TRUE(profile.write(deletion).ok());
    EXPECT_EQ(readBytes(file_),
              "[Window]\r\nPage=4\r\n[Title]\r\n5= \r\n[Path]\r\n50= \r\n[PopUp]\r\n50= \r\n");
}

TEST_F(ProfileWriteTest, failedWritesReportWhyAndKeepTheOldFile)
{
    ProfileFile inMissingFolder(dir_ / "missing" / "Vnovla.ini");
    const WriteStatus missing = inMissingFolder.write("S", "k", "v");
    EXPECT_EQ(missing.code(), WriteStatus::Code::Io);
    EXPECT_NE(missing.message().find("Vnovla.ini"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "missing"));

    std::filesystem::create_directory(dir_ / "folder.ini");
    ProfileFile folder(dir_ / "folder.ini");
    EXPECT_EQ(folder.write("S", "k", "v").code(), WriteStatus::Code::Io);
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "folder.ini"));
}

TEST_F(ProfileWriteTest, runningOutOfSpaceKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const std::string before = "[S]\r\nk=1\r\n";
    writeBytes(file_, before);
    ProfileFile profile(file_);
    EXPECT_EQ(profile.read("S", "k"), "1");

    const WriteStatus status = writeUnderSizeLimit(profile, std::string(4096, 'x'), 64);

    EXPECT_EQ(status.code(), WriteStatus::Code::Io);
    EXPECT_NE(status.message().find("Vnovla.ini"), std::string::npos) << status.message();
    EXPECT_EQ(readBytes(file_), before);
    EXPECT_EQ(profile.read("S", "k"), "1");
    // The file and its lock file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

TEST_F(ProfileWriteTest, filesWeMayNotTouchStayAsTheyWere)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores file permissions";
    writeBytes(file_, "[S]\r\nk=1\r\n");
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);
    ProfileFile readOnly(file_);
    EXPECT_EQ(readOnly.write("S", "k", "2").code(), WriteStatus::Code::Io);
    EXPECT_EQ(readOnly.read("S", "k"), "1");
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::owner_all);

    std::filesystem::permissions(file_, std::filesystem::perms::none);
    ProfileFile unreadable(file_);
    EXPECT_EQ(unreadable.write("S", "k", "2").code(), WriteStatus::Code::Io);
    std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileWriteTest, aLinkToSomethingOtherThanAFileIsNeverReplaced)
{
    if (!std::filesystem::exists("/dev/null"))
        GTEST_SKIP() << "no /dev/null";
    std::filesystem::create_symlink("/dev/null", dir_ / "null.ini");
    ProfileFile device(dir_ / "null.ini");
    EXPECT_EQ(device.write("S", "k", "v").code(), WriteStatus::Code::Io);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(ProfileWriteTest, aSymlinkedFileIsReplacedAtItsTargetKeepingPermissions)
{
    std::filesystem::create_directory(dir_ / "real");
    const auto target = dir_ / "real" / "Vnovla.ini";
    writeBytes(target, "[S]\r\nk=1\r\n");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real/Vnovla.ini", file_);

    ProfileFile profile(file_);
    ASSERT_TRUE(profile.write("S", "k", "2").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(file_));
    EXPECT_EQ(readBytes(target), "[S]\r\nk=2\r\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    // Nothing else is left in either folder; the lock is the target's.
    EXPECT_TRUE(std::filesystem::exists(dir_ / "real" / ".Vnovla.ini.lock"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "real"), {}), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

// Other writers hold the lock file beside the profile only for the moment of a write; one that
// keeps it longer than a write waits is reported, and the file is left to it.
TEST_F(ProfileWriteTest, aWriterThatCannotGetTheLockSaysSoAndWritesNothing)
{
    writeBytes(file_, "[S]\r\nk=1\r\n");
    const auto lockFile = dir_ / ".Vnovla.ini.lock";
    const int other = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    ProfileFile profile(file_);
    profile.setLockTimeout(std::chrono::milliseconds(200));
    const auto start = std::chrono::steady_clock::now();
    const WriteStatus status = profile.write("S", "k", "2");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(status.code(), WriteStatus::Code::Busy);
    EXPECT_NE(status.message().find("Vnovla.ini"), std::string::npos) << status.message();
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=1\r\n");

    ::close(other);
    EXPECT_TRUE(profile.write("S", "k", "2").ok());
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileWriteTest, aFileChangedBehindOurBackIsReadBeforeWriting)
{
    writeBytes(file_, "[S]\r\nk=1\r\n");
    ProfileFile profile(file_);
    EXPECT_EQ(profile.read("S", "k"), "1");
    writeBytes(file_, "[S]\r\nk=1\r\nhand=edit\r\n");
    ASSERT_TRUE(profile.write("S", "k", "2").ok());
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=2\r\nhand=edit\r\n");
}

} // namespace
} // namespace vnovla::profile

namespace vnovla::profile {
namespace {

class ProfileReadScopeTest : public ProfileWriteTest
{
};

TEST_F(ProfileReadScopeTest, readsInAScopeSeeOneVersionAndWritesStillSeeTheDisk)
{
    writeBytes(file_, "[S]\r\nk=1\r\n");
    ProfileFile profile(file_);
    {
        const ProfileFile::ReadScope scope(profile);
        EXPECT_EQ(profile.read("S", "k"), "1");
        writeBytes(file_, "[S]\r\nk=2\r\nhand=edit\r\n");
        EXPECT_EQ(profile.read("S", "k"), "1") << "one page is drawn from one version";
        // A write never works on a stale copy: the hand edit survives it.
        ASSERT_TRUE(profile.write("S", "j", "3").ok());
        EXPECT_EQ(profile.read("S", "k"), "2");
    }
    EXPECT_EQ(readBytes(file_), "[S]\r\nk=2\r\nhand=edit\r\nj=3\r\n");
    writeBytes(file_, "[S]\r\nk=4\r\n");
    EXPECT_EQ(profile.read("S", "k"), "4") << "after the scope every read checks again";
}

TEST_F(ProfileReadScopeTest, aFailedWriteInAScopeIsNotReadBack)
{
    writeBytes(file_, "[S]\r\nk=1\r\n");
    ProfileFile profile(file_);
    const ProfileFile::ReadScope scope(profile);
    EXPECT_EQ(profile.read("S", "k"), "1");

    const WriteStatus status = writeUnderSizeLimit(profile, std::string(4096, 'x'), 16);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(profile.read("S", "k"), "1");
}

} // namespace
} // namespace vnovla::profile

namespace vnovla::profile {
namespace {

TEST(ProfileStoreCleanup, removesOnlyOldTemporaryCopiesOfItsOwnFiles)
{
    test::TempDir dir;
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    const char* const names[] = {".Vnovla.ini.a1B2c3",   ".icon.ini.Zz9yX8", ".Vnovla.ini.young1",
                                 ".Vnovla.ini.toolong7", "Vnovla.ini",       ".other.ini.abcdef",
                                 ".Vnovla.ini"};
    for (const char* name : names) {
        test::writeBytes(dir / name, "[S]\r\n");
        if (std::string_view(name) != ".Vnovla.ini.young1")
            std::filesystem::last_write_time(dir / name, old);
    }
    ProfileStore store(dir.path());
    EXPECT_EQ(store.removeStaleTemporaryFiles(), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / ".Vnovla.ini.a1B2c3"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".icon.ini.Zz9yX8"));
    for (const char* kept : {".Vnovla.ini.young1", ".Vnovla.ini.toolong7", "Vnovla.ini",
                             ".other.ini.abcdef", ".Vnovla.ini"})
        EXPECT_TRUE(std::filesystem::exists(dir / kept)) << kept;

    ProfileStore missing(dir / "none");
    EXPECT_EQ(missing.removeStaleTemporaryFiles(), 0);
}

} // namespace
} // namespace vnovla::profile
