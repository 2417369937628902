#pragma once

#include "pages/launcher_menus.h"

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace vnovla::ui {

using MenuChoice = std::function<void(const std::string& name)>;

// Mirrors a menu model as a QMenu tree. Every action and submenu carries its item's name as
// objectName, and a chosen item is reported by that name; the menu itself decides nothing.
QMenu* buildMenu(const pages::MenuModel& model, QWidget* parent, const MenuChoice& onChosen);

// Brings captions, check marks and enabled states of a menu built by buildMenu up to date with
// a newer model of the same menu.
void syncMenu(QMenu* menu, const pages::MenuModel& model);

} // namespace vnovla::ui
