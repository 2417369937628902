#include "icons/icon_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace vnovla::icons {
namespace {

TEST(IconFileTest, ReadsRegularFilesUpToTheCap)
{
    const test::TempDir folder;
    std::ofstream(folder / "app.ico", std::ios::binary) << "0123456789";
    const auto bytes = readIconFile((folder / "app.ico").string(), 10);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "0123456789");
    EXPECT_FALSE(readIconFile((folder / "app.ico").string(), 9));
}

// A FIFO must be refused without waiting for a writer, or the page draw would hang.
TEST(IconFileTest, RefusesWhatIsNotARegularFile)
{
    const test::TempDir folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.ico").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.exe");
    for (const char* name : {"pipe.ico", "folder.exe", "missing.ico"})
        EXPECT_FALSE(readIconFile((folder / name).string())) << name;
    EXPECT_FALSE(readIconFile("/dev/zero"));
}

} // namespace
} // namespace vnovla::icons
