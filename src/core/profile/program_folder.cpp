#include "profile/program_folder.h"

#include "profile/profile_store.h"

#include <system_error>

namespace vnovla::profile {

std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs)
{
    if (inputs.vnovlaHome && !inputs.vnovlaHome->empty())
        return *inputs.vnovlaHome;
    std::error_code error;
    if (!inputs.executableFolder.empty() &&
        std::filesystem::exists(inputs.executableFolder / kSettingsFileName, error))
        return inputs.executableFolder;
    // XDG base directories must be absolute; a relative value is to be ignored.
    if (inputs.xdgConfigHome && inputs.xdgConfigHome->is_absolute())
        return *inputs.xdgConfigHome / "veska-novla";
    const std::filesystem::path home = inputs.home ? *inputs.home : std::filesystem::path("/");
    return home / ".config" / "veska-novla";
}

} // namespace vnovla::profile
