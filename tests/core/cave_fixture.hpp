// Small caves written inline as rows of text, and a way to read a cave back as rows.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/cave.hpp"
#include "core/cave_text.hpp"
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

inline char letter(Cell cell) { return cell_letter(cell); }

inline std::vector<std::string> rows_of(const Cave& cave) { return cave_rows(cave); }

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
