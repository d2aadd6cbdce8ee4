// Turns a cave's rows of text into a ready-to-play cave for one or two players.
#pragma once

#include "core/cave.hpp"
#include "core/difficulty.hpp"
#include "core/level_entry.hpp"
#include "base/result.hpp"

namespace korvedan {

Result<Cave> parse_cave(const LevelEntry& level, int players, Difficulty difficulty);

}  // namespace korvedan
