// Reading the arguments most kvtool commands share: a cave number and a difficulty.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/difficulty.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {

// A cave number as the player sees it (1..119) turned into a table index (0..118).
std::optional<std::size_t> cave_index_arg(std::string_view text);
std::optional<Difficulty> difficulty_arg(std::string_view text);
using korvedan::difficulty_word;  // "easy", "normal", "hard"
// The count after option args[i] ("--budget 600"): steps i past it, false when there is none.
bool count_arg(const Args& args, std::size_t& i, std::size_t& out);

}  // namespace korvedan::tool
