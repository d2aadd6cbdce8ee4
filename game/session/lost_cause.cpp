// Telling the player what ended the cave: a falling object, a creature, a blast, a drop, acid.
#include "game/session/lost_cause.hpp"

#include <algorithm>

namespace korvedan {

namespace {

bool hunts_diggers(CellKind kind) {
  return kind == CellKind::Mite || kind == CellKind::Wisp || kind == CellKind::Gobbler || kind == CellKind::Robot;
}

bool raised(const EventList& events, CaveEvent event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

LostCause cause_for(const DiggerSurroundings& d, const EventList& events) {
  if (d.ahead == CellKind::Acid) return LostCause::Acid;
  if (d.above.kind == CellKind::Drop && raised(events, CaveEvent::DropGone)) return LostCause::Drop;
  if (is_falling(d.above)) return LostCause::Crushed;
  if (hunts_diggers(d.ahead) || std::any_of(d.beside.begin(), d.beside.end(), hunts_diggers)) {
    return LostCause::Caught;
  }
  // The blast that ended the digger also broke a lamp: the cave was out of reach either way.
  if (raised(events, CaveEvent::LampBroken)) return LostCause::Lamp;
  if (raised(events, CaveEvent::Explosion)) return LostCause::BlownUp;
  return LostCause::Unknown;
}

}  // namespace

LossWatch watch_diggers(const Cave& cave, TickInput player1, TickInput player2) {
  LossWatch watch{};
  const TickInput inputs[2] = {player1, player2};
  for (std::size_t p = 0; p < cave.diggers.size() && p < watch.size(); ++p) {
    const DiggerState& digger = cave.diggers[p];
    DiggerSurroundings& d = watch[p];
    d.inside = digger.status == DiggerStatus::InCave;
    if (!d.inside) continue;
    d.above = cell_at(cave, digger.x, digger.y - 1);
    constexpr Dir dirs[4] = {Dir::Up, Dir::Right, Dir::Down, Dir::Left};
    for (std::size_t i = 0; i < 4; ++i) {
      d.beside[i] = cell_at(cave, digger.x + dir_dx(dirs[i]), digger.y + dir_dy(dirs[i])).kind;
    }
    const Dir dir = inputs[p].dir;
    // Grabbing reaches into the next cell without stepping there.
    if (dir != Dir::None && inputs[p].grab == 0) {
      d.ahead = cell_at(cave, digger.x + dir_dx(dir), digger.y + dir_dy(dir)).kind;
    }
  }
  return watch;
}

LostCause lost_cause(const LossWatch& before, const Cave& after, const EventList& events) {
  for (std::size_t p = 0; p < after.diggers.size() && p < before.size(); ++p) {
    if (before[p].inside && after.diggers[p].status == DiggerStatus::Dead) return cause_for(before[p], events);
  }
  return LostCause::Unknown;
}

}  // namespace korvedan
