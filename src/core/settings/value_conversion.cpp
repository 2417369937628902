#include "settings/value_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace vnovla::settings {

namespace {

// A parsed number text kept exactly in decimal, so that rounding to a whole number never
// suffers from binary fractions ("2.5000000000000001" must round up).
struct DecimalNumber
{
    bool negative = false;
    std::string digits;        // significant digits without leading zeros; empty for zero
    std::int64_t exponent = 0; // value = digits * 10^exponent
};

// Exponents beyond this are saturated; every target overflows or rounds to zero long
// before, and the cap keeps the arithmetic below from overflowing.
constexpr std::int64_t kExponentCap = 100'000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<DecimalNumber> parseDecimal(std::string_view text)
{
    text = trimBlanks(text);
    DecimalNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }

    std::size_t mantissaDigits = 0;
    std::int64_t fractionDigits = 0;
    const auto takeDigit = [&number](char c) {
        if (number.digits.empty() && c == '0')
            return;
        number.digits.push_back(c);
    };
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        ++mantissaDigits;
        takeDigit(text[pos]);
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            ++mantissaDigits;
            ++fractionDigits;
            takeDigit(text[pos]);
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        std::size_t exponentDigits = 0;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            ++exponentDigits;
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
        }
        if (exponentDigits == 0)
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (pos != text.size())
        return std::nullopt;

    number.exponent = exponent - fractionDigits;
    return number;
}

// The number of digits before the decimal point of a non-zero number.
std::int64_t integerDigitCount(const DecimalNumber& number)
{
    return static_cast<std::int64_t>(number.digits.size()) + number.exponent;
}

// The magnitude rounded half to even, or nothing when it is too large for any target.
std::optional<std::uint64_t> roundedMagnitude(const DecimalNumber& number)
{
    const std::string& digits = number.digits;
    if (digits.empty())
        return 0;
    const std::int64_t integerDigits = integerDigitCount(number);
    if (integerDigits > 18)
        return std::nullopt;
    if (integerDigits < 0)
        return 0; // below 0.1

    const auto digitCount = static_cast<std::int64_t>(digits.size());
    std::uint64_t magnitude = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        const int digit = i < digitCount ? digits[static_cast<std::size_t>(i)] - '0' : 0;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
    }
    if (integerDigits >= digitCount)
        return magnitude;

    const auto fraction = std::string_view(digits).substr(static_cast<std::size_t>(integerDigits));
    const bool aboveHalf =
        std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
    const char first = fraction.front();
    if (first > '5' || (first == '5' && (aboveHalf || magnitude % 2 == 1)))
        ++magnitude;
    return magnitude;
}

template <typename Integer> std::optional<Integer> toInteger(std::string_view text)
{
    const auto number = parseDecimal(text);
    if (!number)
        return std::nullopt;
    const auto magnitude = roundedMagnitude(*number);
    if (!magnitude)
        return std::nullopt;
    const auto signedMagnitude = static_cast<std::int64_t>(*magnitude);
    const std::int64_t value = number->negative ? -signedMagnitude : signedMagnitude;
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(value);
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCaseWord)
{
    return std::equal(text.begin(), text.end(), lowerCaseWord.begin(), lowerCaseWord.end(),
                      [](char a, char b) {
                          const char lower = (a >= 'A' && a <= 'Z') ? static_cast<char>(a + 32) : a;
                          return lower == b;
                      });
}

} // namespace

std::optional<std::int16_t> toInt16(std::string_view text)
{
    return toInteger<std::int16_t>(text);
}

std::optional<std::int32_t> toInt32(std::string_view text)
{
    return toInteger<std::int32_t>(text);
}

std::optional<float> toSingle(std::string_view text)
{
    const auto number = parseDecimal(text);
    if (!number)
        return std::nullopt;
    const float sign = number->negative ? -1.0f : 1.0f;
    if (number->digits.empty())
        return sign * 0.0f;

    // Only text that passed the grammar above reaches the library parser, so its extra
    // forms ("inf", "nan", hexadecimal) can never slip through.
    const std::string normalised = number->digits + 'e' + std::to_string(number->exponent);
    float value = 0.0f;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (integerDigitCount(*number) > 0)
            return std::nullopt;
        return sign * 0.0f;
    }
    if (error != std::errc() || end != normalised.data() + normalised.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return sign * value;
}

std::optional<bool> toBoolean(std::string_view text)
{
    const std::string_view word = trimBlanks(text);
    if (equalsIgnoringCase(word, "true"))
        return true;
    if (equalsIgnoringCase(word, "false"))
        return false;
    const auto number = parseDecimal(word);
    if (!number)
        return std::nullopt;
    return !number->digits.empty();
}

} // namespace vnovla::settings
