// The vnovla-profile tool as scripts use it: arguments in, text and exit status out.

#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace vnovla::test {
namespace {

const char* const kTool = VNOVLA_BINARY_DIR "/src/app/vnovla-profile";

struct ToolRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts the tool with the arguments as they are (no shell), its stdout and stderr going to
// the given files; -1 if it could not be started.
pid_t startTool(const std::vector<std::string>& args, const std::string& outPath,
                const std::string& errPath)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(kTool));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, kTool, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << kTool;
        return -1;
    }
    return pid;
}

// The exit status of a started tool (128 + signal for a killed one).
int exitCodeOf(pid_t pid)
{
    if (pid < 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs the tool to its end, capturing stdout and stderr in files of the test's folder.
ToolRun runTool(const TempDir& dir, const std::vector<std::string>& args)
{
    const std::string outPath = (dir / "stdout").string();
    const std::string errPath = (dir / "stderr").string();
    ToolRun run;
    run.exitCode = exitCodeOf(startTool(args, outPath, errPath));
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    return run;
}

// A CP932 profile with a 0x5C trail byte (表), a quoted value and an empty value.
const std::string kProfile = "[Path]\r\n"
                             "00=C:\\WINDOWS\\\x95\x5C\x8E\xA6.exe\r\n"
                             "01=\r\n"
                             "[Title]\r\n"
                             "0=\"\x83\x81\x83\x43\x83\x93\"\r\n";

class VnovlaProfileTest : public ::testing::Test
{
protected:
    void SetUp() override { writeBytes(file_, kProfile); }

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "Vnovla.ini";
};

struct GetCase
{
    const char* name;
    std::vector<std::string> args; // after "get"; "FILE" stands for the profile
    std::string out;
};

TEST_F(VnovlaProfileTest, getPrintsTheValueAndOneNewline)
{
    const std::string missing = (dir_ / "missing.ini").string();
    const GetCase cases[] = {
        {"as UTF-8, names in any case", {"FILE", "path", "00"}, "C:\\WINDOWS\\表示.exe\n"},
        {"raw in the file's CP932",
         {"--raw", "FILE", "Path", "00"},
         "C:\\WINDOWS\\\x95\x5C\x8E\xA6.exe\n"},
        {"without its quotes", {"FILE", "Title", "0"}, "メイン\n"},
        {"an empty value", {"FILE", "Path", "01"}, "\n"},
        {"a missing key", {"FILE", "Path", "99"}, "\n"},
        {"a missing section", {"FILE", "Icon", "00"}, "\n"},
        {"a missing file", {missing, "Path", "00"}, "\n"},
    };
    for (const GetCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"get"};
        for (const std::string& arg : c.args)
            args.push_back(arg == "FILE" ? file_.string() : arg);
        const ToolRun run = runTool(dir_, args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a read created the file";
    EXPECT_EQ(readBytes(file_), kProfile);
}

TEST_F(VnovlaProfileTest, setWritesInTheFilesEncoding)
{
    const ToolRun run = runTool(dir_, {"set", file_.string(), "Path", "02", "D:\\ソース\\"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(file_), "[Path]\r\n"
                                "00=C:\\WINDOWS\\\x95\x5C\x8E\xA6.exe\r\n"
                                "01=\r\n"
                                "02=D:\\\x83\x5C\x81\x5B\x83\x58\\\r\n"
                                "[Title]\r\n"
                                "0=\"\x83\x81\x83\x43\x83\x93\"\r\n");

    const auto created = dir_ / "icon.ini";
    EXPECT_EQ(runTool(dir_, {"set", created.string(), "IconPath", "00", "a.ico"}).exitCode, 0);
    EXPECT_EQ(readBytes(created), "[IconPath]\r\n00=a.ico\r\n");
}

struct RefusedSet
{
    const char* name;
    std::string section, key, value;
};

TEST_F(VnovlaProfileTest, aRefusedSetSaysWhyOnOneLineAndLeavesTheFile)
{
    const RefusedSet cases[] = {
        {"a value with a line break", "Path", "02", "a\nb=c"},
        {"a section with ']'", "Pa]th", "02", "x"},
        {"a key with '='", "Path", "0=2", "x"},
        {"an empty key", "Path", " ", "x"},
        {"a hot-key that does not parse", "Window", "HotKey", "Ctrl+Nothing"},
        {"a hot-key without Ctrl, Alt or Super, names in any case", "window", "HOTKEY", "Space"},
    };
    for (const RefusedSet& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = runTool(dir_, {"set", file_.string(), c.section, c.key, c.value});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(readBytes(file_), kProfile);
    }

    const ToolRun hotKey = runTool(dir_, {"set", file_.string(), "Window", "HotKey", "Super+F5"});
    EXPECT_EQ(hotKey.exitCode, 0) << hotKey.err;

    const auto inMissingFolder = dir_ / "no such folder" / "Vnovla.ini";
    const ToolRun run = runTool(dir_, {"set", inMissingFolder.string(), "S", "k", "v"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder.parent_path()));
}

TEST_F(VnovlaProfileTest, listPrintsSectionsThenTheKeysOfOne)
{
    ToolRun run = runTool(dir_, {"list", file_.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Path\nTitle\n");

    run = runTool(dir_, {"list", file_.string(), "PATH"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "00\n01\n");

    run = runTool(dir_, {"list", file_.string(), "Icon"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(VnovlaProfileTest, wrongArgumentsPrintUsage)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"get", file_.string(), "Path"}, {"set", file_.string(), "S", "k"}, {"remove"}}) {
        const ToolRun run = runTool(dir_, args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    EXPECT_EQ(readBytes(file_), kProfile);
}

struct UnreadableFile
{
    const char* name;
    void (*make)(const std::filesystem::path&);
};

TEST_F(VnovlaProfileTest, anUnreadableFileReadsEmptyButSaysSoWithStatus2)
{
    const UnreadableFile cases[] = {
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        {"a FIFO", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"a file without reading rights",
         [](const std::filesystem::path& p) {
             writeBytes(p, kProfile);
             std::filesystem::permissions(p, std::filesystem::perms::owner_write);
         }},
    };
    for (const UnreadableFile& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string_view(c.name) == "a file without reading rights" && ::geteuid() == 0)
            continue; // root reads any file
        const auto path = dir_ / c.name;
        c.make(path);
        for (const std::vector<std::string>& args :
             std::vector<std::vector<std::string>>{{"get", path.string(), "Path", "00"},
                                                   {"get", "--raw", path.string(), "Path", "00"},
                                                   {"list", path.string()},
                                                   {"list", path.string(), "Path"}}) {
            SCOPED_TRACE(args.front() + " " + args[1]);
            const ToolRun run = runTool(dir_, args);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.out, args.front() == "get" ? "\n" : "");
            EXPECT_NE(run.err.find(path.string()), std::string::npos) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        }
    }
}

// The rename that replaces the file needs only the folder's rights, which would go around
// the protection the user gave the file itself: for root too, a file nobody may write stays.
TEST_F(VnovlaProfileTest, aWriteProtectedFileIsNotReplaced)
{
    std::filesystem::permissions(file_, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    const ToolRun run = runTool(dir_, {"set", file_.string(), "Path", "02", "x"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(file_.string()), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(file_), kProfile);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

// A hundred scripts setting a title each, and the launcher saving its window meanwhile: every
// writer reads, changes and replaces the file, so without taking turns most changes are lost.
TEST_F(VnovlaProfileTest, concurrentWritersKeepEveryChange)
{
    constexpr int kWriters = 100;
    std::vector<pid_t> writers;
    for (int i = 0; i < kWriters; ++i) {
        const std::string err = (dir_ / ("stderr" + std::to_string(i))).string();
        writers.push_back(startTool(
            {"set", file_.string(), "Title", std::to_string(i), "title " + std::to_string(i)},
            "/dev/null", err));
    }
    // The launcher's store in this process writes while the scripts run.
    constexpr int kLauncherWrites = 10;
    profile::ProfileStore launcher(dir_.path());
    for (int i = 0; i < kLauncherWrites; ++i) {
        const profile::WriteStatus status =
            launcher.WriteSetting("Window", "Key" + std::to_string(i), std::to_string(i));
        EXPECT_TRUE(status.ok()) << status.message();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (int i = 0; i < kWriters; ++i)
        EXPECT_EQ(exitCodeOf(writers[static_cast<std::size_t>(i)]), 0)
            << readBytes(dir_ / ("stderr" + std::to_string(i)));

    profile::ProfileFile settings(file_);
    int kept = 0;
    for (int i = 0; i < kWriters; ++i)
        kept += settings.read("Title", std::to_string(i)) == "title " + std::to_string(i);
    EXPECT_EQ(kept, kWriters);
    for (int i = 0; i < kLauncherWrites; ++i)
        EXPECT_EQ(settings.read("Window", "Key" + std::to_string(i)), std::to_string(i));
    EXPECT_EQ(settings.read("Path", "00"), "C:\\WINDOWS\\表示.exe");
}

TEST_F(VnovlaProfileTest, exportImportBackupsAndRestoreWorkTogether)
{
    const ToolRun exported = runTool(dir_, {"export", "--json", file_.string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find("\"path\": \"C:\\\\WINDOWS\\\\表示.exe\""), std::string::npos)
        << exported.out;

    // A refused import leaves the file and makes no backup.
    writeBytes(dir_ / "bad.json", R"({"pages": [{"page": 0, "buttons": [{"slot": 10}]}]})");
    const ToolRun refused =
        runTool(dir_, {"import", "--json", file_.string(), (dir_ / "bad.json").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("pages[0].buttons[0].slot"), std::string::npos) << refused.err;
    EXPECT_EQ(readBytes(file_), kProfile);
    EXPECT_EQ(runTool(dir_, {"backups", file_.string()}).out, "");

    writeBytes(dir_ / "new.json", R"({"pages": [{"page": 0, "title": "新"}]})");
    const ToolRun imported =
        runTool(dir_, {"import", "--json", file_.string(), (dir_ / "new.json").string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(runTool(dir_, {"get", file_.string(), "Title", "0"}).out, "新\n");

    const ToolRun listed = runTool(dir_, {"backups", file_.string()});
    ASSERT_EQ(listed.exitCode, 0);
    ASSERT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 1) << listed.out;
    const std::string backup = listed.out.substr(0, listed.out.size() - 1);
    const ToolRun restored = runTool(dir_, {"restore", backup});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(restored.out, file_.string() + "\n");
    EXPECT_EQ(readBytes(file_), kProfile);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"restore", file_.string()}, {"import", file_.string()}, {"export", file_.string()}})
        EXPECT_EQ(runTool(dir_, args).exitCode, 2) << args[0];
    EXPECT_EQ(readBytes(file_), kProfile);
}

} // namespace
} // namespace vnovla::test
