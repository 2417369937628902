#include "ui/menu_builder.h"

#include "ui/translation.h"

#include <QAction>
#include <QMenu>

namespace vnovla::ui {

namespace {

QString itemName(const std::string& name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The captions are the program's own Japanese texts, kept with the menu structure in core;
// they are looked up here so that a translation can replace them. Texts filled in at run
// time (the tray menu's tooltips) find no translation and stay as they are.
QString caption(const std::string& text)
{
    return translated(text);
}

void addItems(QMenu* menu, const std::vector<pages::MenuItem>& items, const MenuChoice& onChosen)
{
    for (const pages::MenuItem& item : items) {
        const QString name = itemName(item.name);
        QAction* action = nullptr;
        switch (item.kind) {
        case pages::MenuItemKind::Separator:
            action = menu->addSeparator();
            break;
        case pages::MenuItemKind::Submenu: {
            auto* submenu = new QMenu(caption(item.caption), menu);
            submenu->setObjectName(name);
            addItems(submenu, item.children, onChosen);
            action = menu->addMenu(submenu);
            break;
        }
        case pages::MenuItemKind::Item:
        case pages::MenuItemKind::Check:
            action = new QAction(caption(item.caption), menu);
            action->setCheckable(item.kind == pages::MenuItemKind::Check);
            action->setChecked(item.checked);
            QObject::connect(action, &QAction::triggered, menu,
                             [onChosen, name = item.name] { onChosen(name); });
            menu->addAction(action);
            break;
        }
        action->setObjectName(name);
        action->setEnabled(item.enabled);
    }
}

void syncItems(QMenu* menu, const std::vector<pages::MenuItem>& items)
{
    for (const pages::MenuItem& item : items) {
        auto* action = menu->findChild<QAction*>(itemName(item.name));
        if (!action)
            continue;
        if (item.kind != pages::MenuItemKind::Separator)
            action->setText(caption(item.caption));
        action->setEnabled(item.enabled);
        if (item.kind == pages::MenuItemKind::Check)
            action->setChecked(item.checked);
        syncItems(menu, item.children);
    }
}

} // namespace

QMenu* buildMenu(const pages::MenuModel& model, QWidget* parent, const MenuChoice& onChosen)
{
    auto* menu = new QMenu(caption(model.caption), parent);
    menu->setObjectName(itemName(model.name));
    addItems(menu, model.items, onChosen);
    return menu;
}

void syncMenu(QMenu* menu, const pages::MenuModel& model)
{
    syncItems(menu, model.items);
}

} // namespace vnovla::ui
