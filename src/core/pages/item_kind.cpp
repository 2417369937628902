#include "pages/item_kind.h"

#include "pages/path_procedures.h"

#include <filesystem>
#include <system_error>

namespace vnovla::pages {

namespace {

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t index = 0; index < text.size(); ++index) {
        char character = text[index];
        if (character >= 'A' && character <= 'Z')
            character = static_cast<char>(character - 'A' + 'a');
        if (character != lowerCase[index])
            return false;
    }
    return true;
}

bool isExecutableFile(std::string_view path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(path), error);
    if (error || !fs::is_regular_file(status))
        return false;
    constexpr fs::perms kAnyExecute =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & kAnyExecute) != fs::perms::none;
}

} // namespace

std::string kindExtension(std::string_view path)
{
    std::string extension = GetExtension(path);
    if (equalsIgnoringAsciiCase(extension, "desktop"))
        return "lnk";
    if (extension.empty() && isExecutableFile(path))
        return "exe";
    return extension;
}

} // namespace vnovla::pages
