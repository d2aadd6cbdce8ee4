// Taking one mechanic out of a cave's rows.
#include "core/idea_variant.hpp"

#include "core/cell_table.hpp"

namespace korvedan {

namespace {

using K = CellKind;
constexpr K keys[] = {K::Key}, doors[] = {K::Door}, shifters[] = {K::Shifter}, timed[] = {K::TimedShifter},
            dynamite[] = {K::Dynamite}, bombs[] = {K::Bomb, K::Bigbomb}, crushed[] = {K::Mite, K::Wisp, K::Gobbler},
            nuts[] = {K::Nut}, moss[] = {K::Moss}, acid[] = {K::Acid}, wheels[] = {K::Wheel}, gem_walls[] = {K::GemWall};

// Whether the letter stands for one of the kinds in a cave's rows.
bool letter_of_any(char c, std::span<const CellKind> kinds) {
  for (CellKind kind : kinds) {
    if (level_letters(kind).find(c) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

MechanicRemoval removal_of(Mechanic mechanic) {
  switch (mechanic) {
    case Mechanic::Keys: return {keys, K::Dirt, "keys removed", {}};
    // A door that never opens is a wall no blast breaks.
    case Mechanic::Doors: return {doors, K::Steel, "doors turned to steel", {}};
    case Mechanic::Shifters: return {shifters, K::Brick, "shifters turned to brick", {}};
    case Mechanic::TimedShifters: return {timed, K::Brick, "timed shifters turned to brick", {}};
    case Mechanic::Dynamite: return {dynamite, K::Dirt, "sticks removed", {}};
    // Heavy and pushable as before, but nothing goes off.
    case Mechanic::Bombs: return {bombs, K::Boulder, "bombs turned to boulders", {}};
    case Mechanic::CreaturesCrushed: return {crushed, K::Empty, "creatures removed", {}};
    // A boulder lands on a boulder and gives nothing.
    case Mechanic::NutsCracked: return {nuts, K::Boulder, "nuts turned to boulders", {}};
    case Mechanic::MossSet: return {moss, K::Dirt, "moss turned to dirt", {}};
    // Nothing walks into acid or steel, but only acid dissolves what rests on it.
    case Mechanic::Acid: return {acid, K::Steel, "acid turned to steel", {}};
    case Mechanic::Wheel: return {wheels, K::Brick, "wheels turned to brick", {}};
    case Mechanic::GemWalls: return {gem_walls, K::Brick, "gem-walls turned to brick", {}};
    case Mechanic::Ooze: return {{}, K::Dirt, {}, "a hazard: kvtool runs checks that no route walks under it"};
    case Mechanic::Lamps: return {{}, K::Dirt, {}, "a condition of the hatch: every run must light them"};
    case Mechanic::Switch: return {{}, K::Dirt, {}, "it only shows the hidden walls, which stand all the same"};
  }
  return {};
}

std::optional<std::vector<std::string>> rows_without(const LevelEntry& level, Mechanic mechanic) {
  const MechanicRemoval removal = removal_of(mechanic);
  if (removal.kinds.empty()) return std::nullopt;
  const char becomes = cell_letter(Cell{removal.becomes, 0});
  std::vector<std::string> rows;
  rows.reserve(level.rows.size());
  for (std::string_view row : level.rows) {
    std::string changed(row);
    for (char& c : changed) {
      if (letter_of_any(c, removal.kinds)) c = becomes;
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
    if (removal.kinds.empty() || level.idea.mechanics.has(mechanic)) continue;
    bool present = false;
    for (std::string_view row : level.rows) {
      for (char c : row) present = present || letter_of_any(c, removal.kinds);
    }
    if (present) unused.bits |= 1u << i;
  }
  return unused;
}

}  // namespace korvedan
