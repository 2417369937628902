// The built launcher in a Wayland session: a headless weston with XWayland. The launcher must
// choose XWayland by itself, ask for its stored position, and take requests there too.

#include "e2e/child_process.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace vnovla::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kLauncher = VNOVLA_BINARY_DIR "/src/app/vnovla";

TEST(WaylandSession, theLauncherRunsThroughXWaylandAtItsStoredPosition)
{
    for (const char* tool : {"weston", "Xwayland", "xdotool", "xprop"}) {
        if (!findInPath(tool))
            GTEST_SKIP() << tool
                         << " is not installed: the Wayland session test needs weston, "
                            "xwayland, xdotool and x11-utils (scripts/deps.sh test installs them)";
    }
    TempDir dir;
    for (const char* folder : {"home", "runtime", "program", "logs"})
        fs::create_directory(dir / folder);
    fs::permissions(dir / "runtime", fs::perms::owner_all);
    writeBytes(dir / "lsan.supp", "leak:libdbus-1.so\n");
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nTop=3000\nLeft=1500\nTime=False\n");

    ProcessEnvironment environment;
    environment.set("HOME", (dir / "home").string());
    environment.set("XDG_CONFIG_HOME", (dir / "home" / ".config").string());
    environment.set("XDG_RUNTIME_DIR", (dir / "runtime").string());
    environment.set("VNOVLA_HOME", (dir / "program").string());
    environment.set("NO_AT_BRIDGE", "1");
    environment.set("LSAN_OPTIONS", "suppressions=" + (dir / "lsan.supp").string());
    // The launcher, not the test, picks the window system.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VNOVLA_PLATFORM"})
        environment.remove(name);

    const fs::path westonLog = dir / "logs" / "weston.log";
    ChildProcess weston({"weston", "--backend=headless-backend.so", "--xwayland",
                         "--socket=vnovla-test", "--width=1024", "--height=768", "--idle-time=0"},
                        environment, westonLog, westonLog);
    std::smatch display;
    const std::regex listening("listening on display (:[0-9]+)");
    std::string log;
    ASSERT_TRUE(waitUntil(
        [&] {
            log = readBytes(westonLog);
            return std::regex_search(log, display, listening);
        },
        15s))
        << "weston started no XWayland: " << log;
    environment.set("DISPLAY", display[1].str());
    environment.set("WAYLAND_DISPLAY", "vnovla-test");

    ChildProcess version({kLauncher, "--version"}, environment, dir / "logs" / "version.out");
    EXPECT_EQ(version.waitForExit(10s), 0);
    EXPECT_NE(readBytes(dir / "logs" / "version.out").find("XWayland"), std::string::npos)
        << readBytes(dir / "logs" / "version.out");

    ChildProcess launcher({kLauncher}, environment, dir / "logs" / "launcher.out",
                          dir / "logs" / "launcher.err");
    const auto run = [&](const std::vector<std::string>& argv) -> std::string {
        ChildProcess tool(argv, environment, dir / "logs" / "tool.out");
        return tool.waitForExit(5s) == 0 ? readBytes(dir / "logs" / "tool.out") : "";
    };
    std::string window;
    ASSERT_TRUE(waitUntil(
        [&] {
            window = run({"xdotool", "search", "--name", "^VESKA NOVLA Ver\\."});
            return !window.empty();
        },
        15s))
        << "no launcher window on XWayland: " << readBytes(dir / "logs" / "launcher.err");
    window = window.substr(0, window.find('\n'));
    // 1500 and 3000 twips at 96 dpi. An X11 window manager (mutter, kwin) places the window
    // there; weston's own places every X11 window itself, so the request is what is checked.
    EXPECT_NE(
        run({"xprop", "-id", window, "WM_NORMAL_HINTS"}).find("user specified location: 100, 200"),
        std::string::npos);

    ChildProcess raise({kLauncher, "--raise"}, environment);
    EXPECT_EQ(raise.waitForExit(10s), 0);

    launcher.sendSignal(SIGTERM);
    EXPECT_EQ(launcher.waitForExit(10s), 0) << readBytes(dir / "logs" / "launcher.err");
    EXPECT_NE(readBytes(dir / "program" / "Vnovla.ini").find("Top=3000"), std::string::npos);
}

} // namespace
} // namespace vnovla::test
