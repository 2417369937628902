#pragma once

#include <string>
#include <string_view>

namespace vnovla::pages {

// The extension the kind rules look at for a registered path: the button caption, and
// whether "launch, then close" starts anything. Programs on Linux carry no extension and
// shortcuts are desktop entries, so:
// - a regular file with an execute bit and no extension counts as "exe" (the check follows
//   symbolic links, as /usr/bin names usually are);
// - a ".desktop" entry, in any letter case, counts as "lnk";
// - every other path keeps its own extension, which is empty for folders, extension-less
//   files that are not executable and missing extension-less paths.
// Only an extension-less path costs a look at the file system.
std::string kindExtension(std::string_view path);

} // namespace vnovla::pages
