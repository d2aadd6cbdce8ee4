// Watching a recorded run tick by tick: which of its cave's mechanics it really uses, and
// whether its route ever stands where an ooze's drop can land unseen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/cave.hpp"
#include "core/cave_idea.hpp"
#include "core/difficulty.hpp"
#include "core/level_entry.hpp"
#include "base/result.hpp"
#include "core/tick.hpp"

namespace korvedan {

// A tick at whose end player 1 stood one or two cells under an ooze with nothing between.
struct UnderOoze {
  std::size_t tick = 0;  // 1 for the first input
  std::int32_t x = 0, y = 0;
};

struct RunWatch {
  CaveOutcome outcome = CaveOutcome::Running;
  std::size_t ticks = 0;
  Mechanics shown;  // every mechanic the run made happen (see mechanics_shown_in)
  std::vector<UnderOoze> under_ooze;
};

// What one tick shows, from the cave before it, the cave after it and the events it raised:
// a key taken, a door opened, something shifted, a lit stick blasting a wall, boulder or bomb,
// a bomb gone off, a creature crushed, a nut cracked, moss set, acid dissolving, a lamp lit,
// the wheel turned, the switch pressed, a gem-wall blasted.
Mechanics mechanics_shown_in(const Cave& before, const Cave& after, const EventList& events);

// Player 1 stands in the cell under an ooze, where its drops form, or in the one below that
// with an open cell between: a drop can form and land there before the player sees it.
bool under_ooze(const Cave& cave, std::int32_t x, std::int32_t y);

// Replays player-1 inputs from the freshly started cave until it is won, lost or they run out.
Result<RunWatch> watch_run(const LevelEntry& level, Difficulty difficulty, const std::vector<TickInput>& inputs);

// The mechanics of the cave's idea that the run did not show (ooze is a hazard, never required).
std::vector<std::string> idea_mechanics_missing(const LevelEntry& level, Mechanics shown);

}  // namespace korvedan
