#pragma once

#include <filesystem>
#include <string>

namespace vnovla::utilities {

struct ProgramVersion
{
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version as the launcher shows it: the minor number and the revision run together, so
// 0.2.9 reads "0.29" and 0.1.0 reads "0.10".
std::string versionNumber(const ProgramVersion& version);

// "Ver " and the version number, as the version tab shows it.
std::string versionLabel(const ProgramVersion& version);

inline constexpr std::string_view kReadmeFileName = "readme.txt";

// Where the user guide may lie: beside the program (a build or an unpacked copy), and in the
// documentation folder an installation puts it in.
struct HelpFolders
{
    std::filesystem::path programFolder;
    std::filesystem::path documentationFolder;
};

// The folder `cmake --install` puts the documentation in.
std::filesystem::path installedDocumentationFolder();

// The user guide to open: the one beside the program when it is a file, else the installed
// one (which may be missing too; opening it then shows the desktop's own complaint).
std::filesystem::path readmePath(const HelpFolders& folders);

} // namespace vnovla::utilities
