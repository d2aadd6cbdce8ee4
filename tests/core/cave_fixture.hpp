// Small caves written inline as rows of text, and a way to read a cave back as rows.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/cave.hpp"
#include "core/parse.hpp"
#include "core/tick.hpp"

namespace korvedan::testing {

inline Cave make_cave(std::initializer_list<std::string_view> rows, int players = 1,
                      Difficulty difficulty = Difficulty::Normal, std::uint32_t crystals_needed = 0,
                      std::uint32_t time = 1000) {
  const std::vector<std::string_view> lines(rows);
  const LevelEntry entry{"TEST", lines, crystals_needed, time};
  Result<Cave> result = parse_cave(entry, players, difficulty);
  if (!result) {
    ADD_FAILURE() << "fixture cave does not parse: " << result.error();
    return Cave{};
  }
  return std::move(result).value();
}

// The level letters, plus what only play makes: '!' blast, 'f' fuse, ',' drop, 'l' a lit lamp,
// '2' player 2's digger.
inline char letter(Cell cell) {
  switch (cell.kind) {
    case CellKind::Empty: return ' ';
    case CellKind::Dirt: return '.';
    case CellKind::Brick: return '%';
    case CellKind::Steel: return '#';
    case CellKind::Boulder: return 'o';
    case CellKind::Crystal: return '*';
    case CellKind::Star: return '+';
    case CellKind::Nut: return 'n';
    case CellKind::Bomb: return 'q';
    case CellKind::Bigbomb: return 'Q';
    case CellKind::Digger: return cell.param == 0 ? '@' : '2';
    case CellKind::Hatch: return 'X';
    case CellKind::Mite: return 'b';
    case CellKind::Wisp: return 'm';
    case CellKind::Gobbler: return 'c';
    case CellKind::Blast: return '!';
    case CellKind::Dynamite: return 'd';
    case CellKind::Fuse: return 'f';
    case CellKind::Key: return "rgy"[cell.param % 3];
    case CellKind::Door: return "RGY"[cell.param % 3];
    case CellKind::Shifter: return 'W';
    case CellKind::Moss: return '~';
    case CellKind::Ooze: return '^';
    case CellKind::Drop: return ',';
    case CellKind::TimedShifter: return 'V';
    case CellKind::GemWall: return 'E';
    case CellKind::Lamp: return (cell.param & 1) != 0 ? 'l' : 'L';
    case CellKind::Robot: return 'k';
    case CellKind::Wheel: return 'O';
    case CellKind::Hidden: return 'I';
    case CellKind::Switch: return 'S';
    case CellKind::Acid: return 'A';
  }
  return '?';
}

inline std::vector<std::string> rows_of(const Cave& cave) {
  std::vector<std::string> rows;
  for (std::int32_t y = 0; y < cave.height; ++y) {
    std::string row;
    for (std::int32_t x = 0; x < cave.width; ++x) row += letter(cell_at(cave, x, y));
    rows.push_back(row);
  }
  return rows;
}

inline std::vector<std::string> rows(std::initializer_list<std::string_view> lines) {
  return {lines.begin(), lines.end()};
}

inline TickInput go(Dir dir) { return TickInput{0, 0, dir}; }
inline TickInput grab(Dir dir) { return TickInput{1, 0, dir}; }
inline TickInput fire(Dir dir = Dir::None) { return TickInput{0, 1, dir}; }
inline const TickInput idle{};

inline EventList events(std::initializer_list<CaveEvent> list) { return EventList(list); }

// Ticks the cave `count` times with player 1 idle and returns the events of the last tick.
inline EventList idle_ticks(Cave& cave, int count) {
  EventList last;
  for (int i = 0; i < count; ++i) last = tick_single(cave, idle);
  return last;
}

inline bool contains(const EventList& list, CaveEvent event) {
  for (CaveEvent e : list) {
    if (e == event) return true;
  }
  return false;
}

}  // namespace korvedan::testing

namespace korvedan {
// Events print by their code, so a failed comparison reads like the event table.
inline void PrintTo(CaveEvent event, std::ostream* out) { *out << static_cast<int>(event); }
}  // namespace korvedan
