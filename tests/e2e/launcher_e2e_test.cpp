// The built launcher on an X server of its own: keys typed into its window start the
// registered programs, closing or terminating it saves the window state, and a second copy
// stays away.

#include "e2e/child_process.h"
#include "profile/profile_file.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vnovla::test {
namespace {

namespace fs = std::filesystem;

const char* const kLauncher = VNOVLA_BINARY_DIR "/src/app/vnovla";
// The launcher's caption while the title-bar clock is off: every settings file here turns the
// clock off, since its ticks replace the caption.
const char* const kCaption = "^VESKA NOVLA Ver\\.";

// The built launcher is sanitised; libdbus, which Qt loads, keeps a buffer until exit.
constexpr const char* kLeakSuppressions = "leak:libdbus-1.so\n";

// A program to register: records its working folder, the path it was started as and its
// arguments into `record`, renaming at the end so that a poller never reads half a record.
void writeTestOpener(const fs::path& script, const fs::path& record)
{
    const std::string part = record.string() + ".part";
    writeBytes(script, "#!/bin/sh\n"
                       "{ pwd -P; printf '%s\\n' \"$0\" \"$#\" \"$@\"; } > '" +
                           part + "' && mv '" + part + "' '" + record.string() + "'\n");
    fs::permissions(script, fs::perms::owner_all);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        result.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return result;
}

// Every file of a folder with its bytes: what "writes nothing" is checked against.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] = entry.is_regular_file() ? readBytes(entry.path()) : "";
    return files;
}

class LauncherEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool"}) {
            if (!findInPath(tool))
                GTEST_SKIP() << tool << " is not installed (scripts/deps.sh test installs it)";
        }
        for (const char* folder : {"home", "runtime", "program", "records", "logs"})
            fs::create_directory(dir / folder);
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        writeBytes(dir / "lsan.supp", kLeakSuppressions);

        // Nothing below may touch the user's home or settings, nor the test's offscreen Qt.
        environment.set("HOME", (dir / "home").string());
        environment.set("XDG_CONFIG_HOME", (dir / "home" / ".config").string());
        environment.set("XDG_CACHE_HOME", (dir / "home" / ".cache").string());
        environment.set("XDG_DATA_HOME", (dir / "home" / ".local").string());
        environment.set("XDG_RUNTIME_DIR", (dir / "runtime").string());
        environment.set("VNOVLA_HOME", (dir / "program").string());
        environment.set("QT_QPA_PLATFORM", "xcb");
        environment.set("NO_AT_BRIDGE", "1");
        environment.set("LSAN_OPTIONS", "suppressions=" + (dir / "lsan.supp").string());
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");

        startDesktop();
    }

    // Xvfb picks a free display itself and writes its number to standard output.
    void startDesktop()
    {
        const fs::path displayFile = dir / "logs" / "display";
        xServer = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                                     "-nolisten", "tcp"},
            environment, displayFile, dir / "logs" / "xvfb.err");
        ASSERT_TRUE(
            waitUntil([&] { return readBytes(displayFile).find('\n') != std::string::npos; }, 10s))
            << "Xvfb reported no display: " << readBytes(dir / "logs" / "xvfb.err");
        const std::string number = lines(readBytes(displayFile)).front();
        environment.set("DISPLAY", ":" + number);

        const fs::path ready = dir / "logs" / "openbox-ready";
        // The keys a desktop user has: Alt+F4 closes, F11 turns full screen on and off.
        const fs::path config = dir / "logs" / "openbox.xml";
        writeBytes(config, "<?xml version=\"1.0\"?>\n"
                           "<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><keyboard>\n"
                           "<keybind key=\"A-F4\"><action name=\"Close\"/></keybind>\n"
                           "<keybind key=\"F11\"><action name=\"ToggleFullscreen\"/></keybind>\n"
                           "</keyboard></openbox_config>\n");
        windowManager = std::make_unique<ChildProcess>(
            std::vector<std::string>{"openbox", "--sm-disable", "--config-file", config.string(),
                                     "--startup", "touch " + ready.string()},
            environment, "/dev/null", dir / "logs" / "openbox.err");
        ASSERT_TRUE(waitUntil([&] { return fs::exists(ready); }, 10s))
            << "openbox did not start: " << readBytes(dir / "logs" / "openbox.err");
    }

    std::unique_ptr<ChildProcess> startLauncher(const std::string& logName)
    {
        return std::make_unique<ChildProcess>(std::vector<std::string>{kLauncher}, environment,
                                              dir / "logs" / (logName + ".out"),
                                              dir / "logs" / (logName + ".err"));
    }

    // Runs an X tool to its end; its standard output, or nothing when it failed.
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

    std::vector<std::string> launcherWindows()
    {
        return lines(xdotool({"search", "--onlyvisible", "--name", kCaption}).value_or(""));
    }

    // The launcher's window, once it is shown and has the keyboard focus.
    std::string focusedLauncherWindow()
    {
        std::string window;
        const bool shown = waitUntil(
            [&] {
                const auto windows = launcherWindows();
                if (windows.size() == 1)
                    window = windows.front();
                return !window.empty();
            },
            15s);
        if (!shown) {
            ADD_FAILURE() << "no launcher window appeared: " << readBytes(dir / "logs/first.err");
            return {};
        }
        const bool focused = waitUntil(
            [&] {
                xdotool({"windowactivate", window});
                return lines(xdotool({"getactivewindow"}).value_or("")) ==
                       std::vector<std::string>{window};
            },
            5s);
        EXPECT_TRUE(focused) << "the launcher window did not get the focus";
        return window;
    }

    std::string savedWindowValue(const char* key)
    {
        profile::ProfileFile settings(dir / "program" / "Vnovla.ini");
        return settings.read("Window", key);
    }

    TempDir dir;
    ProcessEnvironment environment;
    // Declared in start order, so that they are stopped launcher first, X server last.
    std::unique_ptr<ChildProcess> xServer;
    std::unique_ptr<ChildProcess> windowManager;
    std::unique_ptr<ChildProcess> launcher;
};

TEST_F(LauncherEndToEndTest, digitKeysStartTheRegisteredFilesAndClosingSavesTheWindowState)
{
    const fs::path plainFolder = dir / "plain";
    // Blanks, quotes, a semicolon, a command substitution and Japanese: a shell between the
    // launcher and the file would split, unquote or run parts of this name.
    const fs::path oddFolder = dir / "odd $HOME; 'folder'";
    fs::create_directory(plainFolder);
    fs::create_directory(oddFolder);
    const fs::path plainScript = plainFolder / "opener.sh";
    const fs::path oddScript = oddFolder / "起動 \"it's\" $(touch pwned); `id` & a.sh";
    writeTestOpener(plainScript, dir / "records" / "slot1");
    writeTestOpener(oddScript, dir / "records" / "slot3");
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\n"
                                               "Top=3000\n"
                                               "Left=1500\n"
                                               "Page=20\n"
                                               "Now=0\n"
                                               "Time=False\n"
                                               "[Path]\n"
                                               "01=" +
                                                   plainScript.string() +
                                                   "\n"
                                                   "03=" +
                                                   oddScript.string() + "\n");

    launcher = startLauncher("first");
    const std::string window = focusedLauncherWindow();
    ASSERT_FALSE(window.empty());

    ASSERT_TRUE(xdotool({"key", "1"}));
    ASSERT_TRUE(xdotool({"key", "3"}));

    const fs::path plainRecord = dir / "records" / "slot1";
    const fs::path oddRecord = dir / "records" / "slot3";
    ASSERT_TRUE(waitUntil([&] { return fs::exists(plainRecord) && fs::exists(oddRecord); }, 10s))
        << "slot 1 started: " << fs::exists(plainRecord)
        << ", slot 3 started: " << fs::exists(oddRecord);
    const std::vector<std::string> plainExpected{fs::canonical(plainFolder).string(),
                                                 plainScript.string(), "0"};
    EXPECT_EQ(lines(readBytes(plainRecord)), plainExpected);
    const std::vector<std::string> oddExpected{fs::canonical(oddFolder).string(),
                                               oddScript.string(), "0"};
    EXPECT_EQ(lines(readBytes(oddRecord)), oddExpected);
    EXPECT_FALSE(fs::exists(oddFolder / "pwned"));
    EXPECT_FALSE(fs::exists(dir / "pwned"));

    // Alt+F4 is the window manager's close: the launcher gets the same request as from its
    // close box.
    ASSERT_TRUE(xdotool({"key", "alt+F4"}));
    EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");

    EXPECT_EQ(savedWindowValue("Top"), "3000");
    EXPECT_EQ(savedWindowValue("Left"), "1500");
    EXPECT_EQ(savedWindowValue("Page"), "20");
    EXPECT_EQ(savedWindowValue("Now"), "0");
    EXPECT_EQ(savedWindowValue("Time"), "False");
    EXPECT_EQ(savedWindowValue("Temae"), "True");
}

TEST_F(LauncherEndToEndTest, secondCopyEndsAtOnceWithoutTouchingAnyFile)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nNow=2\nTime=False\n[Title]\n2=二番目\n");
    launcher = startLauncher("first");
    ASSERT_FALSE(focusedLauncherWindow().empty());
    const auto before = snapshot(dir / "program");

    ChildProcess second({kLauncher}, environment, dir / "logs" / "second.out",
                        dir / "logs" / "second.err");
    EXPECT_EQ(second.waitForExit(10s), 0) << readBytes(dir / "logs" / "second.err");

    EXPECT_EQ(snapshot(dir / "program"), before);
    EXPECT_EQ(launcherWindows().size(), 1u);
    EXPECT_FALSE(launcher->exitCode()) << "the first copy must keep running";
}

// A session ending or `kill` closes the launcher as its close box would. Started minimised, it
// has never been shown normally, yet it must save the position it would have been shown at.
TEST_F(LauncherEndToEndTest, terminatingAMinimisedLauncherSavesItsNormalPosition)
{
    writeBytes(dir / "program" / "Vnovla.ini",
               "[Window]\nTop=3000\nLeft=1500\nStartMin=1\nTime=False\n");
    launcher = startLauncher("first");
    ASSERT_TRUE(waitUntil(
        [&] {
            return !xdotool({"search", "--name", kCaption}).value_or("").empty();
        },
        15s))
        << readBytes(dir / "logs" / "first.err");

    launcher->sendSignal(SIGTERM);

    EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");
    EXPECT_EQ(savedWindowValue("Top"), "3000");
    EXPECT_EQ(savedWindowValue("Left"), "1500");
    EXPECT_EQ(savedWindowValue("Now"), "0");
}

// A profile the launcher may read but not write: it starts with what it reads, and a save that
// fails at an exit by a signal is reported on standard error instead of in a box that would
// hold up a shutdown.
TEST_F(LauncherEndToEndTest, aProfileItCannotWriteStartsAndATerminationReportsTheFailedSave)
{
    const fs::path folder = dir / "program";
    const fs::path settings = folder / "Vnovla.ini";
    const std::string plain = "[Window]\nTop=3000\nLeft=1500\nTime=False\n";
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms readWrite = fs::perms::owner_read | fs::perms::owner_write;
    struct Case
    {
        const char* name;
        std::string profile;
        fs::perms filePermissions;
        fs::perms folderPermissions;
    };
    const Case cases[] = {
        // A lone surrogate cannot be written back without loss; the store refuses the save.
        {"settings the store cannot rewrite without loss",
         utf16File(u"[Window]\r\nTime=False\r\nNote=\xD800\r\n"), readWrite, fs::perms::owner_all},
        {"a write-protected settings file", plain, readOnly, fs::perms::owner_all},
        {"a read-only profile folder", plain, readWrite,
         readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove(settings);
        writeBytes(settings, c.profile);
        fs::permissions(settings, c.filePermissions);
        fs::permissions(folder, c.folderPermissions);
        std::vector<std::string> argv{kLauncher};
        // Root writes into any folder whatever its permissions; a read-only bind mount in a
        // mount namespace of the launcher's own holds for root too.
        if (access(folder.c_str(), W_OK) == 0 && c.folderPermissions != fs::perms::owner_all) {
            if (!findInPath("unshare")) {
                ADD_FAILURE() << "root needs unshare(1) to make a folder read-only";
                continue;
            }
            argv = {"unshare",
                    "--mount",
                    "sh",
                    "-c",
                    "mount --bind -o ro \"$0\" \"$0\" && exec \"$1\"",
                    folder.string(),
                    kLauncher};
        }
        launcher = std::make_unique<ChildProcess>(argv, environment, dir / "logs" / "first.out",
                                                  dir / "logs" / "first.err");
        ASSERT_TRUE(waitUntil([&] { return launcherWindows().size() == 1; }, 15s))
            << "no launcher window appeared: " << readBytes(dir / "logs" / "first.err");

        launcher->sendSignal(SIGTERM);

        EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");
        const std::string errors = readBytes(dir / "logs" / "first.err");
        EXPECT_NE(errors.find("保存できませんでした"), std::string::npos) << errors;
        EXPECT_NE(errors.find(settings.string()), std::string::npos) << errors;
        EXPECT_EQ(readBytes(settings), c.profile);
        launcher.reset();
    }
}

// A runtime folder that cannot hold the single-copy lock says nothing about another copy: the
// launcher starts, and says that it could not check.
TEST_F(LauncherEndToEndTest, aSingleCopyLockThatCannotBeMadeStartsTheLauncherAnyway)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nTime=False\n");
    writeBytes(dir / "not a folder", "");
    environment.set("XDG_RUNTIME_DIR", (dir / "not a folder").string());
    // The toolkit's fallback is a folder in the temporary folder, which nobody, not even root,
    // can make in /proc.
    environment.set("TMPDIR", "/proc");

    launcher = startLauncher("first");
    ASSERT_TRUE(waitUntil([&] { return launcherWindows().size() == 1; }, 15s))
        << "no launcher window appeared: " << readBytes(dir / "logs" / "first.err");
    EXPECT_NE(readBytes(dir / "logs" / "first.err").find("確認せずに起動します"), std::string::npos)
        << readBytes(dir / "logs" / "first.err");
}

// "Always on top" changes the window manager's state of the window the user sees; it does not
// replace it by a new one (a new taskbar entry, a flicker).
TEST_F(LauncherEndToEndTest, alwaysOnTopChangesOnTheSameWindow)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nTemae=True\nTime=False\n");
    launcher = startLauncher("first");
    const std::string window = focusedLauncherWindow();
    ASSERT_FALSE(window.empty());

    // The context menu from the keyboard, then its item "常に手前に表示(&V)".
    ASSERT_TRUE(xdotool({"key", "Menu"}));
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(xdotool({"key", "v"}));
    // A replaced window shows up under a new id within moments.
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(launcherWindows(), std::vector<std::string>{window});

    ASSERT_TRUE(xdotool({"key", "alt+F4"}));
    EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");
    EXPECT_EQ(savedWindowValue("Temae"), "False") << "the menu item was not chosen";
}

// Full screen is the window manager's: closed in it, the launcher still saves where its normal
// window stood, not the screen's corner.
TEST_F(LauncherEndToEndTest, closingInFullScreenSavesTheNormalPosition)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nTop=3000\nLeft=1500\nTime=False\n");
    launcher = startLauncher("first");
    const std::string window = focusedLauncherWindow();
    ASSERT_FALSE(window.empty());

    ASSERT_TRUE(xdotool({"key", "F11"}));
    ASSERT_TRUE(waitUntil(
        [&] {
            const auto geometry = xdotool({"getwindowgeometry", window}).value_or("");
            return geometry.find("Position: 0,0 ") != std::string::npos;
        },
        5s))
        << "the window manager did not make the window full screen";
    ASSERT_TRUE(xdotool({"key", "alt+F4"}));

    EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");
    EXPECT_EQ(savedWindowValue("Top"), "3000");
    EXPECT_EQ(savedWindowValue("Left"), "1500");
}

// ---- Requests to the running launcher and the global hot-key ---------------------------------

// The running launcher's request socket in the runtime folder; empty when there is none.
fs::path requestSocket(const fs::path& runtime)
{
    for (const auto& entry : fs::directory_iterator(runtime))
        if (entry.path().extension() == ".socket")
            return entry.path();
    return {};
}

// Sends bytes over the socket as any program could and returns what came back.
std::string exchange(const fs::path& socketPath, const std::string& bytes)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    std::string reply;
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        // The launcher stops reading after its limit and answers; the rest may not be sent.
        (void)!send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        char buffer[256];
        for (ssize_t got; (got = recv(socket, buffer, sizeof buffer, 0)) > 0;)
            reply.append(buffer, static_cast<std::size_t>(got));
    }
    close(socket);
    return reply;
}

TEST_F(LauncherEndToEndTest, raiseAndPageRequestsReachTheRunningCopy)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nPage=5\nNow=1\nStartMin=1\nTime=False\n");
    launcher = startLauncher("first");
    ASSERT_TRUE(waitUntil([&] { return !requestSocket(dir / "runtime").empty(); }, 15s))
        << readBytes(dir / "logs" / "first.err");
    const fs::path socketPath = requestSocket(dir / "runtime");
    EXPECT_EQ(fs::status(socketPath).permissions() & fs::perms::all, fs::perms::owner_all);
    const auto request = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), kLauncher);
        ChildProcess second(arguments, environment, dir / "logs" / "second.out",
                            dir / "logs" / "second.err");
        return second.waitForExit(10s);
    };

    EXPECT_EQ(request({"--raise"}), 0) << readBytes(dir / "logs" / "second.err");
    EXPECT_TRUE(waitUntil([&] { return launcherWindows().size() == 1; }, 5s))
        << "the minimised launcher did not come up";
    EXPECT_EQ(request({"--page", "3"}), 0) << readBytes(dir / "logs" / "second.err");
    EXPECT_EQ(request({"--page", "9"}), 1);
    EXPECT_NE(readBytes(dir / "logs" / "second.err").find("ページ 9 はありません"),
              std::string::npos);
    EXPECT_EQ(request({"--page", "x"}), 2);

    for (const std::string& garbage :
         {std::string("hello\n"), std::string("page 1\npage 2\n"), std::string(100000, '\xff')})
        EXPECT_EQ(exchange(socketPath, garbage), "refused\n");
    EXPECT_EQ(exchange(socketPath, "page 2\n"), "ok\n");
    EXPECT_FALSE(launcher->exitCode());
    EXPECT_EQ(launcherWindows().size(), 1u);

    launcher->sendSignal(SIGTERM);
    EXPECT_EQ(launcher->waitForExit(10s), 0) << readBytes(dir / "logs" / "first.err");
    EXPECT_EQ(savedWindowValue("Now"), "2");
    EXPECT_FALSE(fs::exists(socketPath));
}

TEST_F(LauncherEndToEndTest, aStaleSocketOfAKilledLauncherIsReplaced)
{
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nStartMin=1\nTime=False\n");
    launcher = startLauncher("first");
    ASSERT_TRUE(waitUntil([&] { return !requestSocket(dir / "runtime").empty(); }, 15s));
    launcher->sendSignal(SIGKILL);
    launcher->waitForExit(10s);
    const fs::path stale = requestSocket(dir / "runtime");
    ASSERT_FALSE(stale.empty()) << "a killed launcher leaves its socket behind";
    EXPECT_EQ(exchange(stale, "raise\n"), "");

    launcher = startLauncher("again");
    ASSERT_TRUE(waitUntil([&] { return exchange(stale, "raise\n") == "ok\n"; }, 15s))
        << readBytes(dir / "logs" / "again.err");
    EXPECT_TRUE(waitUntil([&] { return launcherWindows().size() == 1; }, 5s));
}

// With NumLock on, as on many desktops: the grab covers the lock variants.
TEST_F(LauncherEndToEndTest, theHotKeyBringsTheLauncherUpAndDigitsLaunchAfterIt)
{
    writeTestOpener(dir / "opener.sh", dir / "records" / "slot1");
    writeBytes(dir / "program" / "Vnovla.ini", "[Window]\nStartMin=1\nTime=False\n[Path]\n01=" +
                                                   (dir / "opener.sh").string() + "\n");
    launcher = startLauncher("first");
    ASSERT_TRUE(waitUntil([&] { return !requestSocket(dir / "runtime").empty(); }, 15s));
    ASSERT_TRUE(launcherWindows().empty());
    ASSERT_TRUE(xdotool({"key", "Num_Lock"}));

    ASSERT_TRUE(xdotool({"key", "ctrl+alt+space"}));
    ASSERT_TRUE(waitUntil([&] { return launcherWindows().size() == 1; }, 5s))
        << readBytes(dir / "logs" / "first.err");
    ASSERT_TRUE(waitUntil(
        [&] { return lines(xdotool({"getactivewindow"}).value_or("")) == launcherWindows(); }, 5s));
    ASSERT_TRUE(xdotool({"key", "1"}));
    EXPECT_TRUE(waitUntil([&] { return fs::exists(dir / "records" / "slot1"); }, 10s));

    // A second profile folder runs a launcher of its own, whose grab of the same combination
    // fails: it says so and runs on.
    environment.set("VNOVLA_HOME", (dir / "home").string());
    writeBytes(dir / "home" / "Vnovla.ini", "[Window]\nTime=False\n");
    ChildProcess other({kLauncher}, environment, dir / "logs" / "other.out",
                       dir / "logs" / "other.err");
    EXPECT_TRUE(waitUntil(
        [&] {
            return readBytes(dir / "logs" / "other.err").find("ホットキー Ctrl+Alt+Space") !=
                   std::string::npos;
        },
        15s))
        << readBytes(dir / "logs" / "other.err");
    EXPECT_FALSE(other.exitCode());
}

} // namespace
} // namespace vnovla::test
