#include "utilities/help.h"

#include <system_error>

namespace vnovla::utilities {

std::string versionNumber(const ProgramVersion& version)
{
    return std::to_string(version.major) + "." + std::to_string(version.minor) +
           std::to_string(version.revision);
}

std::string versionLabel(const ProgramVersion& version)
{
    return "Ver " + versionNumber(version);
}

std::filesystem::path installedDocumentationFolder()
{
    return VNOVLA_DOCUMENTATION_FOLDER;
}

std::filesystem::path readmePath(const HelpFolders& folders)
{
    if (!folders.programFolder.empty()) {
        const auto beside = folders.programFolder / kReadmeFileName;
        std::error_code error;
        if (std::filesystem::is_regular_file(beside, error))
            return beside;
    }
    return folders.documentationFolder / kReadmeFileName;
}

} // namespace vnovla::utilities
