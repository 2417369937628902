#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vnovla::settings {

// Conversions of stored profile text into numbers and truth values, as the launcher always
// converted them: a value the conversion cannot read gives nothing, and the caller keeps its
// default.
//
// Accepted number text: optional blanks (space, tab), an optional sign, decimal digits with
// an optional "." fraction (at least one digit in all), an optional exponent ("e" or "E",
// optional sign, digits), optional blanks. The launcher itself only writes plain decimals,
// but a single-precision value it saved may come out in exponent form ("1.5E+07"), so every
// number conversion reads that form alike.
//
// Deliberately not accepted, although older conversion routines took some of them:
// - "&H10" / "&O17" hexadecimal and octal forms: their sign depends on the target width
//   ("&HFFFF" is -1 as a 16-bit value but 65535 as a 32-bit one), so a hand-edited colour
//   could silently change meaning;
// - digit grouping such as "1,000": in many locales the comma is the decimal separator, so
//   "1,5" would be ambiguous;
// - full-width digits ("１２"), currency signs, parentheses for negatives, "inf", "nan",
//   and hexadecimal floating-point text.

// A whole number from -32768 to 32767. A fraction rounds half to even ("2.5" -> 2,
// "3.5" -> 4, "-0.5" -> 0); the range is checked after rounding.
std::optional<std::int16_t> toInt16(std::string_view text);

// The same for a 32-bit whole number (colour values).
std::optional<std::int32_t> toInt32(std::string_view text);

// A single-precision number, rounded to nearest. Text whose magnitude exceeds the largest
// single-precision value is unreadable; a magnitude too small to hold reads as zero.
std::optional<float> toSingle(std::string_view text);

// "True" or "False" in any letter case, or a number: zero is false, anything else true.
std::optional<bool> toBoolean(std::string_view text);

} // namespace vnovla::settings
