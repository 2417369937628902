#pragma once

#include "profile/profile_file.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::exchange {

// The largest document an import reads: a full profile of 1001 pages with long paths stays
// far below it, and a runaway input is refused before it is parsed.
inline constexpr std::size_t kMaxImportBytes = 16 * 1024 * 1024;
inline constexpr int kHighestPossiblePage = 1000;

// Every page up to the highest one with its title and its registered buttons:
// {"version": 1, "highestPage": 15, "pages": [{"page": 0, "title": "...",
//  "buttons": [{"slot": 0, "path": "...", "tooltip": "...", "icon": "0"}]}]}
// Values are as the launcher reads them.
std::string exportJson(profile::ProfileFile& settings);

// What an import writes, or why it is refused: the first invalid entry ("pages[2].buttons[0]
// .slot") and the reason. Each listed page is replaced whole: its title and all ten slots,
// slots the document leaves out becoming free.
struct ImportPlan
{
    std::vector<profile::ProfileWrite> writes;
    std::string error;
};
ImportPlan planImport(std::string_view json, profile::ProfileFile& settings);

// Checks the whole document and writes it as one replacement of the settings file after
// a backup, or refuses it whole, leaving the file as it was.
profile::WriteStatus importJson(std::string_view json, profile::ProfileFile& settings);

} // namespace vnovla::exchange
