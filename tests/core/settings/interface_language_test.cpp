#include "settings/interface_language.h"

#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vnovla::settings {
namespace {

using Lang = InterfaceLanguage;

TEST(InterfaceLanguageTest, ParsesStoredValues)
{
    const struct
    {
        const char* value;
        Lang expected;
    } cases[] = {
        {"en", Lang::English},       {"EN", Lang::English},       {"en_GB", Lang::English},
        {"en-US", Lang::English},    {"en.UTF-8", Lang::English}, {"", Lang::Japanese},
        {"ja", Lang::Japanese},      {"e", Lang::Japanese},       {"eng", Lang::Japanese},
        {"english", Lang::Japanese}, {" en", Lang::Japanese},     {"fr", Lang::Japanese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseInterfaceLanguage(c.value), c.expected) << '"' << c.value << '"';
}

TEST(InterfaceLanguageTest, FindsTheCommandLineOption)
{
    using Args = std::vector<std::string>;
    const struct
    {
        Args arguments;
        std::optional<std::string> expected;
    } cases[] = {
        {{"vnovla"}, std::nullopt},
        {{"vnovla", "--lang", "en"}, "en"},
        {{"vnovla", "--lang=en"}, "en"},
        {{"vnovla", "--lang=", "x"}, ""},
        {{"vnovla", "--lang"}, std::nullopt},               // no value follows
        {{"vnovla", "--lang", "en", "--lang", "ja"}, "ja"}, // the last one wins
        {{"vnovla", "--language=en"}, std::nullopt},        // another option
        {{"vnovla", "--raise", "--lang", "en", "--page", "3"}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageArgument(c.arguments), c.expected) << testing::PrintToString(c.arguments);
}

TEST(InterfaceLanguageTest, CommandLineOverridesTheStoredChoiceWithoutWritingIt)
{
    test::TempDir dir;
    test::writeBytes(dir.path() / "Vnovla.ini", "[Window]\r\nLang=en\r\n");
    profile::ProfileStore store(dir.path());
    const struct
    {
        std::vector<std::string> arguments;
        Lang expected;
    } cases[] = {
        {{"vnovla"}, Lang::English},
        {{"vnovla", "--lang", "ja"}, Lang::Japanese},
        {{"vnovla", "--lang=EN"}, Lang::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseInterfaceLanguage(c.arguments, store), c.expected);
    EXPECT_EQ(test::readBytes(dir.path() / "Vnovla.ini"), "[Window]\r\nLang=en\r\n");
}

TEST(InterfaceLanguageTest, JapaneseWithoutTheKey)
{
    test::TempDir dir;
    profile::ProfileStore store(dir.path());
    EXPECT_EQ(chooseInterfaceLanguage(std::vector<std::string>{"vnovla"}, store), Lang::Japanese);
}

} // namespace
} // namespace vnovla::settings
