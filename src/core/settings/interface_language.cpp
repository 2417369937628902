#include "settings/interface_language.h"

#include "profile/profile_store.h"

#include <cctype>

namespace vnovla::settings {

namespace {

constexpr std::string_view kOption = "--lang";

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

InterfaceLanguage parseInterfaceLanguage(std::string_view value)
{
    if (value.size() < 2 || lower(value[0]) != 'e' || lower(value[1]) != 'n')
        return InterfaceLanguage::Japanese;
    if (value.size() == 2 || value[2] == '_' || value[2] == '-' || value[2] == '.')
        return InterfaceLanguage::English;
    return InterfaceLanguage::Japanese;
}

std::optional<std::string> languageArgument(const std::vector<std::string>& arguments)
{
    std::optional<std::string> found;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == kOption) {
            if (index + 1 < arguments.size())
                found = arguments[++index];
        } else if (argument.starts_with(kOption) && argument.size() > kOption.size() &&
                   argument[kOption.size()] == '=') {
            found = std::string(argument.substr(kOption.size() + 1));
        }
    }
    return found;
}

InterfaceLanguage chooseInterfaceLanguage(const std::optional<std::string>& commandLine,
                                          std::string_view stored)
{
    return parseInterfaceLanguage(commandLine ? std::string_view(*commandLine) : stored);
}

InterfaceLanguage chooseInterfaceLanguage(const std::vector<std::string>& arguments,
                                          profile::ProfileStore& store)
{
    const std::optional<std::string> commandLine = languageArgument(arguments);
    if (commandLine)
        return parseInterfaceLanguage(*commandLine);
    return parseInterfaceLanguage(store.ReadSetting(kLanguageSection, kLanguageKey));
}

} // namespace vnovla::settings
