// The floor, the earth and the walls: plain, riveted, shifting and hidden bricks.
#include <cmath>

#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

namespace {

// (y − 4 × phase) mod 16, never negative: where the bright band of a shifting wall lies.
constexpr std::uint32_t band_row(std::uint32_t y, std::uint8_t phase) {
  return static_cast<std::uint32_t>(((static_cast<std::int32_t>(y) - 4 * phase) % 16 + 16) % 16);
}

}  // namespace

Sprite floor() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const std::uint32_t h = picture_hash(x, y, 1);
    if (h < 6) return Rgb{30, 24, 54};
    if (h > 40) return Rgb{14, 11, 28};
    return percent({14, 11, 28}, 115);
  });
}

Sprite dirt() {
  static constexpr Rgb earth{146, 92, 48};
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const std::uint32_t h = picture_hash(x, y, 2);
    if (h < 15) return Rgb{206, 152, 92};
    if (h < 71) return percent(earth, 82);
    if (h > 120) return earth;
    return percent(earth, 112);
  });
}

Sprite brick() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (is_mortar(x, y)) return Rgb{52, 36, 62};
    // Each brick its own shade; the top row of a course catches the light.
    const std::uint32_t p = picture_hash(x / 8 + (y / 4) * 3, y / 4, 3) % 16 + (y % 4 == 0 ? 114 : 92);
    return percent({168, 82, 96}, p);
  });
}

Sprite steel() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    auto at_corner_of = [x, y](std::uint32_t offset) {
      return (x == 3 + offset || x == 12 + offset) && (y == 3 + offset || y == 12 + offset);
    };
    std::uint32_t p = 94 + picture_hash(x, y, 4) % 12;
    if (y == 0 || x == 0) {
      p = 150;  // the lit bevel wins where it meets the dark one
    } else if (y == 15 || x == 15) {
      p = 48;
    } else if (at_corner_of(0)) {
      p = 170;  // rivet
    } else if (at_corner_of(1)) {
      p = 55;  // its shadow
    }
    return percent({104, 116, 148}, p);
  });
}

Sprite shifter(std::uint8_t phase) {
  static constexpr Rgb blue{72, 96, 220};
  return paint_sprite([phase](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (is_mortar(x, y)) return Rgb{24, 22, 70};
    const std::uint32_t q = band_row(y, phase);
    if (q < 2) return Rgb{200, 226, 255};
    if (q < 5) return percent(blue, 125);
    return percent(blue, 86 + picture_hash(y / 4 + (x >= 8 ? 1 : 0), y / 4, 9) % 14);
  });
}

// Phase 0 is the wall at rest; phases 1–3 show the band.
Sprite timed_shifter(std::uint8_t phase) {
  return paint_sprite([phase](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (is_mortar(x, y)) return Rgb{34, 18, 60};
    if (phase >= 1 && band_row(y, phase) < 2) return Rgb{250, 220, 255};
    return percent({170, 80, 226}, 86 + picture_hash(y / 4 + x / 8, y / 4, 15) % 14);
  });
}

Sprite timed_shifter_off() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (is_mortar(x, y)) return Rgb{34, 18, 60};
    return percent({120, 110, 140}, 80 + picture_hash(y / 4 + x / 8, y / 4, 15) % 14);
  });
}

Sprite gem_wall() {
  const Sprite bricks = brick();
  return paint_sprite([&bricks](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float diamond = std::abs(Y) / 5.2f + std::abs(X) / 4.2f;
    if (diamond > 1.0f) return bricks.at(x, y);
    if (diamond > 0.75f) return Rgb{10, 70, 84};
    if (X + Y < 0.0f) return Rgb{150, 250, 230};
    return Rgb{40, 176, 170};
  });
}

Sprite hidden() {
  const Sprite bricks = brick();
  return paint_sprite([&bricks](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if ((x + y) % 2 == 1) return Rgb{14, 11, 28};
    return percent(*bricks.at(x, y), 45);
  });
}

}  // namespace korvedan::pictures
