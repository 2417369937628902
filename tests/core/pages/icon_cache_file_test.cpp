#include "pages/icon_cache.h"
#include "pages/icon_cache_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vnovla::pages {
namespace {

namespace fs = std::filesystem;

// Draws every request as a 2 × 1 picture numbered by how often it was asked, or, standing in
// for a desktop that cannot draw icons at all, as nothing.
class DrawingIcons : public platform::Icons
{
public:
    std::string associatedProgram(const std::string& path) override { return path; }
    platform::Picture picture(const IconRequest&, int) override
    {
        ++calls;
        if (!draws)
            return {};
        return platform::Picture{2, 1, {0xFF000000u | calls, 0x80000000u}};
    }
    std::uint32_t calls = 0;
    bool draws = true;
};

IconRequest itemRequest(const fs::path& path, int index = 0)
{
    return {IconSource::RegisteredItem, path.string(), index};
}

// A first run: draws the ten items of a page through a fresh cache and saves it.
void warmUp(const fs::path& cacheFile, const std::vector<fs::path>& items,
            const std::string& theme = "Adwaita")
{
    DrawingIcons source;
    IconCache cache(source);
    cache.setTheme(theme);
    cache.useCacheFile(cacheFile);
    for (const fs::path& item : items)
        cache.picture(itemRequest(item), 32);
    ASSERT_TRUE(cache.save());
}

class IconCacheFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            items_.push_back(dir_ / ("item" + std::to_string(slot) + ".desktop"));
            test::writeBytes(items_.back(), "[Desktop Entry]\nIcon=x" + std::to_string(slot));
        }
    }

    // A second run over the same cache file; returns how many pictures it had to draw.
    std::uint32_t secondRunDraws(const std::string& theme = "Adwaita")
    {
        IconCache cache(source_);
        cache.setTheme(theme);
        cache.useCacheFile(cacheFile_);
        for (const fs::path& item : items_)
            cache.picture(itemRequest(item), 32);
        cache.save();
        return source_.calls;
    }

    test::TempDir dir_;
    fs::path cacheFile_ = dir_ / "cache" / "veska-novla" / "profile.icons";
    std::vector<fs::path> items_;
    DrawingIcons source_;
};

TEST_F(IconCacheFileTest, aWarmCacheShowsEveryIconWithoutTheIconService)
{
    warmUp(cacheFile_, items_);
    source_.draws = false; // nothing could be drawn now: every picture must come from the file
    IconCache cache(source_);
    cache.setTheme("Adwaita");
    cache.useCacheFile(cacheFile_);
    for (const fs::path& item : items_) {
        const platform::Picture picture = cache.picture(itemRequest(item), 32);
        EXPECT_EQ(picture.width, 2) << item;
        EXPECT_EQ(picture.pixels.size(), 2u) << item;
    }
    EXPECT_EQ(source_.calls, 0u);
    EXPECT_FALSE(cache.hasUnsavedPictures()) << "an unchanged cache is not written again";
}

TEST_F(IconCacheFileTest, aFileChangedSinceTheLastRunIsDrawnAgainAndTheCacheUpdated)
{
    warmUp(cacheFile_, items_);
    test::writeBytes(items_[3], "[Desktop Entry]\nIcon=another");
    fs::last_write_time(items_[4], fs::last_write_time(items_[4]) + std::chrono::seconds(3));
    fs::remove(items_[5]);
    EXPECT_EQ(secondRunDraws(), 3u);
    source_.calls = 0;
    EXPECT_EQ(secondRunDraws(), 0u) << "the redrawn pictures were saved";
}

TEST_F(IconCacheFileTest, anotherIconThemeDrawsEverythingAgain)
{
    warmUp(cacheFile_, items_, "Adwaita");
    EXPECT_EQ(secondRunDraws("Breeze"), 10u);
    source_.calls = 0;
    EXPECT_EQ(secondRunDraws("Breeze"), 0u);

    // A theme change while running drops what was drawn with the old one.
    IconCache cache(source_);
    cache.setTheme("Breeze");
    cache.useCacheFile(cacheFile_);
    cache.setTheme("HighContrast");
    cache.picture(itemRequest(items_[0]), 32);
    EXPECT_EQ(source_.calls, 1u);
}

TEST_F(IconCacheFileTest, aDamagedOrForeignCacheFileIsIgnoredAndRebuilt)
{
    warmUp(cacheFile_, items_);
    const std::string whole = test::readBytes(cacheFile_);
    ASSERT_GT(whole.size(), 100u);
    std::string flipped = whole;
    flipped[whole.size() / 2] = static_cast<char>(flipped[whole.size() / 2] ^ 0x10);
    std::string otherVersion = whole;
    otherVersion[8] = 2;
    const struct
    {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"empty", ""},
        {"header only", whole.substr(0, 12)},
        {"cut in the middle", whole.substr(0, whole.size() / 2)},
        {"last byte missing", whole.substr(0, whole.size() - 1)},
        {"one bit flipped", flipped},
        {"another version", otherVersion},
        {"trailing bytes", whole + "x"},
        {"another program's file", "\x89PNG\r\n\x1a\n" + whole.substr(8)},
    };
    for (const auto& [name, bytes] : damaged) {
        SCOPED_TRACE(name);
        test::writeBytes(cacheFile_, bytes);
        source_.calls = 0;
        EXPECT_EQ(secondRunDraws(), 10u) << "no picture is taken from a damaged file";
        EXPECT_EQ(test::readBytes(cacheFile_), whole) << "rebuilt whole";
    }
}

TEST_F(IconCacheFileTest, twoProfilesKeepTheirOwnCacheFiles)
{
    const fs::path cacheHome = dir_ / "cache";
    fs::create_directories(dir_ / "one");
    fs::create_directories(dir_ / "two");
    const fs::path one = iconCacheFileFor(cacheHome, dir_ / "one");
    const fs::path two = iconCacheFileFor(cacheHome, dir_ / "two");
    EXPECT_NE(one, two);
    EXPECT_EQ(one.parent_path(), cacheHome / "veska-novla");
    EXPECT_EQ(iconCacheFileFor(cacheHome, dir_ / "two" / ".." / "one"), one)
        << "two spellings of one folder share a file";

    // Each launcher saves only its own page; neither loses the other's pictures.
    warmUp(one, {items_[0], items_[1]});
    warmUp(two, {items_[2]});
    for (const auto& [file, count] : {std::pair{one, 2u}, std::pair{two, 1u}}) {
        const auto contents = readIconCacheFile(file);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->icons.size(), count);
    }
}

TEST_F(IconCacheFileTest, anUnwritableCacheFolderOnlyCostsSpeed)
{
    test::writeBytes(dir_ / "blocker", "a file where the cache folder should be");
    IconCache cache(source_);
    cache.useCacheFile(dir_ / "blocker" / "veska-novla" / "profile.icons");
    const platform::Picture first = cache.picture(itemRequest(items_[0]), 32);
    EXPECT_FALSE(cache.save());
    EXPECT_TRUE(cache.hasUnsavedPictures()) << "tried again at the next save";
    EXPECT_EQ(cache.picture(itemRequest(items_[0]), 32).pixels, first.pixels);
    EXPECT_EQ(source_.calls, 1u);
    std::error_code error;
    EXPECT_FALSE(fs::exists(dir_ / "blocker" / "veska-novla", error)) << "no stray temporary file";
}

TEST(IconCacheEncoding, keepsEveryFieldExactly)
{
    IconCacheContents contents;
    contents.theme = "Adwaita|hicolor";
    contents.icons.push_back(StoredIcon{2,
                                        "/home/ユーザー/a.exe",
                                        3,
                                        48,
                                        {true, 1234, -5},
                                        platform::Picture{1, 2, {0xFF102030u, 0u}}});
    contents.icons.push_back(StoredIcon{3, "", -1, 16, {false, 0, 0}, platform::Picture{}});
    const auto decoded = decodeIconCache(encodeIconCache(contents));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->theme, contents.theme);
    ASSERT_EQ(decoded->icons.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const StoredIcon& want = contents.icons[i];
        const StoredIcon& got = decoded->icons[i];
        EXPECT_EQ(got.source, want.source);
        EXPECT_EQ(got.path, want.path);
        EXPECT_EQ(got.index, want.index);
        EXPECT_EQ(got.sizePixels, want.sizePixels);
        EXPECT_EQ(got.identity, want.identity);
        EXPECT_EQ(got.picture.width, want.picture.width);
        EXPECT_EQ(got.picture.height, want.picture.height);
        EXPECT_EQ(got.picture.pixels, want.picture.pixels);
    }
}

} // namespace
} // namespace vnovla::pages
