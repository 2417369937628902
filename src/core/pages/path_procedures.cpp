#include "pages/path_procedures.h"

namespace vnovla::pages {

namespace {

std::string_view separators(PathFlavour flavour)
{
    return flavour == PathFlavour::Windows ? std::string_view("\\/") : std::string_view("/");
}

bool endsWithSeparator(std::string_view path, PathFlavour flavour)
{
    return !path.empty() && separators(flavour).find(path.back()) != std::string_view::npos;
}

} // namespace

std::string GetExtension(std::string_view path, PathFlavour flavour)
{
    if (endsWithSeparator(path, flavour))
        return {};
    const std::string name = GetFileName(path, flavour);
    // A dot in the first character starts a hidden name, not an extension, so the search
    // stops at the second character.
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    return name.substr(dot + 1);
}

std::string GetFileName(std::string_view path, PathFlavour flavour)
{
    const std::size_t separator = path.find_last_of(separators(flavour));
    if (separator == std::string_view::npos || separator + 1 == path.size())
        return std::string(path);
    return std::string(path.substr(separator + 1));
}

std::string GetFolder(std::string_view path, PathFlavour flavour)
{
    const std::size_t separator = path.find_last_of(separators(flavour));
    if (separator == std::string_view::npos)
        return {};
    return std::string(path.substr(0, separator + 1));
}

} // namespace vnovla::pages
