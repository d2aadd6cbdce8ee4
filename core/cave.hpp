// The model of one cave in play: cells, diggers and the counters that decide the game.
#pragma once

#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

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

enum class BlastLeaves : std::uint8_t { Empty = 0, Crystal = 1, Star = 2 };

// A blast carries both of its values in its one byte: what it leaves times 16 plus its countdown.
constexpr Cell make_blast(BlastLeaves leaves, std::uint8_t countdown) {
  return {CellKind::Blast, static_cast<std::uint8_t>(static_cast<int>(leaves) << 4 | (countdown & 15))};
}
constexpr BlastLeaves blast_leaves(Cell c) { return static_cast<BlastLeaves>(c.param >> 4); }
constexpr std::uint8_t blast_countdown(Cell c) { return c.param & 15; }

constexpr bool is_heavy(CellKind k) {
  return k == CellKind::Boulder || k == CellKind::Crystal || k == CellKind::Star ||
         k == CellKind::Nut || k == CellKind::Bomb || k == CellKind::Bigbomb;
}
constexpr bool is_falling(Cell c) { return is_heavy(c.kind) && (c.param & 1) != 0; }

enum class DiggerStatus : std::uint8_t { InCave = 0, Out = 1, Dead = 2 };

struct DiggerState {
  std::int32_t x = 0, y = 0;  // after leaving: the hatch's cell
  Dir facing = Dir::Down;
  DiggerStatus status = DiggerStatus::InCave;
  bool armed = false;        // holds a lit stick of dynamite
  std::uint8_t fuse = 0;     // ticks left on the held stick
  bool operator==(const DiggerState&) const = default;
};

struct ActiveWheel {
  std::int32_t x = 0, y = 0;
  std::uint32_t remaining = 0;
  bool operator==(const ActiveWheel&) const = default;
};

enum class CaveOutcome : std::uint8_t { Running = 0, Won = 1, Lost = 2 };

struct Cave {
  std::vector<Cell> cells;               // width × height, row by row
  std::vector<std::uint8_t> last_move;   // Dir of the step that brought a thing here this tick, 255 none
  std::vector<std::uint32_t> moved_at;   // tick in which the rules last put something here
  std::vector<DiggerState> diggers;      // one per player, player 1 first
  bool timed_shifter_started = false;
  std::uint32_t timed_shifter_timer = 0;
  std::optional<ActiveWheel> wheel;
  std::int32_t width = 0, height = 0;
  std::uint32_t tick = 0;
  std::uint32_t crystals = 0;
  std::uint32_t crystals_needed = 0;
  std::uint32_t time_left = 0;
  std::uint32_t score = 0;
  std::uint32_t creature_period = 2;
  std::uint32_t dynamite = 0;
  std::uint32_t pickups = 0;
  std::uint32_t unlit_lamps = 0;
  std::uint32_t switch_timer = 0;
  bool lamp_broken = false;
  CaveOutcome outcome = CaveOutcome::Running;
  std::uint8_t keys = 0;  // bit c: a key of colour c was picked up

  bool operator==(const Cave&) const = default;
};

// The cell at (x, y); outside the grid everything is steel.
Cell cell_at(const Cave& cave, std::int32_t x, std::int32_t y);
// last_move at (x, y), 255 outside the grid.
std::uint8_t last_move_at(const Cave& cave, std::int32_t x, std::int32_t y);
// Writes a cell inside the grid; a position outside is a programming error.
void set_cell(Cave& cave, std::int32_t x, std::int32_t y, Cell cell);
// Empties (x, y) and puts `cell` into its neighbour in `dir`, marked as moved this tick.
void move_cell(Cave& cave, std::int32_t x, std::int32_t y, Dir dir, Cell cell);
bool hatch_open(const Cave& cave);
// The only source of chance in the rules, so the same inputs always give the same game.
std::uint32_t cell_hash(std::uint32_t tick, std::int32_t x, std::int32_t y);

}  // namespace korvedan
