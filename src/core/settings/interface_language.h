#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::settings {

// The language of the program's own texts. Japanese is the default whatever the desktop's
// locale: the program's texts are written in Japanese and English is a translation of them.
// Stored values (page titles, paths, settings) never change with it.
enum class InterfaceLanguage { Japanese, English };

// "Lang" in "Window": a key that older files lack, so that a file still works everywhere.
inline constexpr std::string_view kLanguageSection = "Window";
inline constexpr std::string_view kLanguageKey = "Lang";

// "en" (any case, with or without a region: "en_GB", "en-US") is English; "ja" and anything
// else, including an empty value, is Japanese.
InterfaceLanguage parseInterfaceLanguage(std::string_view value);

// The value of "--lang VALUE" or "--lang=VALUE" among the program's arguments (the last one
// wins); nothing when the option is absent or has no value.
std::optional<std::string> languageArgument(const std::vector<std::string>& arguments);

// The command line overrides the stored choice for this run without changing the file.
InterfaceLanguage chooseInterfaceLanguage(const std::optional<std::string>& commandLine,
                                          std::string_view stored);

InterfaceLanguage chooseInterfaceLanguage(const std::vector<std::string>& arguments,
                                          profile::ProfileStore& store);

} // namespace vnovla::settings
