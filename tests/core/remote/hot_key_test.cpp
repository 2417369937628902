#include "remote/display_platform.h"
#include "remote/hot_key.h"

#include "profile/profile_store.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using remote::HotKey;
using remote::kAlt;
using remote::kControl;
using remote::kShift;
using remote::kSuper;

TEST(HotKey, combinationsAsUsersWriteThem)
{
    struct Row
    {
        std::string text;
        std::optional<HotKey> expected;
    };
    const std::vector<Row> rows = {
        {"Ctrl+Alt+Space", HotKey{kControl | kAlt, "space"}},
        {" ctrl + ALT + space ", HotKey{kControl | kAlt, "space"}},
        {"Control+Shift+K", HotKey{kControl | kShift, "k"}},
        {"Super+1", HotKey{kSuper, "1"}},
        {"Win+F12", HotKey{kSuper, "F12"}},
        {"Alt+f24", HotKey{kAlt, "F24"}},
        {"Ctrl+PageUp", HotKey{kControl, "Prior"}},
        {"Meta+Enter", HotKey{kSuper, "Return"}},
        {"Ctrl+Alt+Shift+Super+Esc", HotKey{kControl | kAlt | kShift | kSuper, "Escape"}},
        // Without Ctrl, Alt or Super the key would be taken from every program.
        {"Space", std::nullopt},
        {"Shift+A", std::nullopt},
        {"", std::nullopt},
        {"Ctrl+", std::nullopt},
        {"Ctrl+Alt", std::nullopt},
        {"Ctrl+Ctrl+A", std::nullopt},
        {"Ctrl+A+B", std::nullopt},
        {"Hyper+A", std::nullopt},
        {"Ctrl+F0", std::nullopt},
        {"Ctrl+F25", std::nullopt},
        {"Ctrl+F01", std::nullopt},
        {"Ctrl+Ä", std::nullopt},
        {"Ctrl+Alt+Space\n", std::nullopt},
        {"+Ctrl+A", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(remote::parseHotKey(row.text), row.expected);
        EXPECT_EQ(remote::hotKeyError(row.text).empty(), row.expected.has_value());
        if (row.expected) {
            EXPECT_EQ(remote::parseHotKey(remote::formatHotKey(*row.expected)), row.expected);
        }
    }
    EXPECT_EQ(remote::formatHotKey(*remote::parseHotKey("alt+ctrl+space")), "Ctrl+Alt+Space");
}

TEST(HotKey, storedCombinationOrTheDefault)
{
    struct Row
    {
        std::string settings;
        HotKey expected;
    };
    const HotKey fallback{kControl | kAlt, "space"};
    const std::vector<Row> rows = {
        {"[Window]\nHotKey=Super+F5\n", HotKey{kSuper, "F5"}},
        {"[Window]\nTop=1\n", fallback},
        {"[Window]\nHotKey=\n", fallback},
        {"[Window]\nHotKey=Ctrl+Nothing\n", fallback},
        {"[Other]\nHotKey=Super+F5\n", fallback},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        test::TempDir dir;
        test::writeBytes(dir / "Vnovla.ini", row.settings);
        profile::ProfileStore store(dir.path());
        EXPECT_EQ(remote::readHotKey(store), row.expected);
    }
}

TEST(DisplayChoice, xWaylandUnlessTheUserAsksOtherwise)
{
    using remote::DisplayEnvironment;
    struct Row
    {
        const char* name;
        DisplayEnvironment environment;
        std::optional<std::string> qtPlatform;
        std::string mentions;
    };
    const std::vector<Row> rows = {
        {"an X11 session", {std::nullopt, std::nullopt, ":0", std::nullopt}, "xcb", "X11"},
        {"a Wayland session with XWayland",
         {std::nullopt, std::nullopt, ":1", "wayland-0"},
         "xcb",
         "XWayland"},
        {"a Wayland session without XWayland",
         {std::nullopt, std::nullopt, "", "wayland-0"},
         std::nullopt,
         "ネイティブ"},
        {"native Wayland on request",
         {std::nullopt, "wayland", ":1", "wayland-0"},
         "wayland",
         "常に手前"},
        {"the request wins over the user's Qt choice",
         {"xcb", "wayland", ":1", "wayland-0"},
         "wayland",
         "Wayland"},
        {"the user's Qt choice is kept",
         {"offscreen", std::nullopt, ":0", std::nullopt},
         std::nullopt,
         "offscreen"},
        {"an unknown request changes nothing",
         {std::nullopt, "x11", ":0", "wayland-0"},
         "xcb",
         "XWayland"},
        {"no display at all", {}, std::nullopt, "Qt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const remote::DisplayChoice choice = remote::chooseDisplay(row.environment);
        EXPECT_EQ(choice.qtPlatform, row.qtPlatform);
        EXPECT_NE(choice.description.find(row.mentions), std::string::npos) << choice.description;
    }
}

} // namespace
} // namespace vnovla
