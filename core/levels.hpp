// The game's 119 built-in caves, in the order they are offered (index 0 is cave 1).
#pragma once

#include <cstddef>

#include "core/level_entry.hpp"

namespace korvedan {

inline constexpr std::size_t level_count = 119;

// The entry of cave `index` (0..118); any other index is a programming error.
const LevelEntry& level_entry(std::size_t index);

}  // namespace korvedan
