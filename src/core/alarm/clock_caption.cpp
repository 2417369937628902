#include "alarm/clock_caption.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vnovla::alarm {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};

void appendPadded(std::string& out, int value, int width)
{
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    for (auto length = result.ptr - digits.data(); length < width; ++length)
        out += '0';
    out.append(digits.data(), result.ptr);
}

// The ASCII character a full-width form (U+FF0B..U+FF19: "＋" to "９", and "．") stands for;
// other text unchanged. Anything not plain ASCII after that makes the entry unreadable.
bool toAscii(std::string_view text, std::string& out)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            continue;
        }
        // U+FF01..U+FF5E are EF BC 81..EF BD 9E; the ones a number uses all lie in EF BC xx.
        if (byte == 0xEF && i + 2 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last >= 0x8B && last <= 0x99) { // ＋ ， － ． ／ ０..９
                out += static_cast<char>(last - 0x80 + 0x20);
                i += 2;
                continue;
            }
        }
        // The ideographic space typed between words.
        if (text.substr(i, 3) == "\u3000") {
            out += ' ';
            i += 2;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

void clockCaption(std::string& out, const platform::LocalTime& time)
{
    out.clear();
    appendPadded(out, time.hour, 2);
    out += ':';
    appendPadded(out, time.minute, 2);
    out += ':';
    appendPadded(out, time.second, 2);
    out += "  ";
    appendPadded(out, time.year, 4);
    out += '/';
    appendPadded(out, time.month, 2);
    out += '/';
    appendPadded(out, time.day, 2);
    out += '(';
    out += kWeekdays.at(static_cast<std::size_t>(((time.weekday % 7) + 7) % 7));
    out += ')';
}

std::optional<double> parseAlarmMinutes(std::string_view text)
{
    std::string ascii;
    if (!toAscii(text, ascii))
        return std::nullopt;
    std::string_view number = ascii;
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t'))
        number.remove_prefix(1);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t'))
        number.remove_suffix(1);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", which are no minutes.
    if (number.empty() ||
        !((number.front() >= '0' && number.front() <= '9') || number.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() ||
        !std::isfinite(value) || value > kMaximumAlarmMinutes)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace vnovla::alarm
