// Reading the arguments most kvtool commands share: a cave number and a difficulty.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/difficulty.hpp"

namespace korvedan::tool {

// A cave number as the player sees it (1..119) turned into a table index (0..118).
std::optional<std::size_t> cave_index_arg(std::string_view text);
std::optional<Difficulty> difficulty_arg(std::string_view text);
std::string_view difficulty_word(Difficulty d);  // "easy", "normal", "hard"

}  // namespace korvedan::tool
