// A cave with one mechanic of its idea taken out, to see whether the cave can be won without it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/cave_idea.hpp"
#include "core/cell.hpp"
#include "core/level_entry.hpp"

namespace korvedan {

// How a mechanic is taken out of a cave's rows: every cell of the `kinds` becomes `becomes`.
// Hazards and conditions (ooze, lamps) and the switch, which only shows what is there anyway,
// have nothing that can be taken out: their `kinds` are empty and `why_not` says so.
struct MechanicRemoval {
  std::span<const CellKind> kinds;
  CellKind becomes = CellKind::Dirt;
  std::string_view what;     // "keys removed"
  std::string_view why_not;  // for mechanics that are not taken out
};
MechanicRemoval removal_of(Mechanic mechanic);

// The cave's rows with the mechanic taken out, or nothing when it cannot be (see above).
// A level entry pointing at `rows` is the variant: the rows must outlive it.
std::optional<std::vector<std::string>> rows_without(const LevelEntry& level, Mechanic mechanic);

// The mechanics whose letters the cave holds but its idea does not name: creatures, nuts,
// bombs, shifters, moss, dynamite, keys and the rest that the player might never need.
Mechanics unused_letters(const LevelEntry& level);

}  // namespace korvedan
