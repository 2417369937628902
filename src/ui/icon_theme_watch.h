#pragma once

#include "pages/icon_cache.h"

#include <QEvent>
#include <QObject>

#include <functional>
#include <string>

namespace vnovla::ui {

// Installed on the launcher window: when the desktop's theme changes, tells the icon cache the
// icon theme now in use, which drops the pictures of the old one; the next page draw shows the
// new theme's pictures.
class IconThemeWatch : public QObject
{
public:
    IconThemeWatch(pages::IconCache& icons, std::function<std::string()> currentTheme)
        : icons_(icons), currentTheme_(std::move(currentTheme))
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ThemeChange)
            icons_.setTheme(currentTheme_());
        return QObject::eventFilter(watched, event);
    }

private:
    pages::IconCache& icons_;
    std::function<std::string()> currentTheme_;
};

} // namespace vnovla::ui
