#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::icons {

// Program files are read whole to find their icons; the rare larger ones show none rather than
// make every page draw read hundreds of megabytes.
inline constexpr std::size_t kMaxIconFileBytes = 16 * 1024 * 1024;

// The bytes of the regular file at path, or nothing when it cannot be read, is larger than
// maxBytes or is not a regular file (a FIFO or device named as an icon file must not block
// the page draw).
std::optional<std::vector<std::uint8_t>> readIconFile(const std::string& path,
                                                      std::size_t maxBytes = kMaxIconFileBytes);

} // namespace vnovla::icons
