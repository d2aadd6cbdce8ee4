// A sprite as a 48 × 48 picture over the floor, as the screenshot tour and kvtool save them.
#pragma once

#include <cstdint>
#include <vector>

#include "art/canvas.hpp"

namespace korvedan {

inline constexpr std::uint32_t sprite_export_scale = 3;
inline constexpr std::uint32_t sprite_export_size = 16 * sprite_export_scale;

// 48 × 48 pixels 0x00RRGGBB: pixel (x, y) is the sprite's pixel (x / 3, y / 3) where that is
// opaque, else the floor's pixel there, else black.
std::vector<std::uint32_t> sprite_over_floor(const Sprite& sprite, const Sprite& floor);

}  // namespace korvedan
