#include "options/colour_scheme.h"

#include "profile/profile_store.h"
#include "support/temp_dir.h"
#include "utilities/help.h"

#include <gtest/gtest.h>

#include <string>

namespace vnovla::options {
namespace {

TEST(ColourValueTest, storedTextBecomesAColourOnlyWhenAnElementCanTakeIt)
{
    const struct
    {
        const char* text;
        std::optional<ColourValue> colour;
    } cases[] = {
        {"65535", 65535},
        {"0", 0},
        {"16777215", 16777215},
        {"-2147483643", kSystemWindowColour},
        {"-2147483618", static_cast<ColourValue>(0x8000001Eu)}, // 30, the menu bar
        {"", std::nullopt},
        {"red", std::nullopt},
        {"99999999999", std::nullopt}, // beyond 32 bits
        {"16777216", std::nullopt},    // a fourth byte is no colour
        {"-5", std::nullopt},          // top bit set, but other bits too
        {"-2147483623", std::nullopt}, // system colour 25 does not exist
        {"-2147483392", std::nullopt}, // index 256: beyond the low byte
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.text);
        EXPECT_EQ(readColour(one.text), one.colour);
    }
}

TEST(ColourValueTest, systemColoursMapToPaletteRolesOfTheSameMeaning)
{
    const auto system = [](unsigned index) {
        return static_cast<ColourValue>(0x80000000u | index);
    };
    EXPECT_EQ(systemColourRole(system(5)), SystemColourRole::Window);
    EXPECT_EQ(systemColourRole(system(8)), SystemColourRole::WindowText);
    EXPECT_EQ(systemColourRole(system(13)), SystemColourRole::Highlight);
    EXPECT_EQ(systemColourRole(system(15)), SystemColourRole::Button);
    EXPECT_EQ(systemColourRole(system(18)), SystemColourRole::ButtonText);
    EXPECT_EQ(systemColourRole(system(24)), SystemColourRole::ToolTipBase);
    EXPECT_EQ(systemColourRole(system(25)), std::nullopt);
    EXPECT_EQ(systemColourRole(system(31)), std::nullopt);
    EXPECT_EQ(systemColourRole(5), std::nullopt);
    EXPECT_EQ(colourText(kSystemWindowColour), "-2147483643");
}

class AppliedColoursTest : public ::testing::Test
{
protected:
    ColourSlots apply(const std::string& bytes, const ColourSlots& shown)
    {
        test::writeBytes(dir / "Vnovla.ini", bytes);
        profile::ProfileStore store(dir.path());
        return appliedColours(store, shown);
    }
    test::TempDir dir;
};

TEST_F(AppliedColoursTest, anEmptyColourSectionKeepsTheLabelsAndDefaultsTheGaugeBackgrounds)
{
    ColourSlots shown{};
    shown.fill(255);
    const ColourSlots applied = apply("[Window]\r\nPage=3\r\n", shown);
    for (int slot = 0; slot < kColourSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const bool gaugeBackground = slot >= kFirstGaugeSlot && slot % 2 == 1;
        const ColourValue expected =
            gaugeBackground
                ? kGaugeDefaultBackgrounds[static_cast<std::size_t>((slot - kFirstGaugeSlot) / 2)]
                : 255;
        EXPECT_EQ(applied[static_cast<std::size_t>(slot)], expected);
    }
    // The defaults are the standard scheme's backgrounds.
    EXPECT_EQ(apply("", kDesignColours), kDesignColours);
}

TEST_F(AppliedColoursTest, unreadableSlotsKeepTheirColourAndSystemColoursSurvive)
{
    const ColourSlots applied = apply(
        "[Col]\r\n0=255\r\n1=red\r\n3=99999999999\r\n5=-2147483643\r\n6=16777088\r\n7=abc\r\n",
        kColourSchemes[2].slots);
    EXPECT_EQ(applied[0], 255);
    EXPECT_EQ(applied[1], kColourSchemes[2].slots[1]);
    EXPECT_EQ(applied[3], kColourSchemes[2].slots[3]);
    EXPECT_EQ(applied[5], kSystemWindowColour);
    EXPECT_EQ(applied[6], 16777088);
    EXPECT_EQ(applied[7], kColourSchemes[2].slots[7]);
    EXPECT_EQ(colourWrites(applied)[5].value, "-2147483643");
}

TEST(VersionTest, minorAndRevisionRunTogether)
{
    EXPECT_EQ(utilities::versionLabel({0, 1, 0}), "Ver 0.10");
    EXPECT_EQ(utilities::versionLabel({0, 2, 9}), "Ver 0.29");
    EXPECT_EQ(utilities::versionNumber({1, 12, 3}), "1.123");
}

TEST(ReadmeTest, theGuideBesideTheProgramWinsOverTheInstalledOne)
{
    test::TempDir program;
    test::TempDir docs;
    const utilities::HelpFolders folders{program.path(), docs.path()};
    EXPECT_EQ(utilities::readmePath(folders), docs / "readme.txt");
    std::filesystem::create_directory(program / "readme.txt");
    EXPECT_EQ(utilities::readmePath(folders), docs / "readme.txt");
    std::filesystem::remove(program / "readme.txt");
    test::writeBytes(program / "readme.txt", "guide");
    EXPECT_EQ(utilities::readmePath(folders), program / "readme.txt");
    EXPECT_EQ(utilities::readmePath({{}, docs.path()}), docs / "readme.txt");
}

} // namespace
} // namespace vnovla::options
