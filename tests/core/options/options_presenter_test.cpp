#include "options/options_presenter.h"

#include "fakes/fake_dialogs.h"
#include "fakes/fake_shell.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vnovla::options {
namespace {

using settings::CheckState;

// Remembers what the dialog was last told to show.
class FakeOptionsView : public OptionsView
{
public:
    void showSettings(const settings::Options& options) override { shown = options; }
    void showSwatches(const ColourSlots& slots) override { swatches = slots; }
    void showSchemes(const std::vector<std::string>& names) override { schemes = names; }
    void showVersion(const VersionFace& face) override { version = face; }
    void selectTab(OptionsTab tab) override { this->tab = tab; }
    void closeDialog() override { ++closeCount; }
    std::uint32_t systemColour(SystemColourRole role) const override
    {
        return role == SystemColourRole::Window ? 0xC0C0C0u : 0x123456u;
    }

    settings::Options shown;
    ColourSlots swatches{};
    std::vector<std::string> schemes;
    VersionFace version;
    std::optional<OptionsTab> tab;
    int closeCount = 0;
};

class OptionsPresenterTest : public ::testing::Test
{
protected:
    // Opens the dialog over a settings file holding bytes (none when empty), on a launcher
    // with pages 0 to highestPage that shows `shown`.
    void open(const std::string& bytes, int highestPage = 15, ColourSlots shown = kDesignColours,
              OptionsTab tab = OptionsTab::Settings1)
    {
        if (!bytes.empty())
            test::writeBytes(dir / "Vnovla.ini", bytes);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        OptionsRequest request{tab, highestPage, shown, dir / "readme.txt", &shell};
        presenter = std::make_unique<OptionsPresenter>(*store, live, view, dialogs, request,
                                                       utilities::ProgramVersion{0, 1, 0});
        presenter->Form_Load();
    }

    std::string read(const char* section, const std::string& key)
    {
        return store->ReadSetting(section, key);
    }
    std::vector<std::string> keys(const char* section)
    {
        return store->settingsFile().keyNames(section);
    }
    std::string fileBytes() const { return test::readBytes(dir / "Vnovla.ini"); }

    test::TempDir dir;
    settings::Options live;
    FakeOptionsView view;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    std::unique_ptr<profile::ProfileStore> store;
    std::unique_ptr<OptionsPresenter> presenter;
};

TEST_F(OptionsPresenterTest, opensOnTheFileWithEveryPageFilled)
{
    open("", 15, kDesignColours, OptionsTab::Version);
    EXPECT_EQ(view.shown, settings::Options{});
    EXPECT_EQ(view.shown.waitText(), "0");
    EXPECT_EQ(view.swatches, kDesignColours);
    EXPECT_EQ(view.schemes,
              (std::vector<std::string>{"標準", "グリーン調", "ブルー調", "レッド調", "VESKA"}));
    EXPECT_EQ(view.version.version, "Ver 0.10");
    EXPECT_EQ(view.version.readme, dir / "readme.txt");
    EXPECT_EQ(view.tab, OptionsTab::Version);
}

// OK with nothing touched rewrites every key of the dialog, section by section in the order
// the dialog writes them, and all twenty colours, in one go.
TEST_F(OptionsPresenterTest, okWritesEveryKeyInOrder)
{
    open("");
    presenter->BtOK_Click();

    EXPECT_TRUE(presenter->confirmed());
    EXPECT_EQ(view.closeCount, 1);
    EXPECT_EQ(store->settingsFile().sectionNames(),
              (std::vector<std::string>{"All", "Window", "Alarm", "LHA", "Col"}));
    EXPECT_EQ(keys("All"),
              (std::vector<std::string>{"WaitCheck", "Wait", "EndCheck", "Min", "Drop"}));
    EXPECT_EQ(keys("Window"),
              (std::vector<std::string>{"StartMin", "Tray", "EndTop", "EndTopNo", "EndSaikin"}));
    EXPECT_EQ(keys("Alarm"), (std::vector<std::string>{"Show", "SoundOn", "Path", "Sound"}));
    EXPECT_EQ(keys("LHA"), (std::vector<std::string>{"Open", "Folder", "Path"}));
    std::vector<std::string> colourKeys;
    for (int slot = 0; slot < kColourSlotCount; ++slot)
        colourKeys.push_back(std::to_string(slot));
    EXPECT_EQ(keys("Col"), colourKeys);
    EXPECT_EQ(read("Alarm", "Show"), "1");
    EXPECT_EQ(read("LHA", "Open"), "1");
    EXPECT_EQ(read("Col", "5"), "-2147483643");
}

// The extraction page is never shown, so an un-ticked "Open" is left as the file has it.
TEST_F(OptionsPresenterTest, anUntickedOpenFlagIsNotWritten)
{
    open("[LHA]\r\nOpen=0\r\nFolder=C:\\tmp\r\nPath=1\r\n[Alarm]\r\nPath=x.wav\r\n");
    presenter->BtOK_Click();
    EXPECT_EQ(read("LHA", "Open"), "0");
    EXPECT_EQ(read("LHA", "Folder"), "C:\\tmp");
    EXPECT_EQ(read("LHA", "Path"), "1");
}

TEST_F(OptionsPresenterTest, cancelAndTheCloseBoxWriteNothingAndDropTheEdits)
{
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "cancel");
        const std::string before = "[ALL]\r\nWait=1500\r\n[Alarm]\r\nShow=1\r\n";
        open(before);
        presenter->ScrAll_Change(5000);
        presenter->setCheck(OptionCheck::ChkShow, CheckState::Unchecked);
        presenter->CmbCol_Click(2);
        // Every part of the launcher sees an edit while the dialog is open.
        EXPECT_EQ(live.wait, 5000);
        EXPECT_EQ(live.alarmShow, CheckState::Unchecked);

        if (closeBox)
            presenter->Form_QueryUnload();
        else
            presenter->BtCancel_Click();

        EXPECT_FALSE(presenter->confirmed());
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(live.wait, 1500);
        EXPECT_EQ(live.alarmShow, CheckState::Checked);
    }
}

TEST_F(OptionsPresenterTest, thePauseFollowsItsScrollBarAndIsSaved)
{
    open("[ALL]\r\nWait=1500\r\n");
    EXPECT_EQ(view.shown.waitText(), "1500");
    presenter->ScrAll_Change(5000);
    EXPECT_EQ(view.shown.waitText(), "5000");
    presenter->ScrAll_Change(9000);
    EXPECT_EQ(view.shown.wait, 5000);
    presenter->BtOK_Click();
    EXPECT_EQ(read("All", "Wait"), "5000");
}

TEST_F(OptionsPresenterTest, theStartPageOffersOnlyTheLauncherPages)
{
    open("[Window]\r\nEndTopNo=3\r\n", 4);
    EXPECT_EQ(view.shown.endTopNoRange, (settings::PageRange{0, 4}));
    presenter->ScrEndPG_Change(9);
    EXPECT_EQ(view.shown.endTopNo, 4);
    presenter->BtOK_Click();
    EXPECT_EQ(read("Window", "EndTopNo"), "4");
}

// Hand-edited values the controls cannot take: the dialog opens with safe values and OK
// stores only what the controls hold.
TEST_F(OptionsPresenterTest, handEditedNonsenseIsReplacedBySafeValues)
{
    const struct
    {
        const char* file;
        const char* section;
        const char* key;
        const char* written;
    } cases[] = {
        {"[ALL]\r\nWait=99999\r\n", "All", "Wait", "0"},
        {"[ALL]\r\nWait=-5\r\n", "All", "Wait", "0"},
        {"[All]\r\nDrop=7\r\n", "All", "Drop", "0"},
        {"[Window]\r\nEndTopNo=20\r\n", "Window", "EndTopNo", "0"},
        {"[Alarm]\r\nSound=x\r\n", "Alarm", "Sound", "0"},
        {"[Col]\r\n3=red\r\n", "Col", "3", "0"},
        {"[Col]\r\n4=99999999999\r\n", "Col", "4", "0"},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.file);
        test::TempDir caseDir;
        test::writeBytes(caseDir / "Vnovla.ini", one.file);
        profile::ProfileStore caseStore(caseDir.path());
        settings::Options caseLive;
        FakeOptionsView caseView;
        OptionsPresenter dialog(caseStore, caseLive, caseView, dialogs, {}, {0, 1, 0});
        dialog.Form_Load();
        dialog.BtOK_Click();
        EXPECT_TRUE(dialog.confirmed());
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(caseStore.ReadSetting(one.section, one.key), one.written);
    }
}

TEST_F(OptionsPresenterTest, aFailedWriteIsReportedAndKeepsTheDialogOpenWithTheChoices)
{
    // A folder where the settings file should be: nothing can replace it.
    std::filesystem::create_directory(dir / "Vnovla.ini");
    open("");
    presenter->ScrAll_Change(2000);
    presenter->CmbCol_Click(1);
    presenter->BtOK_Click();

    EXPECT_FALSE(presenter->confirmed());
    EXPECT_EQ(view.closeCount, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Vnovla.ini"), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].caption, "VESKA NOVLA");
    EXPECT_EQ(dialogs.messages[0].icon, platform::DialogIcon::Critical);
    EXPECT_EQ(live.wait, 2000);
    EXPECT_EQ(presenter->swatches(), kColourSchemes[1].slots);
}

// The schemes' values as OK stores them; the launcher's labels and gauges read them back.
TEST_F(OptionsPresenterTest, eachSchemeStoresItsTwentyColours)
{
    const std::vector<std::vector<std::string>> expected = {
        {"65535",    "0",        "65535",    "0",        "0",        "-2147483643", "16761024",
         "12582912", "12648384", "32768",    "16761087", "16512",    "12632256",    "0",
         "12632319", "16512",    "16777152", "8421376",  "12648447", "32896"},
        {"8454016", "0",       "8454016", "0",       "8454016", "0",       "8454016",
         "8421440", "8454016", "8421440", "8454016", "8421440", "8454016", "8421440",
         "8454016", "8421440", "8454016", "8421440", "8454016", "8421440"},
        {"16777088", "10485760", "16777088", "10485760", "16777088", "10485760", "16777088",
         "10485760", "16777088", "10485760", "16777088", "10485760", "16777088", "10485760",
         "16777088", "10485760", "16777088", "10485760", "16777088", "10485760"},
        {"8388863",  "16777215", "8388863",  "16777215", "8388863",  "16777215", "16744703",
         "4194432",  "16744703", "4194432",  "16744703", "4194432",  "16744703", "4194432",
         "16744703", "4194432",  "16744703", "4194432",  "16744703", "4194432"},
        {"8453888",  "0",        "8453888",  "0",        "12632256", "0",        "16756834",
         "10485760", "16759671", "10485760", "16761478", "10485760", "16763799", "10485760",
         "16766378", "10485760", "16768443", "10485760", "16771280", "10485760"},
    };
    ColourSlots other{};
    other.fill(255);
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        SCOPED_TRACE(scheme);
        open("", 15, other);
        presenter->CmbCol_Click(scheme);
        presenter->BtOK_Click();
        std::vector<std::string> stored;
        for (int slot = 0; slot < kColourSlotCount; ++slot)
            stored.push_back(read("Col", std::to_string(slot)));
        EXPECT_EQ(stored, expected[static_cast<std::size_t>(scheme)]);
    }
    // A position with no scheme changes nothing.
    open("", 15, other);
    presenter->CmbCol_Click(5);
    presenter->CmbCol_Click(-1);
    EXPECT_EQ(presenter->swatches(), other);
}

TEST_F(OptionsPresenterTest, aSwatchIsEditedWithTheColourChooser)
{
    open("");
    // The window background starts the chooser on the colour the desktop shows for it.
    dialogs.colourAnswers = {0x00FF8040u, std::nullopt};
    presenter->LblCol_Click(5);
    presenter->LblCol_Click(0);
    presenter->LblCol_Click(20);
    EXPECT_EQ(dialogs.colourStarts, (std::vector<std::uint32_t>{0xC0C0C0u, 65535u}));
    EXPECT_EQ(view.swatches[5], 0x00FF8040);
    EXPECT_EQ(view.swatches[0], 65535);
}

TEST_F(OptionsPresenterTest, theWaveFilePickerStartsBesideTheChosenFile)
{
    std::filesystem::create_directory(dir / "sounds");
    open("[Alarm]\r\nPath=" + (dir / "gone" / "ring.wav").string() + "\r\n");
    dialogs.fileAnswers = {std::nullopt, "/x/bell.wav"};
    presenter->BtSound_Click();
    EXPECT_EQ(live.soundPath, (dir / "gone" / "ring.wav").string());
    presenter->TxtSoundPath_Change((dir / "sounds").string());
    presenter->BtSound_Click();

    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "サウンドの登録");
    EXPECT_EQ(dialogs.fileRequests[0].filters,
              (std::vector<platform::FileFilter>{{"wavﾌｧｲﾙ(*.wav)", {"*.wav"}}}));
    EXPECT_EQ(dialogs.fileRequests[0].startFolder, (dir / "gone").string());
    EXPECT_EQ(dialogs.fileRequests[1].startFolder, (dir / "sounds").string());
    EXPECT_EQ(view.shown.soundPath, "/x/bell.wav");
}

TEST_F(OptionsPresenterTest, choicesAndChecksReachTheLiveOptions)
{
    open("");
    presenter->setChoice(OptionGroup::Option3, 1);
    presenter->setChoice(OptionGroup::Option2, 1);
    presenter->setChoice(OptionGroup::Option2, 3);
    presenter->setCheck(OptionCheck::ChkTray, CheckState::Checked);
    presenter->setCheck(OptionCheck::ChkAlarmSoundOn, CheckState::Unchecked);
    EXPECT_EQ(live.drop, settings::DropMode::Register);
    EXPECT_EQ(live.sound, settings::AlarmSound::WaveFile);
    presenter->BtOK_Click();
    EXPECT_EQ(read("All", "Drop"), "1");
    EXPECT_EQ(read("Alarm", "Sound"), "1");
    EXPECT_EQ(read("Window", "Tray"), "1");
    EXPECT_EQ(read("Alarm", "SoundOn"), "0");
}

TEST_F(OptionsPresenterTest, theAddressOpensTheGuide)
{
    open("");
    presenter->TxtAdd_Click();
    EXPECT_EQ(shell.openedPaths(), (std::vector<std::string>{(dir / "readme.txt").string()}));
}

} // namespace
} // namespace vnovla::options
