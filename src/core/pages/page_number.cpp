#include "pages/page_number.h"

#include <string>

namespace vnovla::pages {

namespace {

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
    if (index != end || (whole.empty() && fraction.empty()))
        return {};

    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    const bool fractionIsZero = fraction.find_first_not_of('0') == std::string::npos;

    // Pages stop at four digits; more digits are beyond any last page without a conversion.
    constexpr std::size_t kMostPageDigits = 4;
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
