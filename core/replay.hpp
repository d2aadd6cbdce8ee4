// Plays recorded inputs on a freshly started cave, as the stored winning runs are checked.
#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "core/cave.hpp"
#include "core/difficulty.hpp"
#include "core/level_entry.hpp"
#include "base/result.hpp"
#include "core/tick.hpp"

namespace korvedan {

struct Replay {
  Cave cave;                                  // as it stands after the last input (or the win)
  std::size_t ticks = 0;                      // inputs played until the cave ended or they ran out
  std::bitset<cave_event_count> events_seen;  // every event raised on the way
};

// One player; stops at the tick in which the cave is won or lost.
Result<Replay> replay_single(const LevelEntry& level, Difficulty difficulty,
                             const std::vector<TickInput>& inputs);

// The events a winning run must show for the special cells a cave holds: a door opened where
// there are doors, a shifter passed, dynamite lit, moss turned, lamps lit, a wheel turned, a
// switch pressed. Returns the names of those missing from `seen`.
std::vector<std::string> missing_mechanics(const LevelEntry& level, const std::bitset<cave_event_count>& seen);

}  // namespace korvedan
