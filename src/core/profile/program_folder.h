#pragma once

#include <filesystem>
#include <optional>

namespace vnovla::profile {

// What decides where the profile files live. Empty optionals stand for unset variables.
struct ProgramFolderInputs
{
    std::optional<std::filesystem::path> vnovlaHome;    // $VNOVLA_HOME
    std::filesystem::path executableFolder;             // the folder of the running program
    std::optional<std::filesystem::path> xdgConfigHome; // $XDG_CONFIG_HOME
    std::optional<std::filesystem::path> home;          // $HOME
};

// The folder of Vnovla.ini and icon.ini: $VNOVLA_HOME when set; the executable's folder when
// it holds a Vnovla.ini (portable use); otherwise $XDG_CONFIG_HOME/veska-novla, with
// ~/.config as the fallback for an unset or relative $XDG_CONFIG_HOME. A build folder or a
// system folder therefore never collects a user's registrations.
std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs);

} // namespace vnovla::profile
