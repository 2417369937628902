// The launcher in a real notification area (trayer) on an X server of its own: minimised
// with the tray option it leaves the screen for its icon, a click on the icon brings it back,
// and the icon's menu starts the buttons of the shown page.

#include "e2e/child_process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace vnovla::test {
namespace {

namespace fs = std::filesystem;

const char* const kLauncher = VNOVLA_BINARY_DIR "/src/app/vnovla";
const char* const kCaption = "^VESKA NOVLA Ver\\.";
// The icon's own small window, named after the application, in the X window tree.
const char* const kIconLine = "\"veska-novla\": (\"vnovla\" \"veska-novla\")";
constexpr const char* kLeakSuppressions = "leak:libdbus-1.so\n";

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

class TrayEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool", "xwininfo", "trayer"}) {
            if (!findInPath(tool))
                GTEST_SKIP() << tool << " is not installed (scripts/deps.sh test installs it)";
        }
        for (const char* folder : {"home", "runtime", "program", "logs"})
            fs::create_directory(dir / folder);
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        writeBytes(dir / "lsan.supp", kLeakSuppressions);
        environment.set("HOME", (dir / "home").string());
        environment.set("XDG_CONFIG_HOME", (dir / "home" / ".config").string());
        environment.set("XDG_CACHE_HOME", (dir / "home" / ".cache").string());
        environment.set("XDG_DATA_HOME", (dir / "home" / ".local").string());
        environment.set("XDG_RUNTIME_DIR", (dir / "runtime").string());
        environment.set("VNOVLA_HOME", (dir / "program").string());
        environment.set("QT_QPA_PLATFORM", "xcb");
        environment.set("NO_AT_BRIDGE", "1");
        environment.set("LSAN_OPTIONS", "suppressions=" + (dir / "lsan.supp").string());
        // No desktop session bus: the icon must go to the X notification area.
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");

        const fs::path displayFile = dir / "logs" / "display";
        xServer = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                                     "-nolisten", "tcp"},
            environment, displayFile, dir / "logs" / "xvfb.err");
        ASSERT_TRUE(
            waitUntil([&] { return readBytes(displayFile).find('\n') != std::string::npos; }, 10s));
        environment.set("DISPLAY", ":" + words(readBytes(displayFile)).front());

        const fs::path ready = dir / "logs" / "openbox-ready";
        windowManager = std::make_unique<ChildProcess>(
            std::vector<std::string>{"openbox", "--sm-disable", "--startup",
                                     "touch " + ready.string()},
            environment, "/dev/null", dir / "logs" / "openbox.err");
        ASSERT_TRUE(waitUntil([&] { return fs::exists(ready); }, 10s));
        trayHost = std::make_unique<ChildProcess>(
            std::vector<std::string>{"trayer", "--edge", "top", "--align", "right", "--widthtype",
                                     "pixel", "--width", "100", "--heighttype", "pixel", "--height",
                                     "32"},
            environment, "/dev/null", dir / "logs" / "trayer.err");
        ASSERT_TRUE(waitUntil([&] { return !visible("^panel$").empty(); }, 10s))
            << "trayer did not start: " << readBytes(dir / "logs" / "trayer.err");
        // The panel shows before it has claimed the notification area; a launcher started in
        // between rightly stays on the taskbar.
        std::this_thread::sleep_for(1s);
    }

    std::optional<std::string> xdotool(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> argv{"xdotool"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const fs::path output = dir / "logs" / "xdotool.out";
        ChildProcess tool(argv, environment, output);
        if (tool.waitForExit(5s) != 0)
            return std::nullopt;
        return readBytes(output);
    }

    std::vector<std::string> visible(const std::string& name)
    {
        return words(xdotool({"search", "--onlyvisible", "--name", name}).value_or(""));
    }

    // Presses and releases a mouse button over the middle of the launcher's tray icon.
    void clickIcon(const std::string& icon, const std::string& button)
    {
        // The notification area takes the icon in and lays it out in steps; wait for them.
        std::this_thread::sleep_for(1s);
        const std::vector<std::string> info = words(runX({"xwininfo", "-id", icon}));
        int left = 0;
        int top = 0;
        for (std::size_t index = 0; index + 3 < info.size(); ++index) {
            if (info[index] == "Absolute" && info[index + 1] == "upper-left") {
                const int value = std::stoi(info[index + 3]);
                (info[index + 2] == "X:" ? left : top) = value;
            }
        }
        ASSERT_TRUE(xdotool({"mousemove", std::to_string(left + 10), std::to_string(top + 12)}));
        std::this_thread::sleep_for(300ms);
        ASSERT_TRUE(xdotool({"mousedown", button}));
        std::this_thread::sleep_for(100ms);
        ASSERT_TRUE(xdotool({"mouseup", button}));
    }

    std::string runX(const std::vector<std::string>& argv)
    {
        ChildProcess tool(argv, environment, dir / "logs" / "x.out");
        tool.waitForExit(5s);
        return readBytes(dir / "logs" / "x.out");
    }

    // The launcher's tray icons that are on screen. The search tools do not see windows that
    // live inside the notification area, so the window tree is read.
    std::vector<std::string> shownIcons()
    {
        std::vector<std::string> icons;
        std::istringstream tree(runX({"xwininfo", "-root", "-tree"}));
        for (std::string line; std::getline(tree, line);) {
            if (line.find(kIconLine) == std::string::npos)
                continue;
            const std::string id = words(line).front();
            if (runX({"xwininfo", "-id", id}).find("IsViewable") != std::string::npos)
                icons.push_back(id);
        }
        return icons;
    }

    std::string log() { return readBytes(dir / "logs" / "launcher.err"); }

    TempDir dir;
    ProcessEnvironment environment;
    std::unique_ptr<ChildProcess> xServer;
    std::unique_ptr<ChildProcess> windowManager;
    std::unique_ptr<ChildProcess> trayHost;
    std::unique_ptr<ChildProcess> launcher;
};

TEST_F(TrayEndToEndTest, theIconBringsTheWindowBackAndItsMenuStartsAButton)
{
    const fs::path record = dir / "started";
    const fs::path opener = dir / "opener.sh";
    writeBytes(opener, "#!/bin/sh\ntouch '" + record.string() + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nTime=False\nTray=1\nStartMin=1\n"
                                               "[Path]\n02=" +
                                                   opener.string() + "\n[PopUp]\n02=Opener\n");
    launcher = std::make_unique<ChildProcess>(std::vector<std::string>{kLauncher}, environment,
                                              dir / "logs" / "launcher.out",
                                              dir / "logs" / "launcher.err");

    // Started minimised with the tray option: only the icon is to be seen.
    std::vector<std::string> icons;
    ASSERT_TRUE(waitUntil([&] { return (icons = shownIcons()).size() == 1; }, 15s)) << log();
    EXPECT_TRUE(visible(kCaption).empty()) << "the window left the screen";

    clickIcon(icons.front(), "1");
    ASSERT_TRUE(waitUntil([&] { return visible(kCaption).size() == 1; }, 10s)) << log();
    EXPECT_TRUE(waitUntil([&] { return shownIcons().empty(); }, 5s)) << "icon removed";

    // Minimised again by the window manager, as by the minimise box. Just after a restore
    // the launcher takes a minimised report as the window manager's late echo of the tray.
    std::this_thread::sleep_for(1s);
    ASSERT_TRUE(xdotool({"windowminimize", visible(kCaption).front()}));
    ASSERT_TRUE(waitUntil([&] { return (icons = shownIcons()).size() == 1; }, 10s));
    EXPECT_TRUE(visible(kCaption).empty());

    // The menu: page steps first; on page 0 the first that can be chosen is "→ 次のページ",
    // then slot 2, the only registered one.
    clickIcon(icons.front(), "3");
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(xdotool({"key", "Down", "Down", "Return"}));
    EXPECT_TRUE(waitUntil([&] { return fs::exists(record); }, 10s)) << log();
    EXPECT_TRUE(visible(kCaption).empty()) << "starting a button leaves the launcher in the tray";
    EXPECT_FALSE(launcher->exitCode());
}

} // namespace
} // namespace vnovla::test
