// The game's icon for desktop menus: the first player's digger in a dark cave tile.
#pragma once

#include <cstdint>

#include "art/canvas.hpp"

namespace korvedan {

inline constexpr std::uint32_t icon_design_size = 16;

// The 16 × 16 design, made of the game's own sprites; the rounded corners are transparent.
Sprite icon_picture();

// Every pixel becomes a `factor` × `factor` block, so the picture stays sharp at any size.
Sprite enlarged(const Sprite& sprite, std::uint32_t factor);

}  // namespace korvedan
