// A write killed at any moment leaves the profile as it was or as it was meant to become,
// never half written: the tool is started on a copy of a profile and killed after a random
// delay, over and over.

#include "profile/profile_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace vnovla::test {
namespace {

using vnovla::profile::ProfileFile;

const char* const kTool = VNOVLA_BINARY_DIR "/src/app/vnovla-profile";

// About 150 KB of CP932 text in 60 sections, so that reading, writing and syncing take a
// measurable time.
std::string mediumProfile()
{
    std::string text;
    for (int section = 0; section < 60; ++section) {
        text += "[Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 40; ++key) {
            // C:\表示\... with a 0x5C trail byte, as Windows paths are stored.
            text += std::to_string(key) + "=C:\\\x95\x5C\x8E\xA6\\Folder" +
                    std::to_string(section * 40 + key) + "\\program.exe\r\n";
        }
    }
    return text;
}

pid_t startTool(std::vector<std::string> args)
{
    std::vector<char*> argv{const_cast<char*>(kTool)};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, kTool, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

int waitFor(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return status;
}

// A write's temporary copy, not the lock file that stays beside the profile.
bool isTemporaryCopy(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    return name.starts_with(".Vnovla.ini.") && name != ".Vnovla.ini.lock";
}

bool writing(const std::filesystem::path& folder)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (isTemporaryCopy(entry.path()))
            return true;
    }
    return false;
}

// The median time of three runs, in microseconds.
long timeTool(const std::vector<std::string>& args, const std::function<void()>& prepare)
{
    std::vector<long> times;
    for (int run = 0; run < 3; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = startTool(args);
        if (pid < 0)
            return -1;
        const int status = waitFor(pid);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return -1;
        times.push_back(static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                              std::chrono::steady_clock::now() - start)
                                              .count()));
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

TEST(ProfileCrashSafetyTest, aKilledWriteLeavesTheOldOrTheNewFile)
{
    TempDir dir;
    const std::string before = mediumProfile();
    // 100 KB, within what one command-line argument may hold.
    std::string value;
    while (value.size() < 100'000)
        value += "表示ソフト/" + std::to_string(value.size()) + ";";

    const auto expectedFile = dir / "expected.ini";
    writeBytes(expectedFile, before);
    ASSERT_TRUE(ProfileFile(expectedFile).write("Section30", "20", value).ok());
    const std::string after = readBytes(expectedFile);
    ASSERT_NE(after, before);
    const std::string oldRead = "C:\\表示\\Folder1220\\program.exe";
    const std::string newRead = ProfileFile(expectedFile).read("Section30", "20");

    // Most of a run is the start of the process; the kills go where the writing happens.
    const auto file = dir / "Vnovla.ini";
    const std::vector<std::string> set{"set", file.string(), "Section30", "20", value};
    const long startup = timeTool({"get", (dir / "missing.ini").string(), "S", "k"}, [] {});
    const long whole = timeTool(set, [&] { writeBytes(file, before); });
    ASSERT_GT(startup, 0) << "cannot run " << kTool;
    ASSERT_GT(whole, 0) << "the write failed";
    ASSERT_EQ(readBytes(file), after);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<long> delay(startup / 2,
                                              whole + std::max(0L, whole - startup) / 4);
    std::uniform_int_distribution<long> inWrite(0, std::max(1L, (whole - startup) / 2));
    int old = 0;
    int replaced = 0;
    int leftovers = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    for (int round = 0; round < 200 && std::chrono::steady_clock::now() < deadline; ++round) {
        writeBytes(file, before);
        const pid_t pid = startTool(set);
        ASSERT_GT(pid, 0);
        if (round % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        } else {
            // Wait for the temporary file, then kill while it is written, synced or renamed.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::microseconds(whole);
            while (!writing(dir.path()) && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            std::this_thread::sleep_for(std::chrono::microseconds(inWrite(random)));
        }
        ::kill(pid, SIGKILL);
        waitFor(pid);

        const std::string now = readBytes(file);
        ASSERT_TRUE(now == before || now == after)
            << "round " << round << ": " << now.size() << " bytes, neither old nor new";
        const std::string read = ProfileFile(file).read("Section30", "20");
        EXPECT_EQ(read, now == before ? oldRead : newRead);
        ++(now == before ? old : replaced);

        // A killed write cannot remove its temporary file; clear it for the next round.
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (isTemporaryCopy(entry.path())) {
                std::filesystem::remove(entry.path());
                ++leftovers;
            }
        }
    }
    std::printf("start %ld µs, whole write %ld µs; %d kills left the old file, %d the new one, "
                "%d left a temporary file\n",
                startup, whole, old, replaced, leftovers);
    // Both outcomes must occur, or the kills never landed inside a write.
    EXPECT_GT(old, 0);
    EXPECT_GT(replaced, 0);
}

} // namespace
} // namespace vnovla::test
