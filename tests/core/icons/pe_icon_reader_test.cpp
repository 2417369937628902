#include "icons/pe_icon_reader.h"

#include "core/icons/icon_builders.h"
#include "core/icons/icon_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace vnovla::icons {
namespace {

using test::Bytes;
using test::dib32;
using test::dib8;
using test::iconGroup;
using test::kRtGroupIcon;
using test::kRtIcon;
using test::patch16;
using test::patch32;
using test::PeFile;
using test::PeKind;
using test::PeResource;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// Group 0 is the named "APP" (red at 16 and 32 pixels); group 1 is id 7 (green), listed
// after it as named entries precede numbered ones.
std::vector<PeResource> twoGroups()
{
    return {
        {kRtIcon, {}, 1, dib32(16, kRed)},
        {kRtIcon, {}, 2, dib32(32, kRed)},
        {kRtIcon, {}, 3, dib8(16, 0x0000FF00)},
        {kRtGroupIcon, u"APP", 0,
         iconGroup({{16, 32, dib32(16, kRed)}, {32, 32, dib32(32, kRed)}}, {1, 2})},
        {kRtGroupIcon, {}, 7, iconGroup({{16, 8, dib8(16, 0x0000FF00)}}, {3})},
    };
}

TEST(PeIconReaderTest, IconIndexCountsGroupsInDirectoryOrder)
{
    for (const PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
        const PeFile file = test::peFile(twoGroups(), kind);
        const PeIconReader reader(file.bytes);
        ASSERT_EQ(reader.iconCount(), 2);
        EXPECT_EQ(pixelAt(reader.image(0, 32)), kRed);
        EXPECT_EQ(pixelAt(reader.image(1, 32)), kGreen);
        EXPECT_EQ(pixelAt(reader.image(2, 32)), kNoImage);
        EXPECT_EQ(pixelAt(reader.image(-1, 32)), kNoImage);
    }
}

TEST(PeIconReaderTest, GroupImageIsChosenBySize)
{
    const PeFile file = test::peFile(twoGroups());
    const PeIconReader reader(file.bytes);
    EXPECT_EQ(sideOf(reader.image(0, 16)), 16);
    EXPECT_EQ(sideOf(reader.image(0, 24)), 32);
    EXPECT_EQ(sideOf(reader.image(0, 256)), 32);
    // A group whose best image is missing falls back to the next best.
    std::vector<PeResource> resources = twoGroups();
    resources.erase(resources.begin() + 1);
    const PeFile missing = test::peFile(resources);
    EXPECT_EQ(sideOf(PeIconReader(missing.bytes).image(0, 32)), 16);
}

TEST(PeIconReaderTest, PngImagesAreHandedOn)
{
    const PeFile file =
        test::peFile({{kRtIcon, {}, 9, test::tinyPng()},
                      {kRtGroupIcon, {}, 1, iconGroup({{0, 32, test::tinyPng()}}, {9})}});
    EXPECT_EQ(pixelAt(PeIconReader(file.bytes).image(0, 256)), kPngMarker);
}

TEST(PeIconReaderTest, FilesWithoutIconsHaveNone)
{
    const PeFile noGroups = test::peFile({{kRtIcon, {}, 1, dib32(16, kBlue)}});
    EXPECT_EQ(PeIconReader(noGroups.bytes).iconCount(), 0);
    const Bytes ico = test::icoFile({{16, 32, dib32(16, kBlue)}});
    EXPECT_EQ(PeIconReader(ico).iconCount(), 0);
    EXPECT_EQ(PeIconReader(Bytes{}).iconCount(), 0);
}

TEST(PeIconReaderTest, TruncatedFilesGiveWholeImagesOrNone)
{
    const PeFile file = test::peFile(twoGroups());
    const PeIconReader whole(file.bytes);
    for (std::size_t length = 0; length < file.bytes.size(); ++length) {
        const Bytes cut(file.bytes.begin(),
                        file.bytes.begin() + static_cast<std::ptrdiff_t>(length));
        const PeIconReader reader(cut);
        for (int index = 0; index < 2; ++index) {
            const auto image = reader.image(index, 32);
            if (image) {
                EXPECT_EQ(pixelAt(image), pixelAt(whole.image(index, 32))) << length;
            }
        }
    }
}

TEST(PeIconReaderTest, DamagedFilesGiveNoImage)
{
    const PeFile good = test::peFile(twoGroups());
    const std::size_t root = good.resourceStart;
    const std::size_t iconType = root + good.typeDirectories;
    const std::size_t appLanguage = root + good.languageDirectories[3];
    const std::size_t appDataEntry = root + good.dataEntries[3];
    constexpr std::uint32_t subdirectory = 0x80000000U;
    const std::size_t appGroupData =
        root + good.bytes[appDataEntry] + (good.bytes[appDataEntry + 1] << 8) - test::kResourceRva;
    // The offsets below hit what they name: the untouched file gives its image.
    ASSERT_EQ(pixelAt(PeIconReader(good.bytes).image(0, 32)), kRed);
    ASSERT_EQ(good.bytes.at(appGroupData + 4), 2);
    ASSERT_EQ(good.bytes.at(appLanguage + 14), 1);
    ASSERT_EQ(good.bytes.at(iconType + 14), 3);
    struct Case
    {
        std::string name;
        std::size_t at;
        std::uint32_t value;
        int width = 4;
    };
    const Case cases[] = {
        {"no MZ", 0, 0x5A4E, 2},
        {"PE header past the end", 0x3C, 0xFFFFFFF0},
        {"unknown optional header", 0x58, 0x0107, 2},
        {"section table past the end", 0x54, 0xFFFF, 2},
        {"too many sections", 0x46, 60000, 2},
        {"section data past the end", 0x40 + 24 + 224 + 20, 0x7FFFFFF0},
        {"resources outside every section", 0x40 + 24 + 96 + 16, 0x90000},
        {"group names pointing at the root", root + 16 + 8 + 4, subdirectory},
        {"language pointing at its own directory", appLanguage + 16 + 4,
         static_cast<std::uint32_t>(good.languageDirectories[3]) | subdirectory},
        {"65535 languages without entries", appLanguage + 14, 65535, 2},
        {"65535 icons without entries", iconType + 14, 65535, 2},
        {"group data past the section", appDataEntry, 0xFFFFFF00},
        {"group data size past the section", appDataEntry + 4, 0xFFFF},
        {"group of 65535 images without entries", appGroupData + 4, 65535, 2},
        {"group that is not an icon group", appGroupData + 2, 2, 2},
    };
    for (const Case& c : cases) {
        Bytes bytes = good.bytes;
        if (c.width == 2)
            patch16(bytes, c.at, c.value);
        else
            patch32(bytes, c.at, c.value);
        const PeIconReader reader(bytes);
        EXPECT_EQ(pixelAt(reader.image(0, 32)), kNoImage) << c.name;
    }
}

} // namespace
} // namespace vnovla::icons
