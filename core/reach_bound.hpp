// What a cave could ever give its diggers, at most: a quick proof that a cave cannot be won,
// for kvtool idea, where a search alone would have to run out of states to say so.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/cave.hpp"

namespace korvedan {

// Everything below is an over-estimate: it assumes every boulder can be moved out of the way,
// every creature exploded where it gives most and every brick a blast could ever reach blown.
// So when even this falls short of a win, no play can win.
struct ReachBound {
  std::uint32_t crystals_at_most = 0;  // collected already plus what lies within reach
  bool hatch_in_reach = false;
  bool lamps_in_reach = true;  // every unlit lamp beside a cell the diggers may reach
};
ReachBound reach_bound(const Cave& cave);

// Why the cave can never be won ("the hatch lies out of reach"), or nothing when the bound
// leaves a win possible (which does not mean one exists).
std::optional<std::string> why_never_won(const Cave& cave);

}  // namespace korvedan
