// Watching a recorded run tick by tick for the mechanics it uses and the drops it risks.
#include "core/run_watch.hpp"

#include <algorithm>

#include "core/parse.hpp"

namespace korvedan {
namespace {

bool raised(const EventList& events, CaveEvent e) { return std::find(events.begin(), events.end(), e) != events.end(); }

std::size_t count_cells(const Cave& cave, CellKind a, CellKind b) {
  return static_cast<std::size_t>(
      std::count_if(cave.cells.begin(), cave.cells.end(), [&](Cell c) { return c.kind == a || c.kind == b; }));
}

// A cell that blocks a way or a fall until something blasts it.
bool opened_by_blast(CellKind k) {
  return k == CellKind::Brick || k == CellKind::GemWall || k == CellKind::Hidden || k == CellKind::Boulder ||
         k == CellKind::Bomb || k == CellKind::Bigbomb;
}

}  // namespace

Mechanics mechanics_shown_in(const Cave& before, const Cave& after, const EventList& events) {
  Mechanics shown;
  auto show = [&shown](Mechanic m) { shown.bits |= 1u << static_cast<unsigned>(m); };
  if (raised(events, CaveEvent::KeyTaken)) show(Mechanic::Keys);
  if (raised(events, CaveEvent::DoorOpened)) show(Mechanic::Doors);
  if (raised(events, CaveEvent::Shifted)) {
    show(Mechanic::Shifters);
    show(Mechanic::TimedShifters);
  }
  if (raised(events, CaveEvent::Crushed)) show(Mechanic::CreaturesCrushed);
  if (raised(events, CaveEvent::NutCracked)) show(Mechanic::NutsCracked);
  if (raised(events, CaveEvent::MossTurned)) show(Mechanic::MossSet);
  if (raised(events, CaveEvent::Dissolved)) show(Mechanic::Acid);
  if (raised(events, CaveEvent::LampLit)) show(Mechanic::Lamps);
  if (raised(events, CaveEvent::WheelTurned)) show(Mechanic::Wheel);
  if (raised(events, CaveEvent::SwitchPressed)) show(Mechanic::Switch);
  if (!raised(events, CaveEvent::Explosion)) return shown;

  // Bombs cannot be picked up; one fewer after an explosion went off.
  if (count_cells(after, CellKind::Bomb, CellKind::Bigbomb) < count_cells(before, CellKind::Bomb, CellKind::Bigbomb)) {
    show(Mechanic::Bombs);
  }
  // A fuse at the end of its count goes off in this tick.
  bool fuse_went_off = false;
  for (Cell c : before.cells) fuse_went_off = fuse_went_off || (c.kind == CellKind::Fuse && c.param == 0);
  for (std::size_t i = 0; i < before.cells.size() && i < after.cells.size(); ++i) {
    if (after.cells[i].kind != CellKind::Blast) continue;
    const CellKind was = before.cells[i].kind;
    if (was == CellKind::GemWall) show(Mechanic::GemWalls);
    if (fuse_went_off && opened_by_blast(was)) show(Mechanic::Dynamite);
  }
  return shown;
}

bool under_ooze(const Cave& cave, std::int32_t x, std::int32_t y) {
  if (cell_at(cave, x, y - 1).kind == CellKind::Ooze) return true;
  const CellKind between = cell_at(cave, x, y - 1).kind;
  return cell_at(cave, x, y - 2).kind == CellKind::Ooze && (between == CellKind::Empty || between == CellKind::Drop);
}

Result<RunWatch> watch_run(const LevelEntry& level, Difficulty difficulty, const std::vector<TickInput>& inputs) {
  Result<Cave> parsed = parse_cave(level, 1, difficulty);
  if (!parsed) return Failure{parsed.error()};
  Cave cave = std::move(parsed).value();
  RunWatch watch;
  EventList events;
  for (const TickInput& input : inputs) {
    if (cave.outcome != CaveOutcome::Running) break;
    const Cave before = cave;
    events.clear();
    tick_single(cave, input, events);
    ++watch.ticks;
    watch.shown.bits |= mechanics_shown_in(before, cave, events).bits;
    const DiggerState& p1 = cave.diggers[0];
    if (p1.status == DiggerStatus::InCave && under_ooze(cave, p1.x, p1.y)) {
      watch.under_ooze.push_back({watch.ticks, p1.x, p1.y});
    }
  }
  watch.outcome = cave.outcome;
  return watch;
}

std::vector<std::string> idea_mechanics_missing(const LevelEntry& level, Mechanics shown) {
  std::vector<std::string> missing;
  for (std::size_t i = 0; i < mechanic_count; ++i) {
    const auto m = static_cast<Mechanic>(i);
    if (m == Mechanic::Ooze || !level.idea.mechanics.has(m) || shown.has(m)) continue;
    missing.emplace_back(mechanic_names[i]);
  }
  return missing;
}

}  // namespace korvedan
