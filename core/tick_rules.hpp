// What the rules of one tick share while the scan runs, and the rule of each kind that acts.
#pragma once

#include <cstdint>

#include "core/cave.hpp"
#include "core/tick.hpp"

namespace korvedan::rules {

struct TickContext {
  Cave& cave;
  EventList& events;
  TickInput input[2];
  bool creatures_act = false;  // creatures and robots move only when the phase is 0
  bool moss_seen = false;
  bool moss_could_grow = false;

  void raise(CaveEvent event) { events.push_back(event); }
};

inline std::size_t cell_index(const Cave& cave, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(y * cave.width + x);
}

// The cell counts as changed in this tick, so the scan passes over it.
inline void mark_changed(Cave& cave, std::int32_t x, std::int32_t y) {
  cave.moved_at[cell_index(cave, x, y)] = cave.tick;
}

// The state of the player whose digger stands in `cell`; any other index is a programming error.
DiggerState& digger_of(Cave& cave, Cell cell);
// A robot or a drop kills a digger on the spot: no area explosion, only its own cell blasts.
void kill_digger_in_place(Cave& cave, std::int32_t x, std::int32_t y);

void heavy_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell);
void digger_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell);
void creature_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell);
void robot_rule(TickContext& context, std::int32_t x, std::int32_t y);
void moss_rule(TickContext& context, std::int32_t x, std::int32_t y);
void ooze_rule(TickContext& context, std::int32_t x, std::int32_t y);
void drop_rule(TickContext& context, std::int32_t x, std::int32_t y);
void blast_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell);
void fuse_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell);

}  // namespace korvedan::rules
