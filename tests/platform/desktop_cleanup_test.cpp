// Emptying the trash and clearing the recent-files list, on real files in a temporary folder
// that stands in for the user's data folder. The real home folder is never touched.
#include "platform/linux/bookmark_recent_documents.h"
#include "platform/linux/freedesktop_trash.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <glib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vnovla {
namespace {

namespace fs = std::filesystem;
namespace linux_desktop = platform::linux_desktop;

std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

void trashed(const fs::path& trash, const std::string& name)
{
    test::writeBytes(trash / "info" / (name + ".trashinfo"),
                     "[Trash Info]\nPath=/home/user/" + name +
                         "\nDeletionDate=2024-01-01T00:00:00\n");
}

class TrashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(trash / "files");
        fs::create_directories(trash / "info");
    }

    test::TempDir home;
    fs::path trash = home / "Trash";
    // What lies outside the trash and must survive its emptying.
    fs::path outside = home / "Documents";
};

TEST_F(TrashTest, emptiesFilesNestedAndReadOnlyFoldersAndTheirRecords)
{
    test::writeBytes(trash / "files" / "note.txt", "a");
    trashed(trash, "note.txt");
    fs::create_directories(trash / "files" / "project" / "src" / "deep");
    test::writeBytes(trash / "files" / "project" / "src" / "deep" / "main.c", "int main;");
    trashed(trash, "project");
    fs::create_directories(trash / "files" / "locked");
    test::writeBytes(trash / "files" / "locked" / "inside.txt", "x");
    fs::permissions(trash / "files" / "locked" / "inside.txt", fs::perms::owner_read);
    fs::permissions(trash / "files" / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    trashed(trash, "locked");
    trashed(trash, "orphan"); // a record whose file is gone already
    fs::create_directories(trash / "expunged" / "half");
    test::writeBytes(trash / "directorysizes", "4096 1 %2Fproject\n");

    const linux_desktop::TrashReport report = linux_desktop::emptyTrashFolders({trash.string()});

    EXPECT_TRUE(report.failures.empty()) << report.failures.front();
    EXPECT_TRUE(entries(trash / "files").empty());
    EXPECT_TRUE(entries(trash / "info").empty());
    EXPECT_TRUE(entries(trash / "expunged").empty());
    EXPECT_FALSE(fs::exists(trash / "directorysizes"));
    EXPECT_TRUE(fs::is_directory(trash / "files")) << "the trash itself stays";
}

TEST_F(TrashTest, linksAreRemovedButWhatTheyPointAtIsKept)
{
    fs::create_directories(outside / "work");
    test::writeBytes(outside / "work" / "thesis.odt", "precious");
    fs::create_directory_symlink(outside / "work", trash / "files" / "work-link");
    fs::create_symlink(outside / "work" / "thesis.odt", trash / "files" / "file-link");
    fs::create_symlink(home / "nowhere", trash / "files" / "dangling");

    const linux_desktop::TrashReport report = linux_desktop::emptyTrashFolders({trash.string()});

    EXPECT_TRUE(report.failures.empty());
    EXPECT_TRUE(entries(trash / "files").empty());
    EXPECT_EQ(test::readBytes(outside / "work" / "thesis.odt"), "precious");
}

TEST_F(TrashTest, trashPartsThatAreLinksAreLeftAloneAndReported)
{
    fs::create_directories(outside);
    test::writeBytes(outside / "keep.txt", "keep");
    fs::remove(trash / "files");
    fs::create_directory_symlink(outside, trash / "files");
    fs::remove(trash / "info");
    fs::create_directory_symlink(outside, trash / "info");

    const linux_desktop::TrashReport report =
        linux_desktop::emptyTrashFolders({trash.string(), (home / "missing").string()});

    EXPECT_EQ(test::readBytes(outside / "keep.txt"), "keep");
    ASSERT_EQ(report.failures.size(), 1U);
    EXPECT_NE(report.failures.front().find("files: not a folder"), std::string::npos);
}

TEST(VolumeTrash, onlyTheUsersSafeTrashFoldersOfAVolumeCount)
{
    test::TempDir volumes;
    const unsigned uid = getuid();
    const std::string user = std::to_string(uid);
    const fs::path good = volumes / "good";
    fs::create_directories(good / ".Trash" / user);
    fs::permissions(good / ".Trash", fs::perms::sticky_bit, fs::perm_options::add);
    fs::create_directories(good / (".Trash-" + user));
    const fs::path notSticky = volumes / "shared";
    fs::create_directories(notSticky / ".Trash" / user);
    const fs::path linked = volumes / "linked";
    fs::create_directories(linked);
    fs::create_directory_symlink(volumes / "good", linked / (".Trash-" + user));
    const fs::path otherUser = volumes / "other";
    fs::create_directories(otherUser / (".Trash-" + std::to_string(uid + 1)));

    EXPECT_EQ(
        linux_desktop::volumeTrashFolders({good.string(), notSticky.string(), linked.string(),
                                           otherUser.string(), (volumes / "unmounted").string()},
                                          uid),
        (std::vector<std::string>{(good / ".Trash" / user).string(),
                                  (good / (".Trash-" + user)).string()}));
}

// ---- Recent files -----------------------------------------------------------------------------

using BookmarkPtr = std::unique_ptr<GBookmarkFile, decltype(&g_bookmark_file_free)>;

// The list as the desktop's own readers see it; nothing when it is not a valid list.
std::optional<int> recentCount(const fs::path& file)
{
    BookmarkPtr list(g_bookmark_file_new(), &g_bookmark_file_free);
    if (!g_bookmark_file_load_from_file(list.get(), file.c_str(), nullptr))
        return std::nullopt;
    return g_bookmark_file_get_size(list.get());
}

TEST(RecentDocuments, clearingLeavesAValidEmptyListWhateverWasThere)
{
    test::TempDir data;
    const fs::path file = data / "recently-used.xbel";
    BookmarkPtr list(g_bookmark_file_new(), &g_bookmark_file_free);
    for (const char* uri : {"file:///tmp/a.txt", "file:///tmp/b%20c.odt"}) {
        g_bookmark_file_set_mime_type(list.get(), uri, "text/plain");
        g_bookmark_file_add_application(list.get(), uri, "editor", "editor %u");
    }
    ASSERT_TRUE(g_bookmark_file_to_file(list.get(), file.c_str(), nullptr));
    ASSERT_EQ(recentCount(file), 2);

    const std::string huge = "<?xml version=\"1.0\"?><xbel version=\"1.0\">" +
                             std::string(4 * 1024 * 1024, ' ') + "<bookmark";
    for (const std::string& content : {std::string(), std::string("\x89PNG not xml"), huge}) {
        if (!content.empty())
            test::writeBytes(file, content);
        const platform::ActionResult result =
            linux_desktop::BookmarkRecentDocuments(file.string()).clear();
        EXPECT_TRUE(result.ok) << result.message;
        EXPECT_EQ(recentCount(file), 0) << content.substr(0, 20);
    }
    EXPECT_EQ(entries(data.path()), std::vector<std::string>{"recently-used.xbel"})
        << "no temporary file is left behind";
}

TEST(RecentDocuments, aMissingListStaysMissingAndAnUnwritableOneIsReported)
{
    test::TempDir data;
    EXPECT_TRUE(
        linux_desktop::BookmarkRecentDocuments((data / "recently-used.xbel").string()).clear().ok);
    EXPECT_TRUE(entries(data.path()).empty());

    // A folder where the list should be cannot be replaced by a file.
    fs::create_directories(data / "recently-used.xbel" / "inside");
    const platform::ActionResult result =
        linux_desktop::BookmarkRecentDocuments((data / "recently-used.xbel").string()).clear();
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("recently-used.xbel"), std::string::npos);
    EXPECT_TRUE(fs::exists(data / "recently-used.xbel" / "inside"));
}

} // namespace
} // namespace vnovla
