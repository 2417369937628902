#include "pages/page_number.h"

#include <algorithm>
#include <string>

namespace vnovla::pages {

namespace {

// Pages stop at four digits; more digits are beyond any last page without a conversion.
constexpr std::size_t kMostPageDigits = 4;

// The input with full-width digits, point and signs mapped to ASCII, and the ideographic
// space to a blank. Anything else passes unchanged, so it stays "not a number" below.
std::string asciiDigits(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte == 0xEF && index + 2 < text.size()) {
            const auto second = static_cast<unsigned char>(text[index + 1]);
            const auto third = static_cast<unsigned char>(text[index + 2]);
            // U+FF0B '＋' .. U+FF19 '９' are EF BC 8B .. EF BC 99.
            if (second == 0xBC && third >= 0x8B && third <= 0x99) {
                result += static_cast<char>('+' + (third - 0x8B));
                index += 2;
                continue;
            }
        }
        if (byte == 0xE3 && index + 2 < text.size() &&
            static_cast<unsigned char>(text[index + 1]) == 0x80 &&
            static_cast<unsigned char>(text[index + 2]) == 0x80) {
            result += ' '; // U+3000
            index += 2;
            continue;
        }
        result += text[index];
    }
    return result;
}

bool isBlank(char character)
{
    return character == ' ' || character == '\t';
}

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Moves the decimal point of whole.fraction by places (to the right when positive), padding
// with zeros where the digits run out.
void shiftPoint(std::string& whole, std::string& fraction, long places)
{
    std::string digits = whole + fraction;
    long point = static_cast<long>(whole.size()) + places;
    if (point < 0) {
        digits.insert(0, static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    if (static_cast<std::size_t>(point) > digits.size())
        digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
    whole = digits.substr(0, static_cast<std::size_t>(point));
    fraction = digits.substr(static_cast<std::size_t>(point));
}

} // namespace

PageNumberEntry readPageNumber(std::string_view typed, int highestPage)
{
    const std::string text = asciiDigits(typed);
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
    }
    std::string whole;
    std::string fraction;
    std::size_t index = begin;
    while (index < end && isDigit(text[index]))
        whole += text[index++];
    if (index < end && text[index] == '.') {
        ++index;
        while (index < end && isDigit(text[index]))
            fraction += text[index++];
    }
    if (whole.empty() && fraction.empty())
        return {};
    if (index < end && (text[index] == 'e' || text[index] == 'E')) {
        ++index;
        bool negativeExponent = false;
        if (index < end && (text[index] == '+' || text[index] == '-')) {
            negativeExponent = text[index] == '-';
            ++index;
        }
        const std::size_t exponentBegin = index;
        // Beyond this the digits' point has moved past every digit and the zeros padded in
        // no longer change what the number means (a page over four digits, or below 0.5);
        // the cap keeps "1e999999999" from building a string that long.
        const std::size_t cap = whole.size() + fraction.size() + kMostPageDigits + 2;
        std::size_t exponent = 0;
        while (index < end && isDigit(text[index])) {
            exponent = std::min(cap, exponent * 10 + static_cast<std::size_t>(text[index] - '0'));
            ++index;
        }
        if (index == exponentBegin)
            return {};
        shiftPoint(whole, fraction,
                   negativeExponent ? -static_cast<long>(exponent) : static_cast<long>(exponent));
    }
    if (index != end)
        return {};

    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    const bool fractionIsZero = fraction.find_first_not_of('0') == std::string::npos;

    if (!negative && whole.size() > kMostPageDigits)
        return {PageNumberKind::BeyondLastPage, highestPage};
    if (negative && whole.size() > kMostPageDigits)
        return {};
    const int wholeValue = whole.empty() ? 0 : std::stoi(whole);
    if (!negative && (wholeValue > highestPage || (wholeValue == highestPage && !fractionIsZero)))
        return {PageNumberKind::BeyondLastPage, highestPage};

    int rounded = wholeValue;
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool restIsZero = fraction.find_first_not_of('0', 1) == std::string::npos;
        if (first > '5' || (first == '5' && !restIsZero) ||
            (first == '5' && restIsZero && wholeValue % 2 == 1))
            ++rounded;
    }
    if (negative && rounded > 0)
        return {};
    return {PageNumberKind::Page, rounded};
}

} // namespace vnovla::pages
