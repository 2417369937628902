#pragma once

#include "pages/child_windows.h"

#include <string>

class QWidget;

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::settings {
struct Options;
}
namespace vnovla::platform {
class Dialogs;
}
namespace vnovla::pages {
class IconCache;
}

namespace vnovla::ui {

// What the launcher's dialogs share with the launcher: the profile files, the live options,
// the message boxes and the button pictures.
struct DialogServices
{
    profile::ProfileStore& store;
    settings::Options& options;
    platform::Dialogs& dialogs;
    pages::IconCache* icons = nullptr;
};

// Builds each of the launcher's dialogs when the launcher asks for it and runs it modally
// over the launcher window.
class DialogWindows : public pages::ChildWindows
{
public:
    explicit DialogWindows(DialogServices services) : services_(services) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showEditor(int page, int slot) override;

    int showMove(int page, int highestPage) override;

    bool showOptions(const options::OptionsRequest& request) override;

private:
    // IconFolder: set by the button editor's OK and shared by every editor opened later.
    std::string iconFolder_;
    DialogServices services_;
    QWidget* parent_ = nullptr;
};

} // namespace vnovla::ui
