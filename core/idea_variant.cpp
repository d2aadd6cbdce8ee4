// Taking one mechanic out of a cave's rows.
#include "core/idea_variant.hpp"

namespace korvedan {

MechanicRemoval removal_of(Mechanic mechanic) {
  switch (mechanic) {
    case Mechanic::Keys: return {"rgy", '.', "keys removed", {}};
    // A door that never opens is a wall no blast breaks.
    case Mechanic::Doors: return {"RGY", '#', "doors turned to steel", {}};
    case Mechanic::Shifters: return {"W", '%', "shifters turned to brick", {}};
    case Mechanic::TimedShifters: return {"V", '%', "timed shifters turned to brick", {}};
    case Mechanic::Dynamite: return {"d", '.', "sticks removed", {}};
    // Heavy and pushable as before, but nothing goes off.
    case Mechanic::Bombs: return {"qQ", 'o', "bombs turned to boulders", {}};
    case Mechanic::CreaturesCrushed: return {"bmc", ' ', "creatures removed", {}};
    // A boulder lands on a boulder and gives nothing.
    case Mechanic::NutsCracked: return {"n", 'o', "nuts turned to boulders", {}};
    case Mechanic::MossSet: return {"~", '.', "moss turned to dirt", {}};
    // Nothing walks into acid or steel, but only acid dissolves what rests on it.
    case Mechanic::Acid: return {"A", '#', "acid turned to steel", {}};
    case Mechanic::Wheel: return {"O", '%', "wheels turned to brick", {}};
    case Mechanic::GemWalls: return {"E", '%', "gem-walls turned to brick", {}};
    case Mechanic::Ooze: return {{}, '.', {}, "a hazard: kvtool runs checks that no route walks under it"};
    case Mechanic::Lamps: return {{}, '.', {}, "a condition of the hatch: every run must light them"};
    case Mechanic::Switch: return {{}, '.', {}, "it only shows the hidden walls, which stand all the same"};
  }
  return {};
}

std::optional<std::vector<std::string>> rows_without(const LevelEntry& level, Mechanic mechanic) {
  const MechanicRemoval removal = removal_of(mechanic);
  if (removal.letters.empty()) return std::nullopt;
  std::vector<std::string> rows;
  rows.reserve(level.rows.size());
  for (std::string_view row : level.rows) {
    std::string changed(row);
    for (char& c : changed) {
      if (removal.letters.find(c) != std::string_view::npos) c = removal.becomes;
    }
    rows.push_back(std::move(changed));
  }
  return rows;
}

Mechanics unused_letters(const LevelEntry& level) {
  Mechanics unused;
  for (std::size_t i = 0; i < mechanic_count; ++i) {
    const auto mechanic = static_cast<Mechanic>(i);
    const MechanicRemoval removal = removal_of(mechanic);
    if (removal.letters.empty() || level.idea.mechanics.has(mechanic)) continue;
    bool present = false;
    for (std::string_view row : level.rows) {
      present = present || row.find_first_of(removal.letters) != std::string_view::npos;
    }
    if (present) unused.bits |= 1u << i;
  }
  return unused;
}

}  // namespace korvedan
