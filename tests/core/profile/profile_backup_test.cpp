// Backups kept before edits that remove or overwrite registrations, and their restore.

#include "profile/profile_backup.h"
#include "profile/profile_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using profile::Backup;
using profile::ProfileFile;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

class ProfileBackupTest : public ::testing::Test
{
protected:
    profile::WriteStatus clear(Backup backup)
    {
        const std::vector<profile::ProfileWrite> writes = {{"Path", "03", " "}};
        return file.write(writes, backup);
    }

    TempDir dir;
    std::filesystem::path path = dir / "Vnovla.ini";
    ProfileFile file{path};
};

TEST_F(ProfileBackupTest, aDestructiveWriteKeepsTheOldFileAsAHardLinkThatOutlivesTheWrite)
{
    writeBytes(path, "[Path]\r\n03=/usr/bin/tool\r\n");
    ASSERT_TRUE(clear(Backup::First));
    const auto backups = profile::listBackups(path);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(readBytes(backups[0]), "[Path]\r\n03=/usr/bin/tool\r\n");
    EXPECT_EQ(readBytes(path), "[Path]\r\n03= \r\n");
    struct stat backup
    {
    };
    ASSERT_EQ(::stat(backups[0].c_str(), &backup), 0);
    // The old file's own inode, no longer shared with the profile the write put in place.
    EXPECT_EQ(backup.st_nlink, 1u);
    EXPECT_EQ(profile::originalOf(backups[0]), path);
}

TEST_F(ProfileBackupTest, noBackupWhenNothingWouldBeLost)
{
    struct Row
    {
        const char* name;
        const char* before; // nullptr: no file
        Backup backup;
    };
    const Row rows[] = {
        {"missing file", nullptr, Backup::First},
        {"write that changes nothing", "[Path]\r\n03= \r\n", Backup::First},
        {"ordinary write", "[Path]\r\n03=/bin/a\r\n", Backup::No},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(dir / "backup");
        std::filesystem::remove(path);
        if (row.before)
            writeBytes(path, row.before);
        ASSERT_TRUE(clear(row.backup));
        EXPECT_TRUE(profile::listBackups(path).empty());
    }
}

TEST_F(ProfileBackupTest, onlyTheNewestTwentyStayAndOtherFilesInTheFolderAreLeftAlone)
{
    std::filesystem::create_directory(dir / "backup");
    writeBytes(dir / "backup" / "notes.txt", "mine");
    writeBytes(dir / "backup" / "icon-20000101-000000-000.ini", "other file's backup");
    for (int i = 0; i < 25; ++i) {
        writeBytes(path, "[Path]\r\n03=/bin/" + std::to_string(i) + "\r\n");
        ASSERT_TRUE(clear(Backup::First));
    }
    const auto backups = profile::listBackups(path);
    ASSERT_EQ(backups.size(), profile::kBackupsKept);
    EXPECT_EQ(readBytes(backups.front()), "[Path]\r\n03=/bin/5\r\n");
    EXPECT_EQ(readBytes(backups.back()), "[Path]\r\n03=/bin/24\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "backup" / "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "backup" / "icon-20000101-000000-000.ini"));
}

TEST_F(ProfileBackupTest, aBackupThatCannotBeMadeStopsTheWriteAndSaysWhy)
{
    const std::string before = "[Path]\r\n03=/usr/bin/tool\r\n";
    writeBytes(path, before);
    // A file where the folder should be: the same for root as for anyone.
    writeBytes(dir / "backup", "in the way");
    const profile::WriteStatus status = clear(Backup::First);
    EXPECT_EQ(status.code(), profile::WriteStatus::Code::Io);
    EXPECT_NE(status.message().find("バックアップ"), std::string::npos) << status.message();
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(file.read("Path", "03"), "/usr/bin/tool") << "the refused change is not read back";

    if (::geteuid() != 0) {
        std::filesystem::remove(dir / "backup");
        std::filesystem::create_directory(dir / "backup");
        std::filesystem::permissions(dir / "backup", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
        EXPECT_FALSE(clear(Backup::First));
        EXPECT_EQ(readBytes(path), before);
    }
}

TEST_F(ProfileBackupTest, originalOfNamesTheProfileBesideTheBackupFolder)
{
    const std::filesystem::path folder = dir / "backup";
    EXPECT_EQ(profile::originalOf(folder / "Vnovla-20261209-221530-042.ini"), path);
    EXPECT_EQ(profile::originalOf(folder / "icon-20261209-221530-042.ini"), dir / "icon.ini");
    for (const char* name : {"Vnovla.ini", "Vnovla-2026120-221530-042.ini",
                             "Vnovla-20261209-221530-04x.ini", "-20261209-221530-042.ini"})
        EXPECT_TRUE(profile::originalOf(folder / name).empty()) << name;
}

TEST_F(ProfileBackupTest, aRestoreReplacesTheFileWholeAndKeepsWhatItReplaces)
{
    writeBytes(path, "[Path]\r\n03=/usr/bin/tool\r\n");
    ASSERT_TRUE(clear(Backup::First));
    const std::filesystem::path first = profile::listBackups(path).front();
    ASSERT_EQ(file.read("Path", "03"), "");

    ProfileFile restored{profile::originalOf(first)};
    ASSERT_TRUE(restored.replaceContents(readBytes(first)));
    EXPECT_EQ(readBytes(path), "[Path]\r\n03=/usr/bin/tool\r\n");
    EXPECT_EQ(file.read("Path", "03"), "/usr/bin/tool");
    const auto backups = profile::listBackups(path);
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(readBytes(backups.back()), "[Path]\r\n03= \r\n");
}

} // namespace
} // namespace vnovla
