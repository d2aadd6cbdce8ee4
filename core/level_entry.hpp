// One built-in cave as the level table holds it: its name, rows, crystals needed, time and idea.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/cave_idea.hpp"

namespace korvedan {

struct LevelEntry {
  std::string_view name;
  std::span<const std::string_view> rows;  // top row first, one character per cell
  std::uint32_t crystals_needed = 0;
  std::uint32_t time = 0;  // ticks on Normal
  CaveIdea idea = {};      // what the cave is about, and what it rests on
};

}  // namespace korvedan
