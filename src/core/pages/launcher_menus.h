#pragma once

#include "pages/page_face.h"

#include <string>
#include <string_view>
#include <vector>

namespace vnovla::pages {

// The launcher window has no menu bar: all its commands live in three pop-up menus. Their
// items, captions and order are decided here; a front end mirrors the tree and reports a
// chosen item back by its name.
enum class MenuItemKind {
    Item,
    Separator,
    Submenu,
    Check,
};

struct MenuItem
{
    std::string name;    // the control name, e.g. "MnuTemae"; item arrays add the index
    std::string caption; // "&" marks the access key
    MenuItemKind kind = MenuItemKind::Item;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuItem> children; // Submenu only
    bool operator==(const MenuItem&) const = default;
};

struct MenuModel
{
    std::string name; // "Mnu", "PopBtn" or "MnuTray"
    std::string caption;
    std::vector<MenuItem> items;
    bool operator==(const MenuModel&) const = default;
};

enum class MenuRoot {
    Context, // Mnu: the right button on the window body
    Button,  // PopBtn: the right button on a launch button
    Tray,    // MnuTray: the task-tray icon
};

// The state the menus show that lives elsewhere: check marks and the page range.
struct MenuState
{
    bool clockChecked = true;
    bool alwaysOnTopChecked = true;
    int currentPage = 0;
    int highestPage = 15;
    // The system commands this desktop can run (menu item names).
    std::vector<std::string> systemCommands{};
};

// The tray menu lists each slot by the start of its tooltip.
inline constexpr int kTrayTooltipCharacters = 15;

MenuModel contextMenu(const MenuState& state);
MenuModel buttonMenu();
// One item per slot of the shown page, "3: " and the first characters of its tooltip; an
// unregistered slot is listed but cannot be chosen.
MenuModel trayMenu(const MenuState& state, const PageFace& face);

// Depth-first search through every submenu; nullptr when no item has that name.
const MenuItem* findMenuItem(const MenuModel& menu, std::string_view name);

// The name of item index of an item array ("MnuApp3").
std::string arrayItemName(std::string_view arrayName, int index);

} // namespace vnovla::pages
