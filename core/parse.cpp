// Reads a cave from its rows of text, one character per cell, for one or two players.
#include "core/parse.hpp"

#include <cstdint>
#include <string>
#include <string_view>

#include "core/cell_table.hpp"
#include "core/echo.hpp"
#include "base/fatal.hpp"

namespace korvedan {

namespace {

std::size_t char_count(std::string_view text) {
  std::size_t count = 0;
  while (!text.empty()) {
    next_char(text);
    ++count;
  }
  return count;
}

bool room_for_partner(Cell cell) { return cell.kind == CellKind::Empty || cell.kind == CellKind::Dirt; }

struct Spot {
  std::int32_t x = -1, y = -1;
  bool seen() const { return x >= 0; }
};

// The first neighbour of `spot`, in the given order, that is empty or dirt.
bool free_neighbour(const Cave& cave, Spot spot, std::initializer_list<Dir> order, Spot& found) {
  for (Dir d : order) {
    const Spot n{spot.x + dir_dx(d), spot.y + dir_dy(d)};
    if (room_for_partner(cell_at(cave, n.x, n.y))) {
      found = n;
      return true;
    }
  }
  return false;
}

}  // namespace

Result<Cave> parse_cave(const LevelEntry& level, int players, Difficulty difficulty) {
  if (players != 1 && players != 2) fatal("parse_cave: " + std::to_string(players) + " players");
  if (static_cast<int>(difficulty) > 2) fatal("parse_cave: difficulty " + std::to_string(static_cast<int>(difficulty)));
  const auto& rows = level.rows;
  if (rows.size() < 3 || char_count(rows[0]) < 3) return Failure{"a cave needs at least 3x3 cells"};

  Cave cave;
  cave.width = static_cast<std::int32_t>(char_count(rows[0]));
  cave.height = static_cast<std::int32_t>(rows.size());
  cave.cells.reserve(static_cast<std::size_t>(cave.width) * rows.size());
  Spot digger, hatch;
  for (std::int32_t r = 0; r < cave.height; ++r) {
    std::string_view row = rows[static_cast<std::size_t>(r)];
    const std::size_t count = char_count(row);
    if (count != static_cast<std::size_t>(cave.width)) {
      return Failure{"row " + std::to_string(r) + " is " + std::to_string(count) + " wide, expected " +
                     std::to_string(cave.width)};
    }
    for (std::int32_t c = 0; !row.empty(); ++c) {
      const char32_t ch = next_char(row);
      Cell cell;
      if (!cell_of_letter(ch, cell)) return Failure{"unknown character " + quoted(ch) + " in row " + std::to_string(r)};
      if (cell.kind == CellKind::Digger) {
        if (digger.seen()) return Failure{"more than one digger"};
        digger = {c, r};
      }
      if (cell.kind == CellKind::Hatch) hatch = {c, r};  // several hatches are allowed
      const bool edge = c == 0 || r == 0 || c == cave.width - 1 || r == cave.height - 1;
      if (edge && cell.kind != CellKind::Steel) {
        return Failure{"the edge must be steel, but (" + std::to_string(c) + ", " + std::to_string(r) + ") is not"};
      }
      if (cell.kind == CellKind::Lamp) ++cave.unlit_lamps;
      cave.cells.push_back(cell);
    }
  }
  if (!digger.seen()) return Failure{"no digger"};
  if (!hatch.seen()) return Failure{"no hatch"};

  cave.diggers.push_back(DiggerState{digger.x, digger.y});
  if (players == 2) {
    Spot partner;
    if (!free_neighbour(cave, digger, {Dir::Right, Dir::Down, Dir::Left, Dir::Up}, partner)) {
      return Failure{"no room for a second digger next to the first"};
    }
    set_cell(cave, partner.x, partner.y, Cell{CellKind::Digger, 1});
    cave.diggers.push_back(DiggerState{partner.x, partner.y});
    Spot second_hatch;
    if (!free_neighbour(cave, hatch, {Dir::Up, Dir::Left, Dir::Right, Dir::Down}, second_hatch)) {
      return Failure{"no room for a second hatch next to the first"};
    }
    set_cell(cave, second_hatch.x, second_hatch.y, Cell{CellKind::Hatch, 0});
  }

  const std::size_t cell_count = cave.cells.size();
  cave.last_move.assign(cell_count, 255);
  cave.moved_at.assign(cell_count, 0);
  cave.crystals_needed = level.crystals_needed;
  // Easy gets half again as much time, Hard three quarters; computed wide, kept in 32 bits.
  constexpr std::uint64_t percent[] = {150, 100, 75};
  cave.time_left =
      static_cast<std::uint32_t>(std::uint64_t{level.time} * percent[static_cast<int>(difficulty)] / 100);
  cave.creature_period = 3u - static_cast<std::uint32_t>(difficulty);
  return cave;
}

}  // namespace korvedan
