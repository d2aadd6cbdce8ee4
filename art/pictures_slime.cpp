// The green growths: moss, ooze hanging from the ceiling, its drops, and pools of acid.
#include <cmath>

#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

// Blotches of dark green over lighter moss, fully opaque.
Sprite moss(std::uint8_t variant) {
  return paint_sprite([variant](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const std::uint32_t blotch = picture_hash(x / 2, y / 2 + variant, 11);
    if (blotch < 61) return Rgb{26, 92, 44};
    if (picture_hash(x, y, variant + 12u) < 25) return Rgb{176, 240, 120};
    return blotch < 151 ? Rgb{52, 150, 62} : Rgb{86, 190, 80};
  });
}

// Hangs from the top of the cell; its lower edge bulges in the middle and drips unevenly.
Sprite ooze(std::uint8_t variant) {
  return paint_sprite([variant](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x);
    const float bottom = 9.0f + 1.5f * static_cast<float>(variant) - 0.12f * X * X +
                         0.5f * static_cast<float>((7 * x) % 5);
    const float fy = static_cast<float>(y);
    if (fy > bottom) return std::nullopt;
    if (fy > bottom - 1.2f) return Rgb{40, 84, 20};
    const std::uint32_t h = picture_hash(x / 2, y / 2 + variant, 14);
    if (h < 41) return Rgb{214, 250, 96};
    if (h < 141) return Rgb{150, 214, 50};
    return Rgb{110, 176, 40};
  });
}

// Pointed above, round below, in rows 4–12.
Sprite drop() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (y < 4 || y > 12) return std::nullopt;
    const float X = centred(x), down = static_cast<float>(y) - 9.5f;
    const float half_width = down < 0.0f ? 0.55f * down + 3.2f : std::sqrt(std::max(10.3f - down * down, 0.0f));
    if (std::abs(X) > half_width) return std::nullopt;
    if (std::abs(X) > half_width - 1.0f) return Rgb{60, 110, 24};
    if (X < 0.0f && down < 1.0f) return Rgb{224, 252, 130};
    return Rgb{150, 214, 50};
  });
}

// A pool with a rippled light surface on row 3 or 4 and bubbles below.
Sprite acid(std::uint8_t variant) {
  return paint_sprite([variant](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const std::uint32_t surface = ((x + 3u * variant) / 2) % 3 == 0 ? 4 : 3;
    if (y < surface) return std::nullopt;
    if (y == surface) return Rgb{220, 255, 150};
    const std::uint32_t h = picture_hash(x, y + 5u * variant, 16);
    if (h < 15) return Rgb{230, 255, 170};
    if (h < 111) return Rgb{96, 200, 40};
    return Rgb{70, 160, 30};
  });
}

}  // namespace korvedan::pictures
