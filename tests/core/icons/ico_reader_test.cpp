#include "icons/ico_reader.h"

#include "core/icons/icon_builders.h"
#include "core/icons/icon_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace vnovla::icons {
namespace {

using test::Bytes;
using test::dib32;
using test::dib8;
using test::dibHeader;
using test::icoFile;
using test::patch16;
using test::patch32;
using test::tinyPng;

constexpr std::size_t kFirstEntry = 6;

Bytes threeImageIco()
{
    return icoFile(
        {{4, 32, dib32(4, 0xFF102030)}, {4, 8, dib8(4, 0x00405060)}, {2, 32, tinyPng()}});
}

TEST(IcoReaderTest, EachIndexGivesItsOwnImage)
{
    const Bytes file = threeImageIco();
    const IcoReader reader(file);
    ASSERT_EQ(reader.iconCount(), 3);
    EXPECT_EQ(pixelAt(reader.image(0)), 0xFF102030U);
    EXPECT_EQ(pixelAt(reader.image(1)), 0xFF405060U);
    // The mask clears the top-left pixel of the palette image.
    EXPECT_EQ(pixelAt(reader.image(1), 0, 0), 0x00000000U);
    EXPECT_EQ(pixelAt(reader.image(1), 3, 3), 0xFF405060U);
    const auto png = reader.image(2);
    ASSERT_TRUE(png && std::holds_alternative<PngImage>(*png));
    EXPECT_EQ(std::get<PngImage>(*png).bytes, tinyPng());
    EXPECT_EQ(pixelAt(reader.image(3)), kNoImage);
    EXPECT_EQ(pixelAt(reader.image(-1)), kNoImage);
}

TEST(IcoReaderTest, PixelFormatsDecodeToPremultipliedArgb)
{
    struct Case
    {
        std::string name;
        Bytes dib;
        std::uint32_t topLeft;
        std::uint32_t bottomRight;
    };
    Bytes bgr24 = dibHeader(2, 24);
    // Bottom row first: blue, green; then the top row: red, white. Rows pad to 4 bytes.
    bgr24.insert(bgr24.end(), {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0});
    test::putMask(bgr24, 2, false);
    Bytes mono = dibHeader(2, 1);
    test::put32(mono, 0x00000000);
    test::put32(mono, 0x00FFFFFF);
    test::put32(mono, 0x00000040); // bottom row: black, white
    test::put32(mono, 0x00000080); // top row: white, black
    test::putMask(mono, 2, false);
    Bytes nibbles = dibHeader(2, 4, 3);
    test::put32(nibbles, 0x00000000);
    test::put32(nibbles, 0x00FF0000);
    test::put32(nibbles, 0x0000FF00);
    test::put32(nibbles, 0x00000020); // bottom row: 2, 0
    test::put32(nibbles, 0x00000001); // top row: 0, 1
    test::putMask(nibbles, 2, false);
    Bytes halfAlpha = dibHeader(1, 32);
    test::put32(halfAlpha, 0x80FF8040);
    test::putMask(halfAlpha, 1, false);
    Bytes noAlpha = dibHeader(2, 32); // alpha all zero: the mask decides
    for (int i = 0; i < 4; ++i)
        test::put32(noAlpha, 0x00123456);
    test::putMask(noAlpha, 2, true);
    Bytes highColour = dibHeader(2, 16);
    test::put32(highColour, 0x001F7C00); // bottom row: red, blue (5-5-5)
    test::put32(highColour, 0x7FFF03E0); // top row: green, white
    test::putMask(highColour, 2, false);
    Bytes bitfields = dibHeader(1, 32);
    test::patch32(bitfields, 16, 3); // BI_BITFIELDS: three channel masks follow the header
    test::put32(bitfields, 0x00FF0000);
    test::put32(bitfields, 0x0000FF00);
    test::put32(bitfields, 0x000000FF);
    test::put32(bitfields, 0xFF336699);
    test::putMask(bitfields, 1, false);

    const Case cases[] = {
        {"24-bit", bgr24, 0xFFFF0000, 0xFF00FF00},
        {"1-bit", mono, 0xFFFFFFFF, 0xFFFFFFFF},
        {"4-bit", nibbles, 0xFF000000, 0xFF000000},
        {"32-bit half alpha", halfAlpha, 0x80804020, 0x80804020},
        {"32-bit without alpha", noAlpha, 0x00000000, 0xFF123456},
        {"16-bit", highColour, 0xFF00FF00, 0xFF0000FF},
        {"32-bit with channel masks", bitfields, 0xFF336699, 0xFF336699},
    };
    for (const Case& c : cases) {
        const int side = static_cast<int>(c.dib[4]);
        const auto image = decodeIconImage(c.dib);
        EXPECT_EQ(pixelAt(image, 0, 0), c.topLeft) << c.name;
        EXPECT_EQ(pixelAt(image, side - 1, side - 1), c.bottomRight) << c.name;
    }
    EXPECT_EQ(pixelAt(decodeIconImage(nibbles), 1, 0), 0xFFFF0000U);
    EXPECT_EQ(pixelAt(decodeIconImage(nibbles), 0, 1), 0xFF00FF00U);
}

TEST(IcoReaderTest, BestImageIsTheClosestSizeThenTheLargerThenTheDeeper)
{
    const Bytes file = icoFile({{16, 8, dib8(16, 0x000000AA)},
                                {32, 8, dib8(32, 0x000000BB)},
                                {32, 32, dib32(32, 0xFF0000CC)},
                                {48, 32, dib32(48, 0xFF0000DD)}});
    const IcoReader reader(file);
    EXPECT_EQ(pixelAt(reader.bestImage(16)), 0xFF0000AAU);
    EXPECT_EQ(pixelAt(reader.bestImage(32)), 0xFF0000CCU);
    EXPECT_EQ(pixelAt(reader.bestImage(40)), 0xFF0000DDU);
    EXPECT_EQ(pixelAt(reader.bestImage(24)), 0xFF0000CCU);
    EXPECT_EQ(pixelAt(reader.bestImage(256)), 0xFF0000DDU);

    // A directory without bit counts leaves the depth to the images' own headers.
    const Bytes unstated = icoFile({{32, 0, dib8(32, 0x000000BB)}, {32, 0, dib32(32, 0xFF0000CC)}});
    EXPECT_EQ(pixelAt(IcoReader(unstated).bestImage(32)), 0xFF0000CCU);
}

// Every image a cut-off file still gives must be the one the whole file gives: a reader that
// read past the end would give garbage, or crash under the sanitizers.
TEST(IcoReaderTest, TruncatedFilesGiveWholeImagesOrNone)
{
    const Bytes file = threeImageIco();
    const IcoReader whole(file);
    for (std::size_t length = 0; length < file.size(); ++length) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        const IcoReader reader(cut);
        EXPECT_TRUE(reader.iconCount() == 0 || reader.iconCount() == 3) << length;
        for (int index = 0; index < reader.iconCount(); ++index) {
            const auto image = reader.image(index);
            if (image) {
                EXPECT_EQ(pixelAt(image), pixelAt(whole.image(index))) << length;
            }
        }
        EXPECT_EQ(pixelAt(reader.image(2)) == kPngMarker, length == file.size()) << length;
    }
}

TEST(IcoReaderTest, DamagedFilesGiveNoImage)
{
    const std::size_t sizeField = kFirstEntry + 8;
    const std::size_t offsetField = kFirstEntry + 12;
    const std::size_t dib = kFirstEntry + 3 * test::kIcoEntrySize;
    struct Case
    {
        std::string name;
        std::size_t at;
        std::uint32_t value;
        int width = 4; // 4: patch32, 2: patch16
    };
    const Case cases[] = {
        {"cursor file", 2, 2, 2},
        {"count 65535 without entries", 4, 65535, 2},
        {"zero size", sizeField, 0},
        {"size past the end", sizeField, 0xFFFFFFFF},
        {"offset past the end", offsetField, 100000},
        {"offset and size wrapping round", offsetField, 0xFFFFFFF0},
        {"zero width", dib + 4, 0},
        {"negative width", dib + 4, 0x80000000},
        {"width above the cap", dib + 4, 1025},
        {"width larger than the data", dib + 4, 1024},
        {"zero height", dib + 8, 0},
        {"negative height", dib + 8, 0xFFFFFFF8},
        {"OS/2 header", dib, 12},
        {"header longer than the image", dib, 0x10000},
        {"unknown bit count", dib + 14, 7, 2},
        {"run-length compression", dib + 16, 1},
        {"more colours than 8 bits hold", dib + 32, 1000},
    };
    for (const Case& c : cases) {
        Bytes file = threeImageIco();
        if (c.width == 2)
            patch16(file, c.at, c.value);
        else
            patch32(file, c.at, c.value);
        const IcoReader reader(file);
        EXPECT_EQ(pixelAt(reader.image(0)), kNoImage) << c.name;
    }
}

TEST(IcoReaderTest, PngWithAnAbsurdSizeIsRefused)
{
    for (const std::uint32_t side : {0U, 1025U, 0x80000000U}) {
        Bytes png = tinyPng();
        // Big-endian width in the IHDR chunk.
        for (int i = 0; i < 4; ++i)
            png[16 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(side >> (24 - 8 * i));
        EXPECT_FALSE(decodeIconImage(png)) << side;
    }
}

} // namespace
} // namespace vnovla::icons
