// The miner each player steers: front, back and side views, two walking frames, two outfits.
#include "art/picture_math.hpp"
#include "art/pictures.hpp"

namespace korvedan::pictures {

namespace {

constexpr PictureRows front_rows{
    "................", ".....yyyyyy.....", "....yyyWWyyy....", "....yyyWWyyy....",
    "...YYYYYYYYYY...", "....ssssssss....", "....skssssks....", "....ssssssss....",
    ".....ssmmss.....", "....oooooooo....", "...soooOOooos...", "...s.oooooo.s...",
    ".....oooooo.....", ".....oo..oo.....", ".....bb..bb.....", "....bbb..bbb....",
};
constexpr std::array<std::string_view, 3> front_walking_legs{
    ".....oo..oo.....", ".....bb..oo.....", "....bbb..bbb....",
};

// Facing right; facing left is its mirror.
constexpr PictureRows side_rows{
    "................", ".....yyyyyy.....", "....yyyyyyyW....", "....yyyyyyyW....",
    "....YYYYYYYYY...", ".....sssssss....", ".....ssssksss...", ".....sssssss....",
    "......sssmm.....", ".....ooooo......", ".....oosooo.....", ".....oossoo.....",
    ".....ooooo......", ".....oo.oo......", ".....bb.bb......", ".....bbbbbb.....",
};
constexpr std::array<std::string_view, 3> side_walking_legs{
    "....oo...oo.....", "...bb.....bb....", "...bbb....bbb...",
};

struct Outfit {
  Rgb helmet, brim, overalls, overall_shade;
};
constexpr Outfit first_player{{250, 204, 48}, {196, 140, 24}, {232, 104, 40}, {160, 62, 28}};
constexpr Outfit second_player{{236, 238, 248}, {150, 154, 180}, {58, 124, 232}, {34, 78, 170}};

constexpr Rgb lamp_light{255, 255, 236};
constexpr Rgb skin{246, 196, 150};
constexpr Rgb eyes{36, 24, 44};
constexpr Rgb mouth{170, 80, 70};
constexpr Rgb boots{70, 50, 70};  // also any letter the palette does not name

// Seen from behind there is no lamp, face or pocket: those letters take the colour around them.
Rgb digger_colour(char letter, const Outfit& outfit, bool from_behind) {
  switch (letter) {
    case 'y': return outfit.helmet;
    case 'Y': return outfit.brim;
    case 'W': return from_behind ? outfit.helmet : lamp_light;
    case 's': return skin;
    case 'k': return from_behind ? skin : eyes;
    case 'm': return from_behind ? skin : mouth;
    case 'o': return outfit.overalls;
    case 'O': return from_behind ? outfit.overalls : outfit.overall_shade;
    default: return boots;
  }
}

}  // namespace

Sprite digger(SpriteKind pose, std::uint8_t player, bool walking) {
  const bool side = pose == SpriteKind::DiggerLeft || pose == SpriteKind::DiggerRight;
  PictureRows rows = side ? side_rows : front_rows;
  if (walking) {
    const auto& legs = side ? side_walking_legs : front_walking_legs;
    std::copy(legs.begin(), legs.end(), rows.begin() + 13);
  }
  const Outfit& outfit = player == 0 ? first_player : second_player;
  const bool from_behind = pose == SpriteKind::DiggerBack;
  Sprite s = text_sprite(rows, [&](char letter) { return digger_colour(letter, outfit, from_behind); });
  return pose == SpriteKind::DiggerLeft ? s.mirrored() : s;
}

}  // namespace korvedan::pictures
