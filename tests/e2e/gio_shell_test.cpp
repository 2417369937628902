// The desktop shell starting real programs: whatever text a registration or a dropped file
// name holds reaches the started program as exactly that text, never through a shell.

#include "e2e/child_process.h"
#include "platform/linux/gio_shell.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace vnovla::test {
namespace {

namespace fs = std::filesystem;

// Records, one file each, the program's working folder, the path it was started as, its
// argument count and its first argument, each byte for byte (newlines included).
void writeRecorder(const fs::path& script, const fs::path& records)
{
    const std::string to = "'" + records.string() + "/";
    writeBytes(script, "#!/bin/sh\n"
                       "pwd -P | tr -d '\\n' > " +
                           to +
                           "folder'\n"
                           "printf '%s' \"$0\" > " +
                           to +
                           "program'\n"
                           "printf '%s' \"$#\" > " +
                           to +
                           "count'\n"
                           "printf '%s' \"$1\" > " +
                           to + "argument.part' && mv " + to + "argument.part' " + to +
                           "argument'\n");
    fs::permissions(script, fs::perms::owner_all);
}

class GioShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directory(records());
        fs::create_directory(programFolder());
        writeRecorder(program(), records());
    }

    fs::path records() const { return dir / "records"; }
    // Blanks, quotes, a semicolon, a dollar, a pipe and Japanese in every path component
    // that a shell would have to quote.
    fs::path programFolder() const { return dir / "prog dir; $HOME 'x' \"y\" | 日本"; }
    fs::path program() const { return programFolder() / "rec $(touch pwned) `id` ;&.sh"; }

    bool ran()
    {
        return waitUntil([&] { return fs::exists(records() / "argument"); }, 10s);
    }
    std::string recorded(const char* name) const { return readBytes(records() / name); }

    TempDir dir;
    platform::linux_desktop::GioShell shell;
};

TEST_F(GioShellTest, programWithShellCharactersInItsPathStartsInItsWorkingFolder)
{
    const fs::path workingFolder = dir / "work; cd .. && $(id) 'q'";
    fs::create_directory(workingFolder);

    shell.open(program().string(), workingFolder.string() + "/");

    ASSERT_TRUE(ran());
    EXPECT_EQ(recorded("program"), program().string());
    EXPECT_EQ(recorded("folder"), fs::canonical(workingFolder).string());
    EXPECT_EQ(recorded("count"), "0");
    EXPECT_FALSE(fs::exists(workingFolder / "pwned"));
    EXPECT_FALSE(fs::exists(programFolder() / "pwned"));
}

// A dropped file name is the one argument, even with newlines and shell syntax in it; the
// program runs in its own folder.
TEST_F(GioShellTest, droppedNameReachesTheProgramAsOneUnchangedArgument)
{
    const std::string argument = "/tmp/line one\nline two; $(touch pwned) `id` 'q' \"d\" * ~ \\";

    shell.startWithArgument(program().string(), argument);

    ASSERT_TRUE(ran());
    EXPECT_EQ(recorded("program"), program().string());
    EXPECT_EQ(recorded("count"), "1");
    EXPECT_EQ(recorded("argument"), argument);
    EXPECT_EQ(recorded("folder"), fs::canonical(programFolder()).string());
    EXPECT_FALSE(fs::exists(programFolder() / "pwned"));
}

// Registered paths that are not absolute: a bare name is a program on PATH, even when a file of
// that name lies in the launcher's current folder; anything else starts from the program
// folder.
TEST_F(GioShellTest, namesWithoutAFolderAreFoundOnPathAndRelativePathsInTheProgramFolder)
{
    const fs::path bin = dir / "bin";
    const fs::path tools = programFolder() / "tools";
    for (const fs::path& folder : {bin, tools, dir / "current"})
        fs::create_directory(folder);
    writeRecorder(bin / "vnovla-recorder", records());
    writeRecorder(tools / "run", records());
    writeBytes(dir / "current" / "vnovla-recorder", "a document, not the program\n");

    // Put back whatever way the test ends.
    struct Restore
    {
        std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
        fs::path current = fs::current_path();
        ~Restore()
        {
            fs::current_path(current);
            ::setenv("PATH", path.c_str(), 1);
        }
    } restore;
    ::setenv("PATH", (bin.string() + ":" + restore.path).c_str(), 1);
    fs::current_path(dir / "current");
    platform::linux_desktop::GioShell fromProgramFolder(programFolder().string());

    struct Row
    {
        std::string registered;
        std::string folder;
        fs::path program;
        fs::path workingFolder;
    };
    const std::vector<Row> rows = {
        {"vnovla-recorder", "", bin / "vnovla-recorder", dir / "current"},
        {"tools/run", "tools/", tools / "run", tools},
        {"./tools/run", "./tools/", programFolder() / "./tools/run", tools},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.registered);
        fs::remove(records() / "argument");
        fromProgramFolder.open(row.registered, row.folder);
        ASSERT_TRUE(ran());
        EXPECT_EQ(recorded("program"), row.program.string());
        EXPECT_EQ(recorded("folder"), fs::canonical(row.workingFolder).string());
    }

    // A dropped file handed to a program registered by its bare name.
    fs::remove(records() / "argument");
    fromProgramFolder.startWithArgument("vnovla-recorder", "/tmp/a b.txt");
    ASSERT_TRUE(ran());
    EXPECT_EQ(recorded("program"), (bin / "vnovla-recorder").string());
    EXPECT_EQ(recorded("argument"), "/tmp/a b.txt");
}

} // namespace
} // namespace vnovla::test
