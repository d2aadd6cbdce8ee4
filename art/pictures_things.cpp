// The things that lie in the cave: boulder, crystal, star, nut, bombs, dynamite and keys.
#include <cmath>

#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

namespace {

struct Spot {
  float x, y;
};

// A white 2 × 2 glint centred on a spot.
bool in_sparkle(float X, float Y, const std::optional<Spot>& spot) {
  return spot && std::abs(X - spot->x) < 1.0f && std::abs(Y - spot->y) < 1.0f;
}
constexpr Rgb sparkle{255, 255, 255};

constexpr PictureRows key_rows{
    "................", "................", "....kkkk........", "...kccccK.......",
    "..kcckkccK......", "..kck..kcK......", "..kck..kcK......", "..kcckkccKKKKKK.",
    "...kccccccccccK.", "....kkkkkcKcKcK.", ".........kKkKkK.", "..........k.k.k.",
    "................", "................", "................", "................",
};

}  // namespace

Rgb key_colour(std::uint8_t colour) {
  constexpr Rgb colours[3]{{236, 76, 76}, {84, 206, 116}, {244, 204, 60}};
  return colours[colour];
}

Sprite boulder() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float r = std::sqrt(X * X + Y * Y);
    if (r > 7.6f) return std::nullopt;
    if (r > 6.6f) return Rgb{38, 34, 58};
    // Lit from the top left, with darker pits.
    const Rgb c = mix({78, 72, 110}, {198, 192, 214}, (X + Y) / -10.0f + 0.5f);
    return picture_hash(x / 2, y / 2, 5) <= 33 ? percent(c, 74) : c;
  });
}

// A cut gem, light facets on the left, in three bands; the glint walks over frames 0–3.
Sprite crystal(std::uint8_t frame) {
  constexpr std::optional<Spot> sparkles[6]{Spot{-2, -4}, Spot{-1, -2}, Spot{1, 0}, Spot{2, 2}, std::nullopt, std::nullopt};
  const std::optional<Spot> spot = sparkles[frame];
  return paint_sprite([&spot](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float facet = std::abs(X) / 6.6f + std::abs(Y) / 7.6f;
    if (std::abs(X) > 5.6f || facet > 1.0f) return std::nullopt;
    // The glint lies over the outline too.
    if (in_sparkle(X, Y, spot)) return sparkle;
    if (std::abs(X) > 4.6f || facet > 0.84f) return Rgb{10, 70, 84};
    const int band = Y < -1.5f ? 0 : Y > 2.5f ? 2 : 1;
    constexpr Rgb left[3]{{190, 255, 240}, {64, 214, 196}, {28, 150, 150}};
    constexpr Rgb right[3]{{96, 232, 208}, {40, 176, 170}, {16, 108, 122}};
    return X < 0.0f ? left[band] : right[band];
  });
}

// Eight points: a diamond and a square laid over each other.
Sprite star(std::uint8_t frame) {
  constexpr std::optional<Spot> sparkles[6]{Spot{-2, -3}, Spot{0, -1}, Spot{2, 1}, std::nullopt, std::nullopt, Spot{-1, 2}};
  const std::optional<Spot> spot = sparkles[frame];
  return paint_sprite([&spot](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float diamond = std::abs(X) + std::abs(Y);
    const float square = std::max(std::abs(X), std::abs(Y));
    if (diamond > 7.6f && square > 4.9f) return std::nullopt;
    if (diamond > 6.5f && square > 3.9f) return Rgb{120, 84, 20};
    if (in_sparkle(X, Y, spot)) return sparkle;
    if (square < 2.0f) return Rgb{255, 252, 220};
    if (X + Y < 0.0f) return Rgb{255, 226, 110};
    return Rgb{236, 170, 48};
  });
}

Sprite nut() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float e = std::sqrt(Y * Y / 49.0f + X * X / 36.0f);
    if (e > 1.0f) return std::nullopt;
    if (e > 0.86f) return Rgb{60, 34, 22};
    if (x == 7 || x == 8) return Rgb{84, 50, 30};  // the seam
    const Rgb c = mix({120, 74, 40}, {206, 150, 92}, (X + Y) / -10.0f + 0.5f);
    return (y + x / 3) % 3 == 0 ? percent(c, 86) : c;
  });
}

// The big bomb is the same shape, a little larger, and red.
Sprite bomb(bool big) {
  const Rgb dark = big ? Rgb{120, 14, 30} : Rgb{30, 28, 48};
  const Rgb light = big ? Rgb{255, 96, 80} : Rgb{96, 92, 130};
  return paint_sprite([=](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if ((x == 8 || x == 9) && (y == 2 || y == 3)) return Rgb{200, 190, 160};  // fuse holder
    if (x == 10 && y == 1) return Rgb{255, 200, 60};                          // spark
    const float X = centred(x), below_middle = static_cast<float>(y) - 9.0f;
    const float h = std::sqrt(X * X + below_middle * below_middle) - (big ? 0.8f : 0.0f);
    if (h > 6.3f) return std::nullopt;
    if (h > 5.4f) return Rgb{12, 10, 22};
    if ((x == 4 || x == 5) && (y == 6 || y == 7)) return Rgb{250, 240, 250};  // highlight
    return mix(dark, light, 0.2f - (X + below_middle) / 9.0f);
  });
}

Sprite dynamite() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (x == 8 && y >= 2 && y <= 4) return Rgb{200, 190, 160};  // wick
    if (y < 5 || y > 14 || x < 3 || x > 12) return std::nullopt;
    if (x % 4 == 2) return Rgb{70, 16, 24};            // gap between sticks
    if (y == 9 || y == 10) return Rgb{230, 220, 190};  // paper band
    switch (x % 4) {
      case 3: return Rgb{236, 84, 70};
      case 0: return Rgb{206, 48, 52};
      default: return Rgb{150, 30, 44};
    }
  });
}

// The lit stick: four spark pixels over the wick, alternating between two shapes.
Sprite fuse(std::uint8_t blink) {
  struct Pixel {
    std::uint32_t x, y;
  };
  constexpr Pixel sparks[2][4]{{{8, 1}, {7, 2}, {9, 2}, {8, 0}}, {{8, 2}, {6, 1}, {10, 1}, {8, 1}}};
  Sprite s = dynamite();
  for (const Pixel& p : sparks[blink]) {
    s.at(p.x, p.y) = (blink + p.x + p.y) % 2 == 1 ? Rgb{255, 170, 40} : Rgb{255, 255, 220};
  }
  return s;
}

Sprite key(std::uint8_t colour) {
  const Rgb c = key_colour(colour);
  return text_sprite(key_rows, [c](char letter) {
    switch (letter) {
      case 'c': return c;
      case 'K': return percent(c, 62);
      default: return percent(c, 30);
    }
  });
}

}  // namespace korvedan::pictures
