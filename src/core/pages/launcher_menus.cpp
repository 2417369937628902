#include "pages/launcher_menus.h"

#include <algorithm>
#include <utility>

namespace vnovla::pages {

namespace {

MenuItem item(std::string name, std::string caption, bool enabled)
{
    return MenuItem{std::move(name), std::move(caption), MenuItemKind::Item, enabled, false, {}};
}

MenuItem command(std::string name, std::string caption)
{
    return item(std::move(name), std::move(caption), true);
}

MenuItem separator(std::string name)
{
    return MenuItem{std::move(name), "-", MenuItemKind::Separator, true, false, {}};
}

MenuItem check(std::string name, std::string caption, bool checked)
{
    return MenuItem{std::move(name), std::move(caption), MenuItemKind::Check, true, checked, {}};
}

MenuItem submenu(std::string name, std::string caption, std::vector<MenuItem> children)
{
    return MenuItem{std::move(name), std::move(caption), MenuItemKind::Submenu, true,
                    false,           std::move(children)};
}

// The first count characters (code points) of UTF-8 text, never half a character.
std::string leadingCharacters(const std::string& text, int count)
{
    std::size_t end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

// A system command can be chosen when this desktop has something to run it with.
MenuItem utility(std::string name, std::string caption, const MenuState& state)
{
    const bool available = std::find(state.systemCommands.begin(), state.systemCommands.end(),
                                     name) != state.systemCommands.end();
    return item(std::move(name), std::move(caption), available);
}

const MenuItem* findIn(const std::vector<MenuItem>& items, std::string_view name)
{
    for (const MenuItem& candidate : items) {
        if (candidate.name == name)
            return &candidate;
        if (const MenuItem* found = findIn(candidate.children, name))
            return found;
    }
    return nullptr;
}

} // namespace

MenuModel contextMenu(const MenuState& state)
{
    return MenuModel{
        "Mnu",
        "メニュー",
        {
            submenu("MnuPage", "ページ(&P)",
                    {
                        command("MnuPageJanp", "ページナンバーでジャンプ(&J)"),
                        command("MnuTitleJanp", "ページタイトルでジャンプ(&L)"),
                        command("MnuTitle", "ページタイトル変更(&C)"),
                        separator("MnuSep7"),
                        command("MnuPagePlus", "ページ追加(&E)"),
                        command("MnuPageDel", "ページ削除(&D)"),
                    }),
            separator("MnuSep1"),
            check("mnuTime", "タイトルバーに時計を表示(&T)", state.clockChecked),
            check("MnuTemae", "常に手前に表示(&V)", state.alwaysOnTopChecked),
            command("MnuOption", "オプション(&O)"),
            submenu("MnuAlarm", "アラーム(&R)",
                    {
                        command("MnuAlarm1m", "1分後"),
                        command("MnuAlarm3m", "3分後"),
                        command("MnuAlarm5m", "5分後"),
                        command("MnuAlarmSum", "時間を指定する"),
                    }),
            submenu("MnuSonota", "その他(&A)",
                    {
                        utility("MnuFind", "ﾌｧｲﾙの検索(&F)", state),
                        utility("MnuDate", "日付と時刻の設定(&T)", state),
                        utility("MnuGomi", "ごみ箱を空にする(&R)", state),
                        utility("MnuSaikin", "最近使ったファイルのリストを削除(&S)", state),
                        separator("mnusep5"),
                        submenu("MnuSfolder", "特殊フォルダを開く(&O)",
                                {
                                    utility("MnuMyDoc", "マイドキュメント(&M)", state),
                                    utility("MnuDeskTopOpen", "デスクトップ(&D)", state),
                                    utility("MnuGomiOpen", "ゴミ箱(&L)", state),
                                    utility("MnuCPanelOpen", "コントロールパネル(&C)", state),
                                }),
                        submenu("MnuIme", "IME(&I)",
                                {
                                    utility("MnuImePro", "IMEのプロパティ(&P)", state),
                                    utility("MnuImeJisyo", "辞書選択(&D)", state),
                                    utility("MnuImeTango", "単語登録(&E)", state),
                                }),
                    }),
            utility("MnuWinEnd", "Windowsのシャットダウン(Q)", state),
            separator("mnusep2"),
            submenu("MnuHelp", "ヘルプ(&H)",
                    {
                        command("MnuReadme", "ReadMe(&R)"),
                        command("MnuVer", "ﾊﾞｰｼﾞｮﾝ情報(&V)"),
                    }),
            item("MnuEnd", "終了(&W)", true),
        },
    };
}

MenuModel buttonMenu()
{
    return MenuModel{
        "PopBtn",
        "Popupボタンの編集",
        {
            command("PopBtnEdit", "ボタンの登録、編集(&E)"),
            command("MnuBtMove", "ボタンのコピー/移動(&M)"),
            command("MnuBtCls", "ボタンのクリア(&D)"),
            command("MnuBtnFolder", "フォルダを開く(&O)"),
            separator("MnuSep6"),
            item("MnuBtEnd", "起動後ﾉﾌﾞﾗを閉じる(&C)", true),
        },
    };
}

MenuModel trayMenu(const MenuState& state, const PageFace& face)
{
    MenuModel menu{"MnuTray", "タスクトレイ用", {}};
    menu.items.push_back(item("MnuTaskBack", "← 前のページ", state.currentPage != 0));
    menu.items.push_back(
        item("MnuTaskNext", "→ 次のページ", state.currentPage != state.highestPage));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string tooltip = leadingCharacters(
            face.buttons[static_cast<std::size_t>(slot)].tooltip, kTrayTooltipCharacters);
        menu.items.push_back(item(arrayItemName("MnuApp", slot),
                                  std::to_string(slot) + ": " + tooltip,
                                  tooltip != kUnregisteredTooltip));
    }
    menu.items.push_back(separator("MnuSep8"));
    menu.items.push_back(command("MnuTrayExit", "トレイから出す"));
    menu.items.push_back(item("MnuTrayEnd", "終了", true));
    return menu;
}

const MenuItem* findMenuItem(const MenuModel& menu, std::string_view name)
{
    return findIn(menu.items, name);
}

std::string arrayItemName(std::string_view arrayName, int index)
{
    return std::string(arrayName) + std::to_string(index);
}

} // namespace vnovla::pages
