#include "remote/hot_key.h"

#include "profile/profile_store.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace vnovla::remote {

namespace {

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Spelling in the settings file (lower case) -> X keysym name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kNamedKeys{{
    {"space", "space"},   {"tab", "Tab"},       {"return", "Return"},
    {"enter", "Return"},  {"escape", "Escape"}, {"esc", "Escape"},
    {"insert", "Insert"}, {"delete", "Delete"}, {"home", "Home"},
    {"end", "End"},       {"pageup", "Prior"},  {"prior", "Prior"},
    {"pagedown", "Next"}, {"next", "Next"},     {"left", "Left"},
    {"right", "Right"},   {"up", "Up"},         {"down", "Down"},
    {"pause", "Pause"},   {"print", "Print"},   {"backspace", "BackSpace"},
    {"menu", "Menu"},
}};

constexpr std::array<std::pair<std::string_view, unsigned>, 8> kModifierNames{{
    {"ctrl", kControl},
    {"control", kControl},
    {"alt", kAlt},
    {"shift", kShift},
    {"super", kSuper},
    {"win", kSuper},
    {"meta", kSuper},
    {"mod4", kSuper},
}};

std::optional<std::string> keyName(std::string_view part)
{
    const std::string name = lower(part);
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return name;
    for (const auto& [spelling, keysym] : kNamedKeys)
        if (name == spelling)
            return std::string(keysym);
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' &&
        std::all_of(name.begin() + 1, name.end(),
                    [](unsigned char c) { return std::isdigit(c) != 0; }) &&
        name[1] != '0') {
        const int number = std::stoi(name.substr(1));
        if (number <= 24) {
            // Appended, not concatenated: GCC 12 warns falsely (-Wrestrict) on "F" + string.
            std::string key = "F";
            key += std::to_string(number);
            return key;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<HotKey> parseHotKey(std::string_view text)
{
    HotKey hotKey;
    bool haveKey = false;
    while (true) {
        const std::size_t plus = text.find('+');
        const std::string_view part = trimmed(text.substr(0, plus));
        // The last part is the key; every part before it must be a modifier, each once.
        if (plus == std::string_view::npos) {
            if (const auto key = keyName(part)) {
                hotKey.key = *key;
                haveKey = true;
            }
            break;
        }
        const std::string name = lower(part);
        const auto modifier =
            std::find_if(kModifierNames.begin(), kModifierNames.end(),
                         [&name](const auto& entry) { return entry.first == name; });
        if (modifier == kModifierNames.end() || (hotKey.modifiers & modifier->second) != 0)
            return std::nullopt;
        hotKey.modifiers |= modifier->second;
        text.remove_prefix(plus + 1);
    }
    if (!haveKey || (hotKey.modifiers & (kControl | kAlt | kSuper)) == 0)
        return std::nullopt;
    return hotKey;
}

std::string formatHotKey(const HotKey& hotKey)
{
    std::string text;
    constexpr std::array<std::pair<unsigned, std::string_view>, 4> kOrder{{
        {kControl, "Ctrl+"},
        {kAlt, "Alt+"},
        {kShift, "Shift+"},
        {kSuper, "Super+"},
    }};
    for (const auto& [modifier, name] : kOrder)
        if ((hotKey.modifiers & modifier) != 0)
            text += name;
    if (hotKey.key.size() == 1)
        text += static_cast<char>(std::toupper(static_cast<unsigned char>(hotKey.key[0])));
    else if (hotKey.key == "space")
        text += "Space";
    else
        text += hotKey.key;
    return text;
}

HotKey readHotKey(profile::ProfileStore& store)
{
    if (auto hotKey = parseHotKey(store.ReadSetting("Window", "HotKey")))
        return *hotKey;
    return *parseHotKey(kDefaultHotKey);
}

std::string hotKeyError(std::string_view text)
{
    if (parseHotKey(text))
        return {};
    std::string message = "「";
    message += text;
    message += "」はホットキーとして読めません。Ctrl、Alt、Super のどれかと1つのキーを「+」で"
               "つないでください（例: Ctrl+Alt+Space）。";
    return message;
}

} // namespace vnovla::remote
