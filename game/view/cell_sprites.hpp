// Which sprite each cell of a cave is drawn with at a given moment of the animation.
#pragma once

#include <cstdint>
#include <optional>

#include "art/sprite_key.hpp"
#include "core/cave.hpp"

namespace korvedan {

// The integer part of k × seconds, taken of the 32-bit product; 0 when negative.
std::uint32_t animation_step(float k, float seconds);

// The sprite for cell (c, r), or nothing for an empty cell (or a hidden wall not shown now).
// `seconds` is the screen clock that drives the animations; the cave's tick drives the creatures.
std::optional<SpriteKey> cell_sprite(const Cave& cave, std::int32_t c, std::int32_t r, float seconds);

}  // namespace korvedan
