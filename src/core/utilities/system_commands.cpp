#include "utilities/system_commands.h"

#include "platform/dialogs.h"
#include "platform/recent_documents.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>

namespace vnovla::utilities {

namespace {

constexpr std::string_view kTitle = "VESKA NOVLA";

// One way to run a command: the sessions it belongs to (none: any session) and its line.
struct Candidate
{
    std::initializer_list<std::string_view> desktops;
    std::initializer_list<std::string_view> argv;
};

struct ToolCommand
{
    std::string_view item;
    std::initializer_list<Candidate> candidates;
};

// Mozc keeps its tools outside the search path.
#define VNOVLA_MOZC_TOOL(mode)                                                                     \
    Candidate{{}, {"/usr/lib/mozc/mozc_tool", "--mode=" mode}},                                    \
        Candidate{{}, {"/usr/libexec/mozc/mozc_tool", "--mode=" mode}}, Candidate                  \
    {                                                                                              \
        {},                                                                                        \
        {                                                                                          \
            "/usr/lib/x86_64-linux-gnu/mozc/mozc_tool", "--mode=" mode                             \
        }                                                                                          \
    }

// In order of preference: the session's own tool first, then tools that work anywhere.
// Session prompts for shutting down belong to their session and are never borrowed.
const std::array<ToolCommand, 7> kToolCommands{{
    {"MnuFind",
     {{{"KDE"}, {"kfind"}},
      {{"GNOME", "UNITY", "BUDGIE"}, {"gnome-search-tool"}},
      {{"MATE"}, {"mate-search-tool"}},
      {{}, {"catfish"}},
      {{}, {"fsearch"}},
      {{}, {"searchmonkey"}},
      {{}, {"gnome-search-tool"}},
      {{}, {"mate-search-tool"}},
      {{}, {"kfind"}}}},
    {"MnuDate",
     {{{"GNOME", "UNITY", "BUDGIE"}, {"gnome-control-center", "datetime"}},
      {{"KDE"}, {"systemsettings", "kcm_clock"}},
      {{"KDE"}, {"kcmshell5", "clock"}},
      {{"CINNAMON", "X-CINNAMON"}, {"cinnamon-settings", "calendar"}},
      {{"MATE"}, {"mate-time-admin"}},
      {{}, {"time-admin"}},
      {{}, {"gnome-control-center", "datetime"}},
      {{}, {"systemsettings", "kcm_clock"}}}},
    {"MnuCPanelOpen",
     {{{"GNOME", "UNITY", "BUDGIE"}, {"gnome-control-center"}},
      {{"KDE"}, {"systemsettings"}},
      {{"XFCE"}, {"xfce4-settings-manager"}},
      {{"MATE"}, {"mate-control-center"}},
      {{"CINNAMON", "X-CINNAMON"}, {"cinnamon-settings"}},
      {{"LXQT"}, {"lxqt-config"}},
      {{}, {"gnome-control-center"}},
      {{}, {"systemsettings"}},
      {{}, {"xfce4-settings-manager"}},
      {{}, {"mate-control-center"}},
      {{}, {"lxqt-config"}}}},
    {"MnuImePro",
     {VNOVLA_MOZC_TOOL("config_dialog"),
      {{}, {"fcitx5-configtool"}},
      {{}, {"fcitx-configtool"}},
      {{}, {"ibus-setup"}}}},
    {"MnuImeJisyo", {VNOVLA_MOZC_TOOL("dictionary_tool")}},
    {"MnuImeTango", {VNOVLA_MOZC_TOOL("word_register_dialog")}},
    {"MnuWinEnd",
     {{{"GNOME", "UNITY", "BUDGIE"}, {"gnome-session-quit", "--power-off"}},
      {{"KDE"}, {"qdbus6", "org.kde.LogoutPrompt", "/LogoutPrompt", "promptShutDown"}},
      {{"KDE"}, {"qdbus", "org.kde.ksmserver", "/KSMServer", "logout", "1", "2", "2"}},
      {{"XFCE"}, {"xfce4-session-logout"}},
      {{"MATE"}, {"mate-session-save", "--shutdown-dialog"}},
      {{"CINNAMON", "X-CINNAMON"}, {"cinnamon-session-quit", "--power-off"}},
      {{"LXQT"}, {"lxqt-leave"}},
      {{"LXDE"}, {"lxsession-logout"}}}},
}};

#undef VNOVLA_MOZC_TOOL

struct FolderCommand
{
    std::string_view item;
    platform::SpecialFolder folder;
};

constexpr std::array<FolderCommand, 3> kFolderCommands{{
    {"MnuMyDoc", platform::SpecialFolder::Documents},
    {"MnuDeskTopOpen", platform::SpecialFolder::Desktop},
    {"MnuGomiOpen", platform::SpecialFolder::Trash},
}};

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool belongs(const Candidate& candidate, const std::vector<std::string>& desktops)
{
    if (candidate.desktops.size() == 0)
        return true;
    return std::any_of(
        candidate.desktops.begin(), candidate.desktops.end(), [&](std::string_view wanted) {
            return std::find(desktops.begin(), desktops.end(), wanted) != desktops.end();
        });
}

} // namespace

std::vector<std::string> currentDesktops(std::string_view xdgCurrentDesktop)
{
    std::vector<std::string> desktops;
    while (!xdgCurrentDesktop.empty()) {
        const std::size_t colon = xdgCurrentDesktop.find(':');
        const std::string_view name = xdgCurrentDesktop.substr(0, colon);
        if (!name.empty())
            desktops.push_back(upper(name));
        if (colon == std::string_view::npos)
            break;
        xdgCurrentDesktop.remove_prefix(colon + 1);
    }
    return desktops;
}

SystemCommands::SystemCommands(const std::vector<std::string>& desktops,
                               SystemCommandServices services)
    : services_(services)
{
    for (const ToolCommand& command : kToolCommands) {
        for (const Candidate& candidate : command.candidates) {
            if (!belongs(candidate, desktops) ||
                !services_.desktop.canRun(std::string(*candidate.argv.begin())))
                continue;
            tools_.emplace(std::string(command.item),
                           std::vector<std::string>(candidate.argv.begin(), candidate.argv.end()));
            break;
        }
    }
    // The menu's order, so that the list reads like the menu.
    const auto add = [this](std::string_view item, bool can) {
        if (can)
            available_.emplace_back(item);
    };
    add("MnuFind", tools_.count("MnuFind") != 0);
    add("MnuDate", tools_.count("MnuDate") != 0);
    // Both lists are plain files of the user's, which the launcher clears itself.
    add("MnuGomi", true);
    add("MnuSaikin", true);
    for (const FolderCommand& folder : kFolderCommands)
        add(folder.item, services_.desktop.hasFolder(folder.folder));
    add("MnuCPanelOpen", tools_.count("MnuCPanelOpen") != 0);
    add("MnuImePro", tools_.count("MnuImePro") != 0);
    add("MnuImeJisyo", tools_.count("MnuImeJisyo") != 0);
    add("MnuImeTango", tools_.count("MnuImeTango") != 0);
    add("MnuWinEnd", tools_.count("MnuWinEnd") != 0 || services_.desktop.canPowerOff());
}

std::vector<std::string> SystemCommands::availableItems() const
{
    return available_;
}

bool SystemCommands::available(std::string_view item) const
{
    return std::find(available_.begin(), available_.end(), item) != available_.end();
}

std::vector<std::string> SystemCommands::toolFor(std::string_view item) const
{
    const auto found = tools_.find(item);
    return found == tools_.end() ? std::vector<std::string>{} : found->second;
}

bool SystemCommands::confirmed(std::string_view question)
{
    return services_.dialogs.ask(std::string(question), std::string(kTitle),
                                 platform::DialogButtons::YesNo, platform::DialogIcon::Question,
                                 platform::DefaultButton::Second) == platform::Answer::Yes;
}

void SystemCommands::report(const platform::ActionResult& result)
{
    if (!result.ok)
        services_.dialogs.message(result.message, std::string(kTitle),
                                  platform::DialogIcon::Critical);
}

void SystemCommands::run(std::string_view item)
{
    if (!available(item))
        return;
    if (item == "MnuGomi") {
        if (confirmed(kTrashConfirmation))
            report(services_.desktop.emptyTrash());
        return;
    }
    if (item == "MnuSaikin") {
        if (confirmed(kRecentConfirmation))
            report(services_.recentDocuments.clear());
        return;
    }
    for (const FolderCommand& folder : kFolderCommands) {
        if (item == folder.item) {
            report(services_.desktop.openFolder(folder.folder));
            return;
        }
    }
    const std::vector<std::string> tool = toolFor(item);
    if (!tool.empty()) {
        // A session's own shutdown prompt asks the user itself.
        report(services_.desktop.run(tool));
        return;
    }
    if (item == "MnuWinEnd" && confirmed(kPowerOffConfirmation))
        report(services_.desktop.powerOff());
}

} // namespace vnovla::utilities
