#include "core/pages/launcher_fixture.h"

#include "options/colour_scheme.h"

#include <gtest/gtest.h>

namespace vnovla::test {
namespace {

using options::ColourSlots;
using options::OptionsTab;

class LauncherOptionsTest : public LauncherFixture
{
};

TEST_F(LauncherOptionsTest, startUpAppliesTheStoredColoursBeforeThePageIsDrawn)
{
    create("[Col]\r\n0=255\r\n1=red\r\n");
    presenter->Form_Load();
    ASSERT_EQ(view.appliedColours.size(), 1u);
    ColourSlots expected = options::kDesignColours;
    expected[0] = 255;
    EXPECT_EQ(view.appliedColours[0], expected);
    EXPECT_EQ(presenter->shownColours(), expected);
}

// The dialog starts from what the launcher shows; only its OK makes the launcher apply the
// file again.
TEST_F(LauncherOptionsTest, theOptionsDialogGetsTheLauncherStateAndOkAppliesColours)
{
    start("[Window]\r\nPage=4\r\n[Col]\r\n2=255\r\n");
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        childWindows.confirmOptions = ok;
        // What the dialog would have written on OK.
        ASSERT_TRUE(store->WriteSetting("Col", "2", "16777088").ok());
        view.appliedColours.clear();
        presenter->menuItem_Click(pages::MenuRoot::Context, "MnuOption");

        const options::OptionsRequest& request = childWindows.optionsRequests.back();
        EXPECT_EQ(request.tab, OptionsTab::Settings1);
        EXPECT_EQ(request.highestPage, 4);
        EXPECT_EQ(request.shell, &shell);
        EXPECT_EQ(view.appliedColours.size(), ok ? 1u : 0u);
        EXPECT_EQ(presenter->shownColours()[2], ok ? 16777088 : 255);
    }
}

TEST_F(LauncherOptionsTest, versionInformationOpensTheDialogOnItsVersionTab)
{
    start("[Window]\r\nTemae=True\r\n");
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuVer");
    EXPECT_EQ(childWindows.calls, (std::vector<std::string>{"options version"}));
    EXPECT_EQ(childWindows.stayOnTopWhileOpen.back(), pages::StayOnTop::Off);
    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::On);
}

TEST_F(LauncherOptionsTest, readMeOpensTheGuideBesideTheProgramElseTheInstalledOne)
{
    start("");
    TempDir program;
    TempDir docs;
    presenter->setHelpFolders({program.path(), docs.path()});
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuReadme");
    writeBytes(program / "readme.txt", "guide");
    presenter->menuItem_Click(pages::MenuRoot::Context, "MnuReadme");
    EXPECT_EQ(shell.openedPaths(), (std::vector<std::string>{(docs / "readme.txt").string(),
                                                             (program / "readme.txt").string()}));
    EXPECT_EQ(shell.calls.back().second, program.path().string());
}

} // namespace
} // namespace vnovla::test
