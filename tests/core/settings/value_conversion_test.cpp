#include "settings/value_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string_view>

namespace vnovla::settings {
namespace {

template <typename Value> struct Case
{
    std::string_view text;
    std::optional<Value> expected;
};

// clang-format off
TEST(ValueConversionTest, Int16RoundsHalfToEvenAndChecksRangeAfterRounding)
{
    const Case<std::int16_t> cases[] = {
        {"42", 42}, {"+5", 5}, {"-7", -7}, {" 7 ", 7}, {"\t7", 7}, {"007", 7}, {"-0", 0},
        {"2.5", 2}, {"3.5", 4}, {"-0.5", 0}, {"-2.5", -2}, {"0.51", 1}, {"2.4999", 2},
        {".5", 0}, {"5.", 5}, {"1e3", 1000}, {"1.5E+1", 15}, {"250e-2", 2},
        {"32767", 32767}, {"32767.5", {}}, {"32768", {}}, {"-32768", -32768},
        {"-32768.5", -32768}, {"-32767.5", -32768}, {"-32769", {}}, {"1e5", {}},
        // Rounding works on the decimal digits: this is above one half.
        {"2.50000000000000000001", 3},
        {"0.00000000000000000000001", 0}, {"99999999999999999999999", {}}, {"1e99999999999", {}},
        {"", {}}, {" ", {}}, {"abc", {}}, {"5abc", {}}, {"--5", {}}, {"+-5", {}}, {".", {}},
        {"e3", {}}, {"1e", {}}, {"1e+", {}}, {"1 2", {}}, {"(5)", {}}, {"inf", {}}, {"nan", {}},
        {"&H10", {}}, {"&O17", {}}, {"0x10", {}}, {"1,000", {}},
        {"\xef\xbc\x91\xef\xbc\x92", {}}, // full-width "12"
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toInt16(text), expected) << '"' << text << '"';
}

TEST(ValueConversionTest, Int32CoversSignedColourValues)
{
    const Case<std::int32_t> cases[] = {
        {"16777215", 16777215}, {"-2147483633", -2147483633}, {"40000", 40000},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", {}}, {"-2147483649", {}},
        {"2147483646.5", 2147483646}, {"2147483647.5", {}}, {"&HFFFF", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toInt32(text), expected) << '"' << text << '"';
}

TEST(ValueConversionTest, SingleReadsDecimalAndExponentFormsOnly)
{
    const Case<float> cases[] = {
        {"1440", 1440.0f}, {"-300", -300.0f}, {"1234.5", 1234.5f}, {" 15 ", 15.0f},
        {"+2", 2.0f}, {"1.5E+07", 1.5e7f}, {"1E-05", 1e-5f}, {"0.0", 0.0f},
        {"3.4028235e38", 3.4028235e38f}, {"3.5e38", {}}, {"1e39", {}}, {"1e-60", 0.0f},
        {"inf", {}}, {"Infinity", {}}, {"nan", {}}, {"0x1p3", {}}, {"1,5", {}}, {"", {}},
        {"twips", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toSingle(text), expected) << '"' << text << '"';
    EXPECT_TRUE(std::signbit(*toSingle("-1e-60")));
}

TEST(ValueConversionTest, BooleanReadsWordsInAnyCaseOrNumbers)
{
    const Case<bool> cases[] = {
        {"True", true}, {"FALSE", false}, {"tRuE", true}, {" False ", false},
        {"0", false}, {"1", true}, {"-1", true}, {"0.0", false}, {"0.4", true}, {"1e3", true},
        {"", {}}, {"yes", {}}, {"Tru", {}}, {"TrueX", {}}, {"on", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toBoolean(text), expected) << '"' << text << '"';
}
// clang-format on

} // namespace
} // namespace vnovla::settings
