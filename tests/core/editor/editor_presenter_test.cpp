#include "editor/editor_presenter.h"
#include "editor/file_title.h"

#include "fakes/fake_dialogs.h"
#include "fakes/fake_icons.h"
#include "platform/icons.h"
#include "profile/profile_backup.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::test {
namespace {

using editor::EditorOutcome;
using pages::IconRequest;
using pages::IconSource;

// Records what the dialog was told, in order, as "what=value" lines.
class FakeEditorView : public editor::EditorView
{
public:
    void setCaption(const std::string& caption) override { log.push_back("caption=" + caption); }
    void showPath(const std::string& text) override { log.push_back("path=" + text); }
    void showTooltip(const std::string& text) override { log.push_back("tooltip=" + text); }
    void showIconFile(const std::string& text) override { log.push_back("iconFile=" + text); }
    void showIconIndex(int index) override { log.push_back("index=" + std::to_string(index)); }
    void setOkEnabled(bool enabled) override { okEnabled = enabled; }
    void showPreview(const platform::Picture& picture) override
    {
        preview = picture.isEmpty() ? 0 : picture.pixels.front();
    }
    void focusDialog() override { ++focusCount; }
    void finish(EditorOutcome how) override { outcome = how; }

    std::vector<std::string> log;
    std::optional<bool> okEnabled;
    std::uint32_t preview = 0; // the one pixel of a FakeIcons picture; 0 for a blank preview
    int focusCount = 0;
    std::optional<EditorOutcome> outcome;
};

class EditorPresenterTest : public ::testing::Test
{
protected:
    void open(int page, int slot, const std::string& settings = "", const std::string& icons = "")
    {
        writeBytes(dir / "Vnovla.ini", settings);
        if (!icons.empty())
            writeBytes(dir / "icon.ini", icons);
        store = std::make_unique<profile::ProfileStore>(dir.path());
        presenter = std::make_unique<editor::EditorPresenter>(
            view, editor::EditorServices{*store, dialogs, &icons_, iconFolder});
        presenter->open(page, slot);
    }
    std::string settingsBytes() const { return readBytes(dir / "Vnovla.ini"); }
    std::string iconBytes() const
    {
        return std::filesystem::exists(dir / "icon.ini") ? readBytes(dir / "icon.ini") : "<none>";
    }

    TempDir dir;
    FakeEditorView view;
    FakeDialogs dialogs;
    FakeIcons icons_;
    std::string iconFolder;
    std::unique_ptr<profile::ProfileStore> store;
    std::unique_ptr<editor::EditorPresenter> presenter;
};

// ---- Opening ------------------------------------------------------------------------------

TEST_F(EditorPresenterTest, opensWithCaptionIndexZeroPathThenStoredTooltip)
{
    struct Row
    {
        const char* name;
        int page, slot;
        std::string settings, icons;
        std::string caption, path, tooltip, iconFile;
        bool ok;
    };
    const std::vector<Row> rows = {
        {"empty slot", 0, 0, "", "", "Page 0 :  ボタンNo. 0", "", "", "", false},
        {"registered slot keeps its own tooltip and opens at index 0", 3, 5,
         "[Path]\n35=/opt/tool/run.sh\n[PopUp]\n35=My tool\n[Icon]\n35=4\n",
         "[IconPath]\n35=/usr/share/icons/x.ico\n", "Page 3 :  ボタンNo. 5", "/opt/tool/run.sh",
         "My tool", "/usr/share/icons/x.ico", true},
        {"path without tooltip", 12, 9, "[Path]\n129=/bin/ls\n", "", "Page 12 :  ボタンNo. 9",
         "/bin/ls", "", "", false},
        {"tooltip without path", 1, 2, "[PopUp]\n12=orphan\n", "", "Page 1 :  ボタンNo. 2", "",
         "orphan", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view = FakeEditorView{};
        open(row.page, row.slot, row.settings, row.icons);
        EXPECT_EQ(presenter->caption(), row.caption);
        EXPECT_EQ(presenter->path(), row.path);
        EXPECT_EQ(presenter->tooltip(), row.tooltip);
        EXPECT_EQ(presenter->iconFile(), row.iconFile);
        EXPECT_EQ(presenter->iconIndex(), 0);
        EXPECT_EQ(view.okEnabled, row.ok);
        ASSERT_FALSE(view.log.empty());
        EXPECT_EQ(view.log.front(), "caption=" + row.caption);
        EXPECT_EQ(view.log.at(1), "index=0");
        // Whatever the path's change handling put in the tooltip field, the stored text is
        // the last the field is told.
        const auto lastTooltip =
            std::find_if(view.log.rbegin(), view.log.rend(),
                         [](const std::string& line) { return line.rfind("tooltip=", 0) == 0; });
        ASSERT_NE(lastTooltip, view.log.rend());
        EXPECT_EQ(*lastTooltip, "tooltip=" + row.tooltip);
        EXPECT_FALSE(view.outcome);
    }
}

// ---- The path's title and the OK rule --------------------------------------------------------

TEST_F(EditorPresenterTest, fileTitleIsTheLastComponentWhenThereIsOne)
{
    const std::string longName(249, 'n');
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"/usr/bin/gimp", "gimp"},
        {"/home/u/メモ.txt", "メモ.txt"},
        {"/home/u/Work", "Work"},
        {"/home/u/Work/", ""},
        {"/", ""},
        {"", ""},
        {"relative.sh", "relative.sh"},
        {"/x/" + longName, longName},
        {"/x/" + longName + "n", ""}, // 250 bytes do not fit the title buffer
    };
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(editor::fileTitle(rows[row].first), rows[row].second) << rows[row].first;
    // The limit counts bytes, not characters: 84 Japanese characters are 252 bytes.
    std::string japanese;
    for (int i = 0; i < 84; ++i)
        japanese += "あ";
    EXPECT_EQ(editor::fileTitle("/x/" + japanese), "");
}

TEST_F(EditorPresenterTest, typingThePathReplacesTheTooltipAndOkNeedsBoth)
{
    open(0, 0, "[Path]\n00=/bin/old\n[PopUp]\n00=Old one\n");
    struct Step
    {
        const char* name;
        const char* field; // "path" or "tooltip"
        std::string text;
        std::string tooltipAfter;
        bool ok;
    };
    const std::vector<Step> steps = {
        {"a new path brings its title", "path", "/usr/bin/gimp", "gimp", true},
        {"own tooltip typed after the path", "tooltip", "Pictures", "Pictures", true},
        {"emptying the tooltip", "tooltip", "", "", false},
        {"a folder with its separator has no title", "path", "/home/u/Work/", "", false},
        {"a tooltip typed makes it savable", "tooltip", "Work", "Work", true},
        {"the same folder without the separator", "path", "/home/u/Work", "Work", true},
        {"emptying the path", "path", "", "", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (std::string(step.field) == "path")
            presenter->TxtPath_Change(step.text);
        else
            presenter->TxtToll_Change(step.text);
        EXPECT_EQ(presenter->tooltip(), step.tooltipAfter);
        EXPECT_EQ(presenter->okEnabled(), step.ok);
        EXPECT_EQ(view.okEnabled, step.ok);
    }
}

// ---- OK and Cancel ---------------------------------------------------------------------------

TEST_F(EditorPresenterTest, okWritesTheFourValuesOncePerFile)
{
    const std::string settings = "[Window]\nNow=3\n[Path]\n35=/bin/old\n[PopUp]\n35=Old\n"
                                 "[Icon]\n35=7\n";
    struct Row
    {
        const char* name;
        std::string icons;
        std::string iconFileTyped;
        std::string iconFileLine;
    };
    const std::vector<Row> rows = {
        {"icon file chosen", "", "/usr/share/pixmaps/t.png", "35=/usr/share/pixmaps/t.png"},
        {"an emptied field removes the icon file stored before", "[IconPath]\n35=/old/icon.ico\n",
         "", "35="},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view = FakeEditorView{};
        std::filesystem::remove(dir / "icon.ini");
        open(3, 5, settings, row.icons);
        presenter->TxtPath_Change("/usr/bin/tool");
        presenter->TxtToll_Change("Tool");
        presenter->TIcPath_Change(row.iconFileTyped);
        presenter->ScrIcon_Change(2);
        presenter->BtOK_Click();

        EXPECT_EQ(view.outcome, EditorOutcome::Saved);
        EXPECT_EQ(settingsBytes(), "[Window]\nNow=3\n[Path]\n35=/usr/bin/tool\n"
                                   "[PopUp]\n35=Tool\n[Icon]\n35=2\n")
            << "only the three values change";
        std::string iconText = iconBytes();
        std::erase(iconText, '\r');
        EXPECT_NE(iconText.find("[IconPath]\n" + row.iconFileLine + "\n"), std::string::npos)
            << iconText;
        EXPECT_EQ(iconFolder, (dir.path() / "icon").string());
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST_F(EditorPresenterTest, okKeepsABackupOnlyWhenItOverwritesARegisteredButton)
{
    for (const auto& [settings, backups] :
         {std::pair<std::string, std::size_t>{"[Path]\n35=/bin/old\n", 1},
          std::pair<std::string, std::size_t>{"[PopUp]\n35=Free slot\n", 0}}) {
        SCOPED_TRACE(settings);
        std::filesystem::remove_all(dir / "backup");
        open(3, 5, settings);
        presenter->TxtPath_Change("/usr/bin/tool");
        presenter->TxtToll_Change("Tool");
        presenter->BtOK_Click();
        EXPECT_EQ(profile::listBackups(dir / "Vnovla.ini").size(), backups);
    }
}

TEST_F(EditorPresenterTest, cancelWritesNothing)
{
    const std::string settings = "[Path]\n00=/bin/old\n[PopUp]\n00=Old\n";
    open(0, 0, settings);
    presenter->TxtPath_Change("/bin/new");
    presenter->TIcPath_Change("/x.ico");
    presenter->ScrIcon_Change(3);
    presenter->btCan_Click();
    EXPECT_EQ(view.outcome, EditorOutcome::Cancelled);
    EXPECT_EQ(settingsBytes(), settings);
    EXPECT_EQ(iconBytes(), "<none>");
    EXPECT_EQ(iconFolder, "");
}

TEST_F(EditorPresenterTest, okWhileDisabledDoesNothing)
{
    open(0, 0);
    presenter->BtOK_Click();
    EXPECT_FALSE(view.outcome);
    EXPECT_EQ(settingsBytes(), "");
}

// What cannot be stored as typed is refused before anything is written, with a message; the
// dialog stays open with the user's input.
TEST_F(EditorPresenterTest, unstorableInputIsRefusedAndNothingIsWritten)
{
    struct Row
    {
        const char* name;
        std::string path, tooltip, iconFile;
        const char* messagePart;
    };
    const std::vector<Row> rows = {
        {"line break in the path", "/bin/a\nb", "a", "", "「登録するパス」に改行"},
        {"line break in the tooltip", "/bin/a", "x\ry", "",
         "「オンマウスで表示するテキスト」に改行"},
        {"line break in the icon file", "/bin/a", "a", "/i\n.ico",
         "「アイコンファイルのパス」に改行"},
        {"path of 10,000 characters", "/" + std::string(9999, 'p'), "p", "", "長すぎる"},
        {"icon file past the read limit", "/bin/a", "a", "/" + std::string(1023, 'i'), "長すぎる"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view = FakeEditorView{};
        dialogs.messages.clear();
        open(0, 1, "[Path]\n01=/bin/old\n");
        presenter->TxtPath_Change(row.path);
        presenter->TxtToll_Change(row.tooltip);
        presenter->TIcPath_Change(row.iconFile);
        presenter->BtOK_Click();
        EXPECT_FALSE(view.outcome);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].text.find(row.messagePart), std::string::npos)
            << dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].caption, "VESKA NOVLA");
        EXPECT_EQ(settingsBytes(), "[Path]\n01=/bin/old\n");
        EXPECT_EQ(iconBytes(), "<none>");
        EXPECT_EQ(presenter->path(), row.path);
    }
    // 1023 bytes still read back whole.
    view = FakeEditorView{};
    dialogs.messages.clear();
    const std::string longest = "/" + std::string(1022, 'p');
    presenter->TxtPath_Change(longest);
    presenter->TxtToll_Change("p");
    presenter->TIcPath_Change("");
    presenter->BtOK_Click();
    EXPECT_EQ(view.outcome, EditorOutcome::Saved);
    EXPECT_EQ(store->ReadSetting("Path", "01"), longest);
}

TEST_F(EditorPresenterTest, aFailedIconWriteLeavesTheSettingsAsTheyWere)
{
    const std::string settings = "[Path]\n01=/bin/old\n[PopUp]\n01=Old\n[Icon]\n01=3\n";
    open(0, 1, settings);
    // A folder where the icon file belongs cannot be replaced.
    std::filesystem::create_directory(dir / "icon.ini");
    presenter->TxtPath_Change("/bin/new");
    presenter->BtOK_Click();
    EXPECT_FALSE(view.outcome);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(dialogs.messages[0].text.empty());
    EXPECT_EQ(store->ReadSetting("Path", "01"), "/bin/old");
    EXPECT_EQ(store->ReadSetting("PopUp", "01"), "Old");
    EXPECT_EQ(store->ReadSetting("Icon", "01"), "3");
    EXPECT_EQ(presenter->path(), "/bin/new");
    EXPECT_EQ(iconFolder, "");
}

// ---- Browsing and drops ----------------------------------------------------------------------

TEST_F(EditorPresenterTest, browsingThePathAsksForAnExistingFileAndResetsTheIndex)
{
    open(0, 0, "[Path]\n00=/home/u/a.txt\n[PopUp]\n00=Mine\n");
    presenter->ScrIcon_Change(4);
    dialogs.fileAnswers = {std::nullopt, std::string("/usr/bin/gimp")};

    presenter->btOpen_Click(); // cancelled
    EXPECT_EQ(presenter->path(), "/home/u/a.txt");
    EXPECT_EQ(presenter->tooltip(), "Mine");
    EXPECT_EQ(presenter->iconIndex(), 4);

    presenter->btOpen_Click();
    EXPECT_EQ(presenter->path(), "/usr/bin/gimp");
    EXPECT_EQ(presenter->tooltip(), "gimp");
    EXPECT_EQ(presenter->iconIndex(), 0);
    EXPECT_EQ(view.focusCount, 2);

    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    const platform::OpenFileRequest& request = dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "登録");
    EXPECT_EQ(request.startFolder, "/home/u/a.txt");
    EXPECT_EQ(request.filters, (std::vector<platform::FileFilter>{
                                   {"実行ﾌｧｲﾙ(*.exe)", {"*.exe"}},
                                   {"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", {"*.txt"}},
                                   {"すべてのﾌｧｲﾙ(*.*)", {"*"}},
                               }));
}

TEST_F(EditorPresenterTest, browsingAnIconFileResetsIndexAndTooltipButDroppingOneDoesNot)
{
    open(0, 0, "[Path]\n00=/home/u/a.txt\n[PopUp]\n00=Mine\n");
    dialogs.fileAnswers = {std::nullopt, std::string("/icons/set.ico")};
    struct Row
    {
        const char* name;
        bool browse;
        std::vector<std::string> dropped;
        std::string iconFile, tooltip;
        int index;
        std::string startFolder;
    };
    const std::vector<Row> rows = {
        {"cancelled browse", true, {}, "", "Mine", 6, "/home/u/a.txt"},
        {"browse", true, {}, "/icons/set.ico", "a.txt", 0, "/home/u/a.txt"},
        {"drop of two files keeps the first",
         false,
         {"/icons/b.dll", "/icons/c.dll"},
         "/icons/b.dll",
         "Mine",
         6,
         ""},
        {"a drop without files empties the field", false, {}, "", "Mine", 6, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        presenter->TxtToll_Change("Mine");
        presenter->ScrIcon_Change(6);
        const std::size_t asked = dialogs.fileRequests.size();
        if (row.browse) {
            presenter->BtIcpath_Click();
            ASSERT_EQ(dialogs.fileRequests.size(), asked + 1);
            EXPECT_EQ(dialogs.fileRequests.back().startFolder, row.startFolder);
            EXPECT_EQ(dialogs.fileRequests.back().filters.size(), 4u);
            EXPECT_EQ(dialogs.fileRequests.back().filters[2],
                      (platform::FileFilter{"*.ico", {"*.ico"}}));
        } else {
            presenter->BtIcpath_OLEDragDrop(row.dropped);
        }
        EXPECT_EQ(presenter->iconFile(), row.iconFile);
        EXPECT_EQ(presenter->tooltip(), row.tooltip);
        EXPECT_EQ(presenter->iconIndex(), row.index);
    }
    // With an icon file set, its browse starts at the icon file.
    presenter->TIcPath_Change("/icons/set.ico");
    presenter->BtIcpath_Click();
    EXPECT_EQ(dialogs.fileRequests.back().startFolder, "/icons/set.ico");
}

TEST_F(EditorPresenterTest, aDropOnTheDialogSetsThePathButKeepsTheIndex)
{
    open(0, 0, "[Path]\n00=/bin/old\n[PopUp]\n00=Old\n");
    presenter->ScrIcon_Change(3);
    presenter->Form_OLEDragDrop({"/home/u/first.txt", "/home/u/second.txt", "/x"});
    EXPECT_EQ(presenter->path(), "/home/u/first.txt");
    EXPECT_EQ(presenter->tooltip(), "first.txt");
    EXPECT_EQ(presenter->iconIndex(), 3);
    EXPECT_TRUE(presenter->okEnabled());

    presenter->Form_OLEDragDrop({});
    EXPECT_EQ(presenter->path(), "");
    EXPECT_EQ(presenter->tooltip(), "");
    EXPECT_FALSE(presenter->okEnabled());
    EXPECT_EQ(presenter->iconIndex(), 3);
}

// ---- Preview ---------------------------------------------------------------------------------

// The preview shows icon N of the icon file, else of the path itself, never the associated
// program; "関連ｱｲｺﾝ" shows that one.
TEST_F(EditorPresenterTest, previewTakesTheIconFileElseThePathAtTheIndex)
{
    icons_.available = {
        {IconSource::RegisteredItem, "/usr/bin/tool", 0},
        {IconSource::RegisteredItem, "/usr/bin/tool", 1},
        {IconSource::IconFile, "/icons/set.ico", 1},
        {IconSource::AssociatedProgram, "/home/u/a.txt", 0},
    };
    const auto shows = [](std::size_t row) { return FakeIcons::pixelFor(row); };
    open(0, 0);
    EXPECT_EQ(view.preview, 0u);

    struct Step
    {
        const char* name;
        std::string path, iconFile;
        int index;
        std::uint32_t preview;
    };
    const std::vector<Step> steps = {
        {"both empty: blank, the index still moves", "", "", 5, 0},
        {"program, icon 0", "/usr/bin/tool", "", 0, shows(0)},
        {"program, icon 1", "/usr/bin/tool", "", 1, shows(1)},
        {"past the last icon", "/usr/bin/tool", "", 2, 0},
        {"icon file at the index", "/usr/bin/tool", "/icons/set.ico", 1, shows(2)},
        {"icon file cleared: back to the path", "/usr/bin/tool", "", 1, shows(1)},
        {"index at the top of the range", "/usr/bin/tool", "", 32767, 0},
        {"document at index 0 is blank", "/home/u/a.txt", "", 0, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        presenter->TxtPath_Change(step.path);
        presenter->TIcPath_Change(step.iconFile);
        presenter->ScrIcon_Change(step.index);
        EXPECT_EQ(presenter->iconIndex(), step.index);
        EXPECT_EQ(view.preview, step.preview);
    }
    presenter->Command1_Click();
    EXPECT_EQ(view.preview, shows(3));
    EXPECT_EQ(icons_.requests.back(),
              (IconRequest{IconSource::AssociatedProgram, "/home/u/a.txt", 0}));
    EXPECT_EQ(icons_.sizes.back(), editor::kPreviewPixels);
    // The next redraw of the preview replaces the associated icon.
    presenter->ScrIcon_Change(1);
    EXPECT_EQ(view.preview, 0u);
}

} // namespace
} // namespace vnovla::test
