// How hard a cave is played: more time and slower creatures on Easy, less and faster on Hard.
#pragma once

#include <cstdint>

namespace korvedan {

enum class Difficulty : std::uint8_t { Easy = 0, Normal = 1, Hard = 2 };

}  // namespace korvedan
