// Which sprite to draw: a kind, and the frame, colour, state or player that the kind uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace korvedan {

// Kinds 0–3 are the digger's poses; the others one picture family each. Kind 10 is not used.
enum class SpriteKind : std::uint8_t {
  DiggerFront = 0,  // facing the viewer (moving down)
  DiggerBack = 1,   // seen from behind (moving up)
  DiggerLeft = 2,
  DiggerRight = 3,
  Floor = 4,
  Dirt = 5,
  Brick = 6,
  Steel = 7,
  Boulder = 8,
  Crystal = 9,      // frame 0–5
  HatchShut = 11,
  HatchOpen = 12,   // frame 0–3
  Mite = 13,        // frame 0–1
  Wisp = 14,        // frame 0–3
  Blast = 15,       // stage 0–3
  Star = 16,        // frame 0–5
  Nut = 17,
  Bomb = 18,
  Dynamite = 19,
  Fuse = 20,        // blink 0–1
  Key = 21,         // colour 0 red, 1 green, 2 yellow
  Door = 22,        // colour as for keys
  Shifter = 23,     // phase 0–3
  Moss = 24,        // variant 0–1
  Gobbler = 25,     // frame 0 mouth open, 1 shut
  Bigbomb = 26,
  Ooze = 27,        // variant 0–1
  Drop = 28,
  TimedShifter = 29,  // phase 0–3
  TimedShifterOff = 30,
  GemWall = 31,
  Lamp = 32,        // state 0 off, 1 lit
  Robot = 33,       // frame 0–1
  Wheel = 34,       // rotation 0–3
  Hidden = 35,
  Switch = 36,
  Acid = 37,        // variant 0–1
};

constexpr bool is_digger(SpriteKind kind) { return static_cast<std::uint8_t>(kind) <= 3; }

// Whether the sub byte tells pictures of this kind apart (diggers use it for the player).
constexpr bool uses_sub(SpriteKind kind) {
  switch (kind) {
    case SpriteKind::Crystal: case SpriteKind::HatchOpen: case SpriteKind::Mite:
    case SpriteKind::Wisp: case SpriteKind::Blast: case SpriteKind::Star:
    case SpriteKind::Fuse: case SpriteKind::Key: case SpriteKind::Door:
    case SpriteKind::Shifter: case SpriteKind::Moss: case SpriteKind::Gobbler:
    case SpriteKind::Ooze: case SpriteKind::TimedShifter: case SpriteKind::Lamp:
    case SpriteKind::Robot: case SpriteKind::Wheel: case SpriteKind::Acid:
      return true;
    default:
      return is_digger(kind);
  }
}

// Three bytes. For a digger, sub is the player and bit 0 of extra the walking frame; for other
// kinds sub is the frame, colour or state where the kind has one, and extra is unused. Keys
// compare equal when they pick the same picture: bytes the kind does not use are ignored.
struct SpriteKey {
  SpriteKind kind = SpriteKind::Floor;
  std::uint8_t sub = 0;
  std::uint8_t extra = 0;

  // The same key with the bytes the kind ignores set to 0.
  constexpr SpriteKey normalised() const {
    if (is_digger(kind)) return *this;
    return {kind, uses_sub(kind) ? sub : std::uint8_t{0}, 0};
  }
  constexpr bool operator==(const SpriteKey& other) const {
    const SpriteKey a = normalised(), b = other.normalised();
    return a.kind == b.kind && a.sub == b.sub && a.extra == b.extra;
  }
};

constexpr SpriteKey digger_key(SpriteKind pose, std::uint8_t player, std::uint8_t walking_frame) {
  return {pose, player, walking_frame};
}

}  // namespace korvedan

template <>
struct std::hash<korvedan::SpriteKey> {
  std::size_t operator()(const korvedan::SpriteKey& key) const noexcept {
    const korvedan::SpriteKey n = key.normalised();
    return std::hash<std::uint32_t>{}(std::uint32_t{static_cast<std::uint8_t>(n.kind)} << 16 |
                                      std::uint32_t{n.sub} << 8 | n.extra);
  }
};
