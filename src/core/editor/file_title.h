#pragma once

#include <string>
#include <string_view>

namespace vnovla::editor {

// Titles of this many bytes or more do not fit the title buffer and give no title.
inline constexpr std::size_t kFileTitleLimitBytes = 250;

// The name a file manager shows for path: its last component. None for an empty path, for a
// path ending in a separator (it names no last component) and for a name too long for the
// title buffer.
std::string fileTitle(std::string_view path);

} // namespace vnovla::editor
