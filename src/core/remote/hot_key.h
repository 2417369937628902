#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::remote {

// The key combination that brings the launcher up from anywhere, as stored in "HotKey" of
// "Window": modifiers and one key joined by "+", for example "Ctrl+Alt+Space".
inline constexpr std::string_view kDefaultHotKey = "Ctrl+Alt+Space";

enum Modifier : unsigned {
    kShift = 1U << 0,
    kControl = 1U << 1,
    kAlt = 1U << 2,
    kSuper = 1U << 3,
};

struct HotKey
{
    unsigned modifiers = 0;
    // The key's X keysym name: a lower-case letter or a digit, "space", "Return", "F1".."F24"
    // and the other named keys of the table in hot_key.cpp.
    std::string key;

    bool operator==(const HotKey&) const = default;
};

// Reads a combination, ignoring case and blanks around the parts. At least one of Ctrl, Alt
// and Super is required: a bare key or Shift+key would take that key away from every other
// program. Nothing when the text does not parse.
std::optional<HotKey> parseHotKey(std::string_view text);

// The combination written the way parseHotKey reads it, modifiers in a fixed order.
std::string formatHotKey(const HotKey& hotKey);

// The stored combination, or the default one when "HotKey" is missing or does not parse.
HotKey readHotKey(profile::ProfileStore& store);

// Why text is not a combination, in words for the user; empty when it is one.
std::string hotKeyError(std::string_view text);

} // namespace vnovla::remote
