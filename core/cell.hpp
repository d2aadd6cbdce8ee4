// A cell of a cave: its kind and its one parameter byte, and the four directions.
#pragma once

#include <cstdint>
#include <type_traits>

namespace korvedan {

// Up 0, Right 1, Down 2, Left 3; None (255) is no direction, everywhere in the game.
enum class Dir : std::uint8_t { Up = 0, Right = 1, Down = 2, Left = 3, None = 255 };

constexpr int dir_dx(Dir d) { return d == Dir::Right ? 1 : d == Dir::Left ? -1 : 0; }
constexpr int dir_dy(Dir d) { return d == Dir::Down ? 1 : d == Dir::Up ? -1 : 0; }
constexpr Dir turn_left(Dir d) { return static_cast<Dir>((static_cast<int>(d) + 3) % 4); }
constexpr Dir turn_right(Dir d) { return static_cast<Dir>((static_cast<int>(d) + 1) % 4); }

// The declaration order is part of the rules: tables are indexed by it.
enum class CellKind : std::uint8_t {
  Empty, Dirt, Brick, Steel, Boulder, Crystal, Star, Nut, Bomb, Digger, Hatch,
  Mite, Wisp, Gobbler, Blast, Dynamite, Fuse, Key, Door, Shifter, Moss, Bigbomb,
  Ooze, Drop, TimedShifter, GemWall, Lamp, Robot, Wheel, Hidden, Switch, Acid,
};
inline constexpr int cell_kind_count = 32;

// A kind and one parameter byte: bit 0 "falling" for heavy kinds, the heading of a
// creature, a player index, a key or door colour, a countdown, a lamp's lit bit.
// No default member values: that keeps Cell trivial, so a cave's cells copy as one block
// of memory (the bot copies caves all the time). Cell{} is an empty cell.
struct Cell {
  CellKind kind;
  std::uint8_t param;
  bool operator==(const Cell&) const = default;
};
static_assert(std::is_trivial_v<Cell>);

}  // namespace korvedan
