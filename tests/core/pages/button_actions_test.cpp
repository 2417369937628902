#include "launcher_fixture.h"
#include "profile/profile_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using platform::Answer;
using settings::DropMode;
using test::FakeShell;

// ---- Drop: register mode ----------------------------------------------------------------------

class DropTest : public test::LauncherFixture
{
};

TEST_F(DropTest, registersTheFileAndItsNameOnAFreeButton)
{
    options.drop = DropMode::Register;
    start("[Window]\nNow=2\n");
    presenter->Bt_OLEDragDrop(3, {"/opt/tools/app.exe"});
    EXPECT_EQ(settingsBytes(), "[Window]\nNow=2\n[Path]\n23=/opt/tools/app.exe\n"
                               "[PopUp]\n23=app.exe\n");
    EXPECT_EQ(presenter->CurrentSlot(), 3);
    EXPECT_EQ(button(3).caption, "");
    EXPECT_EQ(button(3).tooltip, "app.exe");
}

TEST_F(DropTest, aDroppedFolderShowsDirAndItsName)
{
    options.drop = DropMode::Register;
    std::filesystem::create_directory(dir / "Work");
    start("");
    const std::string folder = (dir / "Work").string();
    presenter->Bt_OLEDragDrop(0, {folder});
    presenter->Bt_OLEDragDrop(1, {folder + "/"});
    for (const int slot : {0, 1}) {
        EXPECT_EQ(button(slot).caption, "\rDIR") << slot;
        EXPECT_EQ(button(slot).tooltip, "Work") << slot;
    }
}

TEST_F(DropTest, onlyTheFirstOfSeveralFilesIsRegistered)
{
    options.drop = DropMode::Register;
    start("");
    presenter->Bt_OLEDragDrop(0, {"/home/u/a.txt", "/home/u/b.txt", "/home/u/c.txt"});
    EXPECT_EQ(settingsBytes(), "[Path]\r\n00=/home/u/a.txt\r\n[PopUp]\r\n00=a.txt\r\n");
}

TEST_F(DropTest, anOccupiedButtonKeepsItsRegistration)
{
    options.drop = DropMode::Register;
    const std::string before = "[Path]\n05=/opt/old\n[PopUp]\n05=Old\n";
    start(before);
    presenter->Bt_OLEDragDrop(5, {"/opt/new"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "登録済みです");
    EXPECT_EQ(dialogs.messages[0].icon, platform::DialogIcon::Critical);
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(DropTest, aClearedButtonIsFreeAgain)
{
    options.drop = DropMode::Register;
    start("[Path]\n05= \n");
    presenter->Bt_OLEDragDrop(5, {"/opt/new.sh"});
    EXPECT_EQ(read("Path", "05"), "/opt/new.sh");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DropTest, aFileNameWithALineBreakIsRefusedOnceAndWritesNothing)
{
    options.drop = DropMode::Register;
    start("");
    presenter->Bt_OLEDragDrop(0, {"/tmp/odd\nname"});
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(settingsBytes(), "");
}

TEST_F(DropTest, aDropWithoutFilesDoesNothing)
{
    for (const DropMode mode : {DropMode::Register, DropMode::PassToProgram}) {
        options.drop = mode;
        start("[Path]\n00=/opt/prog\n");
        presenter->Bt_OLEDragDrop(1, {});
        presenter->Bt_OLEDragDrop(0, {});
        EXPECT_EQ(settingsBytes(), "[Path]\n00=/opt/prog\n");
        EXPECT_TRUE(shell.calls.empty());
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

// ---- Drop: pass-to-program mode ---------------------------------------------------------------

TEST_F(DropTest, theRegisteredProgramGetsTheFirstFileAsItsOneArgument)
{
    options.drop = DropMode::PassToProgram;
    start("[Path]\n07=/opt/My Tools/view\n");
    presenter->Bt_OLEDragDrop(7, {"/home/u/My Docs/a b.txt", "/home/u/other.txt"});
    EXPECT_EQ(shell.calls,
              (std::vector<FakeShell::Call>{{FakeShell::Kind::StartWithArgument,
                                             "/opt/My Tools/view", "/home/u/My Docs/a b.txt", 0}}));
    EXPECT_EQ(settingsBytes(), "[Path]\n07=/opt/My Tools/view\n");
}

TEST_F(DropTest, onAnEmptyButtonOnlyTheFocusMoves)
{
    options.drop = DropMode::PassToProgram;
    start("");
    const int focus = view.focusCount;
    presenter->Bt_OLEDragDrop(4, {"/home/u/a.txt"});
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.focusCount, focus + 1);
    EXPECT_EQ(settingsBytes(), "");
}

// ---- Button menu: clear and open folder -------------------------------------------------------

class ButtonMenuTest : public test::LauncherFixture
{
};

TEST_F(ButtonMenuTest, clearingAsksThenBlanksThreeValuesAndShowsAFreeButton)
{
    test::writeBytes(dir / "icon.ini", "[IconPath]\n03=/opt/a.ico\n");
    start("[Path]\n03=/opt/a.txt\n[PopUp]\n03=A\n[Icon]\n03=1\n");
    presenter->setCurrentSlot(3);
    dialogs.setNextAnswer(Answer::Yes);
    presenter->menuItem_Click(pages::MenuRoot::Button, "MnuBtCls");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "このボタンの登録内容をクリアしますか？");
    EXPECT_EQ(dialogs.questions[0].defaultButton, platform::DefaultButton::Second);
    EXPECT_EQ(settingsBytes(), "[Path]\n03= \n[PopUp]\n03= \n[Icon]\n03= \n");
    EXPECT_EQ(test::readBytes(dir / "icon.ini"), "[IconPath]\n03=/opt/a.ico\n");
    EXPECT_EQ(button(3).caption, "EMPTY");
    EXPECT_EQ(button(3).font, pages::ButtonFont::Regular7pt);
    EXPECT_EQ(button(3).tooltip, "未登録");
    EXPECT_EQ(button(3).icon.source, pages::IconSource::None);
}

TEST_F(ButtonMenuTest, clearingKeepsABackupAndIsRefusedWhenNoBackupCanBeMade)
{
    const std::string before = "[Path]\n03=/opt/a.txt\n";
    start(before);
    presenter->setCurrentSlot(3);
    test::writeBytes(dir / "backup", "a file where the folder should be");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuBtCls_Click();
    EXPECT_EQ(settingsBytes(), before);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("バックアップ"), std::string::npos);
    EXPECT_NE(button(3).caption, "EMPTY");

    std::filesystem::remove(dir / "backup");
    dialogs.setNextAnswer(Answer::Yes);
    presenter->MnuBtCls_Click();
    const auto backups = profile::listBackups(dir / "Vnovla.ini");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(test::readBytes(backups[0]), before);
}

TEST_F(ButtonMenuTest, clearingAnsweredNoOrOnAnEmptyButtonChangesNothing)
{
    const std::string before = "[Path]\n03=/opt/a.txt\n";
    start(before);
    presenter->setCurrentSlot(3);
    presenter->MnuBtCls_Click(); // the default answer is No
    EXPECT_EQ(settingsBytes(), before);

    presenter->setCurrentSlot(4);
    presenter->MnuBtCls_Click();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(ButtonMenuTest, openFolderOpensTheFolderHoldingTheItem)
{
    start("[Path]\n01=/opt/Program Files/Tool/tool.exe\n02=/work\n");
    presenter->setCurrentSlot(1);
    presenter->menuItem_Click(pages::MenuRoot::Button, "MnuBtnFolder");
    presenter->setCurrentSlot(2);
    presenter->MnuBtnFolder_Click();
    presenter->setCurrentSlot(0); // empty
    presenter->MnuBtnFolder_Click();
    EXPECT_EQ(shell.openedPaths(), (std::vector<std::string>{"/opt/Program Files/Tool/", "/"}));
}

} // namespace
} // namespace vnovla
