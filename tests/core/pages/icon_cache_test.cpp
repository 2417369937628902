#include "pages/icon_cache.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace vnovla::pages {
namespace {

// Answers every request with a one-pixel picture numbered by how often it was asked.
class CountingIcons : public platform::Icons
{
public:
    std::string associatedProgram(const std::string& path) override { return path; }
    platform::Picture picture(const IconRequest&, int) override
    {
        ++calls;
        return platform::Picture{1, 1, {calls}};
    }
    std::uint32_t calls = 0;
};

class IconCacheTest : public ::testing::Test
{
protected:
    IconRequest requestFor(const std::filesystem::path& path, int index = 0)
    {
        return {IconSource::RegisteredItem, path.string(), index};
    }

    test::TempDir dir_;
    CountingIcons source_;
    IconCache cache_{source_, 8};
};

TEST_F(IconCacheTest, pagingBackReadsNoIconFileTwice)
{
    test::writeBytes(dir_ / "a.ico", "12345");
    const auto first = cache_.picture(requestFor(dir_ / "a.ico"), 32);
    const auto again = cache_.picture(requestFor(dir_ / "a.ico"), 32);
    EXPECT_EQ(source_.calls, 1u);
    EXPECT_EQ(again.pixels, first.pixels);

    // Another index, another size or another kind of request is another picture.
    cache_.picture(requestFor(dir_ / "a.ico", 1), 32);
    cache_.picture(requestFor(dir_ / "a.ico"), 64);
    cache_.picture({IconSource::IconFile, (dir_ / "a.ico").string(), 0}, 32);
    EXPECT_EQ(source_.calls, 4u);
    EXPECT_TRUE(cache_.picture({}, 32).isEmpty()) << "no source, no picture, no lookup";
    EXPECT_EQ(source_.calls, 4u);
}

TEST_F(IconCacheTest, aChangedFileIsReadAgain)
{
    const auto file = dir_ / "tool.exe";
    cache_.picture(requestFor(file), 32);
    cache_.picture(requestFor(file), 32);
    EXPECT_EQ(source_.calls, 1u) << "a missing file is remembered as missing";

    test::writeBytes(file, "MZ");
    cache_.picture(requestFor(file), 32);
    EXPECT_EQ(source_.calls, 2u) << "the file appeared";

    test::writeBytes(file, "MZ");
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(5));
    cache_.picture(requestFor(file), 32);
    EXPECT_EQ(source_.calls, 3u) << "same size, newer: read again";

    test::writeBytes(file, "MZ..");
    cache_.picture(requestFor(file), 32);
    EXPECT_EQ(source_.calls, 4u) << "another size: read again";

    std::filesystem::remove(file);
    cache_.picture(requestFor(file), 32);
    EXPECT_EQ(source_.calls, 5u) << "the file went away";
}

TEST_F(IconCacheTest, staysWithinItsCapacity)
{
    for (int index = 0; index < 20; ++index)
        cache_.picture(requestFor(dir_ / "x.ico", index), 32);
    EXPECT_EQ(source_.calls, 20u);
    // Still correct after starting over.
    cache_.picture(requestFor(dir_ / "x.ico", 19), 32);
    EXPECT_EQ(source_.calls, 20u);
}

} // namespace
} // namespace vnovla::pages
