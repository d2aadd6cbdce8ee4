// The save file's JSON text: written compact in a fixed member order, read strictly.
#pragma once

#include <string>
#include <string_view>

#include "core/progress.hpp"
#include "base/result.hpp"

namespace korvedan {

// One line, no whitespace, members in the order solved, best, music_off, two_players,
// difficulty, slot, name, others, all_open.
std::string progress_to_json(const Progress& progress);

// Reads an object (members in any order, unknown ones ignored, none given twice) or an array
// of the nine values in member order. The message says what was wrong and, for syntax and
// repeated members, where.
Result<Progress> progress_from_json(std::string_view text);

}  // namespace korvedan
