// Registered paths are data, not commands: whatever characters one holds, a click or a digit
// key hands the shell exactly that path and its folder.

#include "ui/launcher_window_fixture.h"

#include "support/param_name.h"
#include "ui/launch_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <ostream>
#include <string>

namespace vnovla {
namespace {

struct RegisteredPath
{
    const char* name;
    std::string path;
    std::string folder; // the working folder the item starts in
};

// Test names and failures show the case by its sentence, not as raw bytes.
void PrintTo(const RegisteredPath& value, std::ostream* out)
{
    *out << value.name;
}

class LaunchTextTest : public test::LauncherWindowTest,
                       public ::testing::WithParamInterface<RegisteredPath>
{
protected:
    void SetUp() override
    {
        // UTF-8 with a byte-order mark, so that every character of the path survives.
        start("\xEF\xBB\xBF[Path]\n04=" + GetParam().path + "\n");
    }

    void expectOneExactLaunch()
    {
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].kind, test::FakeShell::Kind::Open);
        EXPECT_EQ(shell.calls[0].path, GetParam().path);
        EXPECT_EQ(shell.calls[0].second, GetParam().folder);
    }
};

TEST_P(LaunchTextTest, clickHandsTheShellThePathUnchanged)
{
    QTest::mouseClick(window->findChild<ui::LaunchButton*>(QStringLiteral("Bt4")), Qt::LeftButton);
    expectOneExactLaunch();
}

TEST_P(LaunchTextTest, digitKeyHandsTheShellThePathUnchanged)
{
    QTest::keyClick(window->findChild<QScrollBar*>(QStringLiteral("ScrNo")), Qt::Key_4);
    expectOneExactLaunch();
}

INSTANTIATE_TEST_SUITE_P(
    ShellCharacters, LaunchTextTest,
    ::testing::Values(
        RegisteredPath{"blanks and quotes", "/opt/my tools/\"run\" it's.sh", "/opt/my tools/"},
        RegisteredPath{"command separators", "/srv/a;b&&c|d/x; rm -rf ~ &.sh", "/srv/a;b&&c|d/"},
        RegisteredPath{"expansions", "/home/u/$HOME/$(id)/`id`/*?[a]/~x.sh",
                       "/home/u/$HOME/$(id)/`id`/*?[a]/"},
        RegisteredPath{"redirections and escapes", "/tmp/<in>out 2>&1 \\n.sh", "/tmp/"},
        RegisteredPath{"Japanese and a percent", "/home/ユーザー/起動 100% ﾃｽﾄ.sh",
                       "/home/ユーザー/"}),
    test::NameFromSentence{});

} // namespace
} // namespace vnovla
