// The model of one cave in play: cells, diggers and the counters that decide the game.
#pragma once

#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

#include "core/cell_table.hpp"

namespace korvedan {

enum class BlastLeaves : std::uint8_t { Empty = 0, Crystal = 1, Star = 2 };

// A blast carries both of its values in its one byte: what it leaves times 16 plus its countdown.
constexpr Cell make_blast(BlastLeaves leaves, std::uint8_t countdown) {
  return {CellKind::Blast, static_cast<std::uint8_t>(static_cast<int>(leaves) << 4 | (countdown & 15))};
}
constexpr BlastLeaves blast_leaves(Cell c) { return static_cast<BlastLeaves>(c.param >> 4); }
constexpr std::uint8_t blast_countdown(Cell c) { return c.param & 15; }

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
