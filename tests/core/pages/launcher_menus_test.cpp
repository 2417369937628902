#include "pages/launcher_menus.h"

#include "launcher_fixture.h"
#include "pages/launcher_presenter.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using pages::MenuItem;
using pages::MenuItemKind;
using pages::MenuModel;
using pages::MenuRoot;
using pages::MenuState;

// One line per item, depth-first, as the menus list them: nesting depth, name, caption.
struct Line
{
    int depth;
    std::string name;
    std::string caption;
    bool operator==(const Line&) const = default;
};

void flatten(const std::vector<MenuItem>& items, int depth, std::vector<Line>& lines)
{
    for (const MenuItem& item : items) {
        lines.push_back({depth, item.name, item.caption});
        flatten(item.children, depth + 1, lines);
    }
}

std::vector<Line> lines(const MenuModel& menu)
{
    std::vector<Line> result;
    flatten(menu.items, 0, result);
    return result;
}

std::ostream& operator<<(std::ostream& out, const Line& line)
{
    return out << line.depth << " " << line.name << " \"" << line.caption << "\"";
}

std::vector<std::string> enabledCommands(const MenuModel& menu)
{
    std::vector<std::string> names;
    std::vector<const MenuItem*> pending;
    for (const MenuItem& item : menu.items)
        pending.push_back(&item);
    for (std::size_t next = 0; next < pending.size(); ++next) {
        const MenuItem* item = pending[next];
        for (const MenuItem& child : item->children)
            pending.push_back(&child);
        if (item->enabled &&
            (item->kind == MenuItemKind::Item || item->kind == MenuItemKind::Check))
            names.push_back(item->name);
    }
    return names;
}

pages::PageFace faceWithTooltips(const std::vector<std::string>& tooltips)
{
    pages::PageFace face;
    for (std::size_t slot = 0; slot < face.buttons.size(); ++slot)
        face.buttons[slot].tooltip = slot < tooltips.size() ? tooltips[slot] : "未登録";
    return face;
}

// ---- Structure ------------------------------------------------------------------------------

TEST(LauncherMenus, contextMenuListsEveryCommandInOrderWithItsAccessKey)
{
    const MenuModel menu = pages::contextMenu(MenuState{});
    EXPECT_EQ(menu.name, "Mnu");
    EXPECT_EQ(menu.caption, "メニュー");
    const std::vector<Line> expected = {
        {0, "MnuPage", "ページ(&P)"},
        {1, "MnuPageJanp", "ページナンバーでジャンプ(&J)"},
        {1, "MnuTitleJanp", "ページタイトルでジャンプ(&L)"},
        {1, "MnuTitle", "ページタイトル変更(&C)"},
        {1, "MnuSep7", "-"},
        {1, "MnuPagePlus", "ページ追加(&E)"},
        {1, "MnuPageDel", "ページ削除(&D)"},
        {0, "MnuSep1", "-"},
        {0, "mnuTime", "タイトルバーに時計を表示(&T)"},
        {0, "MnuTemae", "常に手前に表示(&V)"},
        {0, "MnuOption", "オプション(&O)"},
        {0, "MnuAlarm", "アラーム(&R)"},
        {1, "MnuAlarm1m", "1分後"},
        {1, "MnuAlarm3m", "3分後"},
        {1, "MnuAlarm5m", "5分後"},
        {1, "MnuAlarmSum", "時間を指定する"},
        {0, "MnuSonota", "その他(&A)"},
        {1, "MnuFind", "ﾌｧｲﾙの検索(&F)"},
        {1, "MnuDate", "日付と時刻の設定(&T)"},
        {1, "MnuGomi", "ごみ箱を空にする(&R)"},
        {1, "MnuSaikin", "最近使ったファイルのリストを削除(&S)"},
        {1, "mnusep5", "-"},
        {1, "MnuSfolder", "特殊フォルダを開く(&O)"},
        {2, "MnuMyDoc", "マイドキュメント(&M)"},
        {2, "MnuDeskTopOpen", "デスクトップ(&D)"},
        {2, "MnuGomiOpen", "ゴミ箱(&L)"},
        {2, "MnuCPanelOpen", "コントロールパネル(&C)"},
        {1, "MnuIme", "IME(&I)"},
        {2, "MnuImePro", "IMEのプロパティ(&P)"},
        {2, "MnuImeJisyo", "辞書選択(&D)"},
        {2, "MnuImeTango", "単語登録(&E)"},
        // The only command without an access key had one added.
        {0, "MnuWinEnd", "Windowsのシャットダウン(Q)"},
        {0, "mnusep2", "-"},
        {0, "MnuHelp", "ヘルプ(&H)"},
        {1, "MnuReadme", "ReadMe(&R)"},
        {1, "MnuVer", "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
        {0, "MnuEnd", "終了(&W)"},
    };
    EXPECT_EQ(lines(menu), expected);
}

TEST(LauncherMenus, buttonAndTrayMenusListTheirItemsInOrder)
{
    const MenuModel button = pages::buttonMenu();
    EXPECT_EQ(button.name, "PopBtn");
    EXPECT_EQ(button.caption, "Popupボタンの編集");
    const std::vector<Line> buttonLines = {
        {0, "PopBtnEdit", "ボタンの登録、編集(&E)"},
        {0, "MnuBtMove", "ボタンのコピー/移動(&M)"},
        {0, "MnuBtCls", "ボタンのクリア(&D)"},
        {0, "MnuBtnFolder", "フォルダを開く(&O)"},
        {0, "MnuSep6", "-"},
        {0, "MnuBtEnd", "起動後ﾉﾌﾞﾗを閉じる(&C)"},
    };
    EXPECT_EQ(lines(button), buttonLines);

    const MenuModel tray = pages::trayMenu(MenuState{}, faceWithTooltips({}));
    EXPECT_EQ(tray.name, "MnuTray");
    EXPECT_EQ(tray.caption, "タスクトレイ用");
    std::vector<Line> trayLines = {{0, "MnuTaskBack", "← 前のページ"},
                                   {0, "MnuTaskNext", "→ 次のページ"}};
    for (int slot = 0; slot < 10; ++slot)
        trayLines.push_back(
            {0, "MnuApp" + std::to_string(slot), std::to_string(slot) + ": 未登録"});
    trayLines.push_back({0, "MnuSep8", "-"});
    trayLines.push_back({0, "MnuTrayExit", "トレイから出す"});
    trayLines.push_back({0, "MnuTrayEnd", "終了"});
    EXPECT_EQ(lines(tray), trayLines);
}

TEST(LauncherMenus, everyItemNameIsUniqueAcrossTheThreeMenus)
{
    // The window finds actions by name and the presenter dispatches by name.
    std::set<std::string> seen;
    for (const MenuModel& menu : {pages::contextMenu(MenuState{}), pages::buttonMenu(),
                                  pages::trayMenu(MenuState{}, faceWithTooltips({}))}) {
        for (const Line& line : lines(menu))
            EXPECT_TRUE(seen.insert(line.name).second) << line.name;
    }
}

// ---- State ----------------------------------------------------------------------------------

TEST(LauncherMenus, onlyTheCommandsThatWorkCanBeChosen)
{
    EXPECT_EQ(enabledCommands(pages::contextMenu(MenuState{})),
              (std::vector<std::string>{"mnuTime", "MnuTemae", "MnuOption", "MnuEnd", "MnuPageJanp",
                                        "MnuTitleJanp", "MnuTitle", "MnuPagePlus", "MnuPageDel",
                                        "MnuAlarm1m", "MnuAlarm3m", "MnuAlarm5m", "MnuAlarmSum",
                                        "MnuReadme", "MnuVer"}));
    EXPECT_EQ(enabledCommands(pages::buttonMenu()),
              (std::vector<std::string>{"PopBtnEdit", "MnuBtMove", "MnuBtCls", "MnuBtnFolder",
                                        "MnuBtEnd"}));
}

TEST(LauncherMenus, checkMarksFollowTheClockAndAlwaysOnTopStates)
{
    for (const bool clock : {false, true}) {
        for (const bool onTop : {false, true}) {
            const MenuModel menu = pages::contextMenu(MenuState{clock, onTop, 0, 15});
            EXPECT_EQ(pages::findMenuItem(menu, "mnuTime")->checked, clock);
            EXPECT_EQ(pages::findMenuItem(menu, "MnuTemae")->checked, onTop);
            EXPECT_EQ(pages::findMenuItem(menu, "mnuTime")->kind, MenuItemKind::Check);
        }
    }
}

TEST(LauncherMenus, trayMenuListsSlotsByTheStartOfTheirTooltip)
{
    const MenuModel tray = pages::trayMenu(
        MenuState{true, true, 2, 15},
        faceWithTooltips({"editor", "未登録", "あいうえおかきくけこさしすせそたちつ", "未登録です",
                          "0123456789abcdefXYZ"}));
    const auto app = [&](int slot) {
        return *pages::findMenuItem(tray, "MnuApp" + std::to_string(slot));
    };
    EXPECT_EQ(app(0).caption, "0: editor");
    EXPECT_TRUE(app(0).enabled);
    EXPECT_EQ(app(1).caption, "1: 未登録");
    EXPECT_FALSE(app(1).enabled);
    // Fifteen characters, not fifteen bytes: no character is cut in half.
    EXPECT_EQ(app(2).caption, "2: あいうえおかきくけこさしすせそ");
    EXPECT_TRUE(app(3).enabled) << "only exactly 未登録 marks an empty slot";
    EXPECT_EQ(app(4).caption, "4: 0123456789abcde");
}

TEST(LauncherMenus, trayPageStepsStopAtTheFirstAndLastPage)
{
    struct Row
    {
        int page;
        int highest;
        bool back;
        bool next;
    };
    for (const Row& row : {Row{0, 15, false, true}, Row{7, 15, true, true},
                           Row{15, 15, true, false}, Row{0, 0, false, false}}) {
        const MenuModel tray =
            pages::trayMenu(MenuState{true, true, row.page, row.highest}, faceWithTooltips({}));
        EXPECT_EQ(pages::findMenuItem(tray, "MnuTaskBack")->enabled, row.back) << row.page;
        EXPECT_EQ(pages::findMenuItem(tray, "MnuTaskNext")->enabled, row.next) << row.page;
    }
}

// ---- Choosing items -------------------------------------------------------------------------

class LauncherMenuChoiceTest : public test::LauncherFixture
{
protected:
    void choose(MenuRoot root, const std::string& name) { presenter->menuItem_Click(root, name); }
};

TEST_F(LauncherMenuChoiceTest, checkItemsToggleAndAreSavedAtExit)
{
    start("[Window]\nTime=True\nTemae=False\n");
    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::Off);

    choose(MenuRoot::Context, "MnuTemae");
    choose(MenuRoot::Context, "mnuTime");

    EXPECT_EQ(view.stayOnTop, pages::StayOnTop::On);
    const MenuModel menu = presenter->menu(MenuRoot::Context);
    EXPECT_TRUE(pages::findMenuItem(menu, "MnuTemae")->checked);
    EXPECT_FALSE(pages::findMenuItem(menu, "mnuTime")->checked);
    ASSERT_TRUE(presenter->Form_Unload({10, 20}).ok());
    EXPECT_EQ(store->ReadSetting("Window", "Temae"), "True");
    EXPECT_EQ(store->ReadSetting("Window", "Time"), "False");
}

TEST_F(LauncherMenuChoiceTest, itemsThatCannotBeChosenDoNothing)
{
    start("[Path]\n03=/usr/bin/editor\n");
    presenter->setCurrentSlot(3);
    // Disabled commands, separators, submenus, unknown names and names of another menu.
    for (const auto& [root, name] :
         std::vector<std::pair<MenuRoot, std::string>>{{MenuRoot::Context, "MnuOption"},
                                                       {MenuRoot::Context, "MnuSep1"},
                                                       {MenuRoot::Context, "MnuPage"},
                                                       {MenuRoot::Context, "MnuNothing"},
                                                       {MenuRoot::Context, "MnuBtEnd"},
                                                       {MenuRoot::Button, "MnuEnd"},
                                                       {MenuRoot::Tray, "MnuApp4"}}) {
        choose(root, name);
    }
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(view.closeCount, 0);
}

TEST_F(LauncherMenuChoiceTest, endItemsCloseTheWindow)
{
    start("");
    choose(MenuRoot::Context, "MnuEnd");
    choose(MenuRoot::Tray, "MnuTrayEnd");
    EXPECT_EQ(view.closeCount, 2);
}

TEST_F(LauncherMenuChoiceTest, launchThenCloseActsOnTheSlotLastPressed)
{
    start("[Path]\n03=/usr/bin/editor.sh\n05=/srv/data\n");
    presenter->setCurrentSlot(5);
    choose(MenuRoot::Button, "MnuBtEnd");
    EXPECT_TRUE(shell.calls.empty()) << "a folder is not launched";
    EXPECT_EQ(view.closeCount, 0);

    presenter->setCurrentSlot(3);
    choose(MenuRoot::Button, "MnuBtEnd");
    EXPECT_EQ(shell.openedPaths(), std::vector<std::string>{"/usr/bin/editor.sh"});
    EXPECT_EQ(view.closeCount, 1);
}

TEST_F(LauncherMenuChoiceTest, trayMenuStepsPagesAndLaunchesSlotsOfTheShownPage)
{
    start("[Window]\nPage=2\nNow=1\n[Path]\n24=/usr/bin/tool\n[PopUp]\n24=Tool\n");
    choose(MenuRoot::Tray, "MnuTaskNext");
    EXPECT_EQ(presenter->currentPage(), 2);
    EXPECT_EQ(view.currentPage, 2) << "the scroll bar follows";
    EXPECT_EQ(pages::findMenuItem(presenter->menu(MenuRoot::Tray), "MnuApp4")->caption, "4: Tool");
    EXPECT_FALSE(pages::findMenuItem(presenter->menu(MenuRoot::Tray), "MnuTaskNext")->enabled);

    choose(MenuRoot::Tray, "MnuTaskNext");
    EXPECT_EQ(presenter->currentPage(), 2);

    choose(MenuRoot::Tray, "MnuApp4");
    EXPECT_EQ(shell.openedPaths(), std::vector<std::string>{"/usr/bin/tool"});

    choose(MenuRoot::Tray, "MnuTaskBack");
    choose(MenuRoot::Tray, "MnuTaskBack");
    EXPECT_EQ(presenter->currentPage(), 0);
    EXPECT_FALSE(pages::findMenuItem(presenter->menu(MenuRoot::Tray), "MnuTaskBack")->enabled);
}

} // namespace
} // namespace vnovla
