// The arithmetic every generated sprite picture shares: shading, blending, the speckle hash.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "art/canvas.hpp"

namespace korvedan {

inline constexpr std::uint32_t sprite_size = 16;

// Each channel scaled by p percent, integer division, capped at 255.
constexpr Rgb percent(Rgb c, std::uint32_t p) {
  auto channel = [p](std::uint8_t v) { return static_cast<std::uint8_t>(std::min<std::uint32_t>(v * p / 100, 255)); };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

// From a (t = 0) to b (t = 1); t is clamped, each channel truncated.
inline Rgb mix(Rgb a, Rgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  auto channel = [t](std::uint8_t from, std::uint8_t to) {
    const float v = (static_cast<float>(to) - static_cast<float>(from)) * t + static_cast<float>(from);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// A fixed 0–255 speckle value for a pixel; each picture passes its own seed, so every
// picture's speckle is the same on every run.
constexpr std::uint32_t picture_hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = (x * 0x9E3779B1u) ^ (y * 0x85EBCA6Bu) ^ (seed * 0xC2B2AE35u);
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  return (h ^ (h >> 12)) & 0xFF;
}

// Offsets from the middle of a 16 × 16 picture: X = x − 7.5, Y = y − 7.5.
constexpr float centred(std::uint32_t v) { return static_cast<float>(v) - 7.5f; }

// The brick courses shared by several walls: bricks 8 wide and 3 high with a mortar line
// below each course, every other course shifted by 4.
constexpr bool is_mortar(std::uint32_t x, std::uint32_t y) {
  return y % 4 == 3 || ((y & 4) + x) % 8 == 7;
}

// A 16 × 16 sprite whose pixel (x, y) is paint(x, y).
template <class Paint>
Sprite paint_sprite(Paint paint) {
  Sprite s = Sprite::blank(sprite_size, sprite_size);
  for (std::uint32_t y = 0; y < sprite_size; ++y) {
    for (std::uint32_t x = 0; x < sprite_size; ++x) s.at(x, y) = paint(x, y);
  }
  return s;
}

using PictureRows = std::array<std::string_view, sprite_size>;

[[noreturn]] void bad_picture_row();

// A picture written as 16 texts of 16 characters: "." is transparent, any other character
// the colour the palette gives it. A short row stops the program.
template <class Palette>
Sprite text_sprite(const PictureRows& rows, Palette palette) {
  Sprite s = Sprite::blank(sprite_size, sprite_size);
  for (std::uint32_t y = 0; y < sprite_size; ++y) {
    if (rows[y].size() < sprite_size) bad_picture_row();
    for (std::uint32_t x = 0; x < sprite_size; ++x) {
      const char letter = rows[y][x];
      if (letter != '.') s.at(x, y) = palette(letter);
    }
  }
  return s;
}

}  // namespace korvedan
