// The fittings of a cave: hatch, doors, lamps, the wheel and the switch.
#include <cmath>
#include <numbers>

#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

namespace {

// How far a pixel lies inside the picture's border: 0 on the outermost ring.
constexpr std::uint32_t depth(std::uint32_t x, std::uint32_t y) {
  return std::min({x, y, 15 - x, 15 - y});
}

// The hatch's frame, lit on its top and left edges; nullopt inside it.
std::optional<Rgb> hatch_frame(std::uint32_t x, std::uint32_t y) {
  constexpr Rgb frame{86, 96, 126};
  switch (depth(x, y)) {
    case 0: return x == 0 || y == 0 ? percent(frame, 150) : percent(frame, 50);
    case 1: return frame;
    case 2: return percent(frame, 45);
    default: return std::nullopt;
  }
}

}  // namespace

Sprite hatch_shut() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (auto frame = hatch_frame(x, y)) return frame;
    return y % 3 == 0 ? Rgb{66, 62, 88} : Rgb{34, 30, 52};  // slats
  });
}

// A glow, cream at the centre, that swells and shrinks over the four frames.
Sprite hatch_open(std::uint8_t frame) {
  constexpr float swell[4] = {0.0f, 0.5f, 1.0f, 0.5f};
  const float reach = 5.0f + 2.5f * swell[frame];
  return paint_sprite([reach](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (auto frame = hatch_frame(x, y)) return frame;
    const float X = centred(x), Y = centred(y);
    return mix({230, 120, 20}, {255, 252, 200}, 1.25f - std::sqrt(X * X + Y * Y) / reach);
  });
}

Sprite door(std::uint8_t colour) {
  const Rgb paint = key_colour(colour);
  return paint_sprite([paint](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const std::uint32_t d = depth(x, y);
    if (d == 0) return Rgb{40, 34, 60};
    if (d == 1) return Rgb{110, 116, 146};
    const float X = centred(x), up = static_cast<float>(y) - 6.0f;
    const bool keyhole = std::sqrt(up * up + X * X) < 2.0f || ((x == 7 || x == 8) && y >= 8 && y <= 11);
    if (keyhole) return Rgb{20, 16, 34};
    if (x % 4 == 0) return percent(paint, 62);  // the gaps between planks
    return percent(paint, y < 4 ? 112 : 86);
  });
}

Sprite lamp(bool lit) {
  const Rgb centre = lit ? Rgb{255, 255, 230} : Rgb{120, 124, 150};
  const Rgb edge = lit ? Rgb{255, 200, 60} : Rgb{60, 62, 88};
  return paint_sprite([=](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (x >= 5 && x <= 10 && y >= 11 && y <= 14) return y % 2 == 1 ? Rgb{110, 116, 146} : Rgb{70, 74, 100};
    const float X = centred(x), up = static_cast<float>(y) - 6.5f;
    const float r = std::sqrt(X * X + up * up);
    if (r > 5.6f) {
      if (lit && r < 7.5f && (x + y) % 2 == 0) return Rgb{255, 240, 150};  // dotted halo
      return std::nullopt;
    }
    if (r > 4.6f) return Rgb{50, 46, 70};
    return mix(centre, edge, r / 4.6f);
  });
}

// Four narrow spokes that turn 22.5° with each rotation step.
Sprite wheel(std::uint8_t rotation) {
  return paint_sprite([rotation](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    const float X = centred(x), Y = centred(y);
    const float r = std::sqrt(X * X + Y * Y);
    if (r > 7.4f) return std::nullopt;
    if (r > 5.8f) return Rgb{200, 150, 40};
    if (r < 1.6f) return Rgb{255, 230, 120};
    const float turns = (std::atan2(Y, X) + static_cast<float>(rotation) * std::numbers::pi_v<float> / 8.0f) *
                        2.0f / std::numbers::pi_v<float>;
    float q = turns - std::trunc(turns);
    if (q < 0.0f) q += 1.0f;
    return q >= 0.18f && q <= 0.82f ? Rgb{50, 40, 60} : Rgb{230, 180, 60};
  });
}

Sprite switch_plate() {
  return paint_sprite([](std::uint32_t x, std::uint32_t y) -> std::optional<Rgb> {
    if (x < 2 || x > 13 || y < 2 || y > 13) return std::nullopt;
    if (x == 2 || x == 13 || y == 2 || y == 13) return Rgb{40, 44, 66};
    const float X = centred(x), up = static_cast<float>(y) - 6.5f;
    if (std::sqrt(X * X + up * up) < 3.0f) return Rgb{255, 236, 120};     // knob
    if (x >= 6 && x <= 9 && y >= 9 && y <= 11) return Rgb{255, 236, 120};  // bar
    return Rgb{96, 104, 136};
  });
}

}  // namespace korvedan::pictures
