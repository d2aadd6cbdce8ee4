// The creatures and the blast: mite, gobbler, wisp, robot and the fireball's four stages.
#include <cmath>

#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

namespace {

constexpr PictureRows mite_rows[2]{
    {"................", "................", "..k..........k..", "...k...kk...k...",
     "....krrrrrrk....", "...krRrrrrRrk...", ".kkrrrrrrrrrrkk.", "...rwkrrrrwkr...",
     "...rkkrrrrkkr...", ".kkrrrrrrrrrrkk.", "...krrrkkrrrk...", "....krrrrrrk....",
     "...k.kkkkkk.k...", "..k..........k..", "................", "................"},
    {"................", "................", "................", "..kk...kk...kk..",
     "....krrrrrrk....", "...krRrrrrRrk...", "..krrrrrrrrrrk..", ".k.rwkrrrrwkr.k.",
     "...rkkrrrrkkr...", "..krrrrrrrrrrk..", ".k.krrrkkrrrk.k.", "....krrrrrrk....",
     "..kk.kkkkkk.kk..", "................", "................", "................"},
};

// Frame 0 has the mouth open; frame 1 shut. They agree down to row 4.
constexpr PictureRows gobbler_rows[2]{
    {"................", "....kkkkkkkk....", "...kggggggggk...", "..kggwkggwkggk..",
     "..kggkkggkkggk..", ".kggggggggggggk.", ".kgkkkkkkkkkkgk.", ".kgkwkwkwkwkkgk.",
     ".kgkttttttttkgk.", ".kgkkwkwkwkwkgk.", ".kgkkkkkkkkkkgk.", ".kggggggggggggk.",
     "..kGGGGGGGGGGk..", "...kkGGk.kGGkk..", "....kkk...kkk...", "................"},
    {"................", "....kkkkkkkk....", "...kggggggggk...", "..kggwkggwkggk..",
     "..kggkkggkkggk..", ".kggggggggggggk.", ".kggggggggggggk.", ".kgkkkkkkkkkkgk.",
     ".kgkwkwkwkwkkgk.", ".kgkkkkkkkkkkgk.", ".kggggggggggggk.", ".kggggggggggggk.",
     "..kGGGGGGGGGGk..", "..kkGGk...kGGkk..", "...kkk.....kkk..", "................"},
};

}  // namespace

Sprite mite(std::uint8_t frame) {
  return text_sprite(mite_rows[frame], [](char letter) {
    switch (letter) {
      case 'R': return Rgb{255, 150, 130};
      case 'r': return Rgb{206, 52, 60};
      case 'w': return Rgb{255, 255, 255};
      default: return Rgb{44, 14, 36};
    }
  });
}

Sprite gobbler(std::uint8_t frame) {
  return text_sprite(gobbler_rows[frame], [](char letter) {
    switch (letter) {
      case 'G': return Rgb{70, 140, 50};
      case 'g': return Rgb{120, 200, 70};
      case 't': return Rgb{190, 40, 60};
      case 'w': return Rgb{255, 255, 255};
      default: return Rgb{20, 40, 24};
    }
  });
}

// A pale blob, narrower above the middle, with a ragged edge that changes every frame.
Sprite wisp(std::uint8_t frame) {
  constexpr float wobble[4] = {0.0f, 0.6f, 1.0f, 0.6f};
  return paint_sprite([frame, &wobble](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float w = 5.6f + wobble[frame] - 0.45f * std::max(-Y, 0.0f);
    const float e = std::sqrt(X * X / (w * w) + Y * Y / 49.0f);
    const float edge = 1.0f - 0.22f * static_cast<float>(picture_hash(x, y, frame + 6u)) / 255.0f;
    if (e > edge) return std::nullopt;
    if (std::abs(Y - 0.5f) < 1.0f && std::abs(std::abs(X) - 2.5f) < 1.0f) return Rgb{40, 10, 70};
    return mix({255, 250, 255}, {214, 70, 235}, 1.25f * e - 0.1f);
  });
}

// The fireball shrinks and reddens stage by stage; its rim is frayed by the hash.
Sprite blast(std::uint8_t stage) {
  struct Stage {
    float radius;
    Rgb inner, outer;
  };
  constexpr Stage stages[4]{
      {11.5f, {255, 255, 255}, {255, 236, 120}},
      {10.0f, {255, 244, 159}, {255, 150, 30}},
      {8.0f, {255, 170, 40}, {200, 50, 20}},
      {5.5f, {210, 70, 30}, {90, 30, 40}},
  };
  const Stage& s = stages[stage];
  return paint_sprite([stage, &s](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float d = std::sqrt(X * X + Y * Y) + 3.0f * static_cast<float>(picture_hash(x, y, 20u + stage)) / 255.0f;
    if (d >= s.radius) return std::nullopt;
    return mix(s.inner, s.outer, d / s.radius);
  });
}

Sprite robot(std::uint8_t frame) {
  return paint_sprite([frame](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if ((x == 8 && y == 1) || (x == 7 && (y == 1 || y == 2))) return Rgb{200, 204, 220};  // antenna
    if (x >= 3 && x <= 12 && y >= 3 && y <= 12) {
      if (x == 3 || x == 12 || y == 3 || y == 12) return Rgb{40, 44, 66};
      if ((x == 5 || x == 6 || x == 9 || x == 10) && (y == 5 || y == 6)) return Rgb{255, 60, 50};
      if (y == 9 && (x == 6 || x == 8 || x == 10)) return Rgb{30, 30, 46};
      return Rgb{150, 158, 186};
    }
    if (y == 13 || y == 14) {
      const bool leg = frame == 0 ? (x == 4 || x == 5 || x == 10 || x == 11) : (x == 5 || x == 6 || x == 9 || x == 10);
      if (leg) return Rgb{70, 74, 100};
    }
    return std::nullopt;
  });
}

}  // namespace korvedan::pictures
