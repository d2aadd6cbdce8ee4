// How hard a cave is played: more time and slower creatures on Easy, less and faster on Hard.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvedan {

enum class Difficulty : std::uint8_t { Easy = 0, Normal = 1, Hard = 2 };

// "easy", "normal", "hard": the word file names and command lines use.
std::string_view difficulty_word(Difficulty d);
std::optional<Difficulty> difficulty_from_word(std::string_view word);

}  // namespace korvedan
