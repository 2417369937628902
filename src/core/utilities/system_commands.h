#pragma once

#include "platform/desktop_actions.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::platform {
class Dialogs;
class RecentDocuments;
} // namespace vnovla::platform

namespace vnovla::utilities {

inline constexpr std::string_view kRecentConfirmation =
    "「最近使ったファイル」のリスト情報を削除しますか？";
inline constexpr std::string_view kTrashConfirmation =
    "ごみ箱の中のすべてのファイルを完全に削除しますか？";
inline constexpr std::string_view kPowerOffConfirmation = "コンピュータの電源を切りますか？";

// The desktop sessions named in XDG_CURRENT_DESKTOP ("ubuntu:GNOME" names two), in order.
std::vector<std::string> currentDesktops(std::string_view xdgCurrentDesktop);

struct SystemCommandServices
{
    platform::Dialogs& dialogs;
    platform::DesktopActions& desktop;
    platform::RecentDocuments& recentDocuments;
};

// The one-shot desktop commands of the context menu: which tool runs each on this desktop,
// found once at start-up, and what choosing one does. A command with nothing to run it is
// shown but cannot be chosen.
class SystemCommands
{
public:
    SystemCommands(const std::vector<std::string>& desktops, SystemCommandServices services);

    // The menu items that can be chosen on this desktop.
    std::vector<std::string> availableItems() const;
    bool available(std::string_view item) const;
    // The program line an item starts; empty for items that are not programs or not found.
    std::vector<std::string> toolFor(std::string_view item) const;

    // Runs a chosen item; names of other items, and items not available, do nothing.
    void run(std::string_view item);

private:
    bool confirmed(std::string_view question);
    void report(const platform::ActionResult& result);

    SystemCommandServices services_;
    std::map<std::string, std::vector<std::string>, std::less<>> tools_;
    std::vector<std::string> available_;
};

} // namespace vnovla::utilities
