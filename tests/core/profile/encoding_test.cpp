#include "profile/encoding.h"

#include <gtest/gtest.h>

namespace vnovla::profile {
namespace {

TEST(Encoding, detectsByBomThenByUtf8Validity)
{
    EXPECT_EQ(detectEncoding(""), TextEncoding::Cp932);
    EXPECT_EQ(detectEncoding("[Window]\r\nPage=3\r\n"), TextEncoding::Cp932);
    EXPECT_EQ(detectEncoding("k=\x95\x5c"), TextEncoding::Cp932);
    EXPECT_EQ(detectEncoding("k=表"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBFk=v"), TextEncoding::Utf8Bom);
    EXPECT_EQ(detectEncoding(std::string_view("\xFF\xFEk\0", 4)), TextEncoding::Utf16Le);
    EXPECT_EQ(detectEncoding(std::string_view("\xFE\xFF\0k", 4)), TextEncoding::Utf16Be);
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_EQ(detectEncoding("\xC0\xAF"), TextEncoding::Cp932);
    EXPECT_EQ(detectEncoding("\xED\xA0\x80"), TextEncoding::Cp932);
}

TEST(Encoding, cutsNeverHalveACharacter)
{
    EXPECT_EQ(cutAtCharacter("a\x95\x5c", 2, TextEncoding::Cp932), "a");
    EXPECT_EQ(cutAtCharacter("a\x95\x5c", 3, TextEncoding::Cp932), "a\x95\x5c");
    // A lead byte without a valid trail byte is a character of its own.
    EXPECT_EQ(cutAtCharacter("\x95 ", 1, TextEncoding::Cp932), "\x95");
    EXPECT_EQ(cutAtCharacter("a表", 3, TextEncoding::Utf8), "a");
    EXPECT_EQ(cutAtCharacter("a表", 4, TextEncoding::Utf8), "a表");
}

TEST(Encoding, cp932RoundTripsAndRefusesApproximations)
{
    EXPECT_EQ(utf8ToCp932("表ソ能～"),
              std::optional<std::string>("\x95\x5c\x83\x5c\x94\x5c\x81\x60"));
    EXPECT_EQ(cp932ToUtf8("\x95\x5c\x83\x5c\x94\x5c\x81\x60"), "表ソ能～");
    EXPECT_EQ(utf8ToCp932("a\\b"), std::optional<std::string>("a\\b"));
    // Wave dash, yen sign and emoji have no exact CP932 form.
    EXPECT_EQ(utf8ToCp932("〜"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("¥"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("😀"), std::nullopt);
    EXPECT_EQ(cp932ToUtf8Strict("\x80"), std::nullopt);
    EXPECT_EQ(cp932ToUtf8("\x95"), "\xEF\xBF\xBD");
}

TEST(Encoding, utf16RoundTripsSurrogatePairs)
{
    const std::string text = "a表😀";
    for (const auto encoding : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        const std::string wide = utf8ToUtf16(text, encoding);
        EXPECT_EQ(wide.size(), 8u);
        EXPECT_EQ(utf16ToUtf8(wide, encoding), std::optional<std::string>(text));
    }
    EXPECT_EQ(utf16ToUtf8(std::string("\x00\xD8", 2), TextEncoding::Utf16Le), std::nullopt);
    EXPECT_EQ(utf16ToUtf8("abc", TextEncoding::Utf16Le), std::nullopt);
}

} // namespace
} // namespace vnovla::profile
