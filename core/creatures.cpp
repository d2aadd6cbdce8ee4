// Mites, wisps and gobblers following their walls, and robots hunting diggers or a wheel.
#include <cstdlib>

#include "core/tick_rules.hpp"

namespace korvedan::rules {

namespace {

constexpr Dir all_dirs[] = {Dir::Up, Dir::Right, Dir::Down, Dir::Left};

bool digger_beside(const Cave& cave, std::int32_t x, std::int32_t y) {
  for (Dir d : all_dirs) {
    if (cell_at(cave, x + dir_dx(d), y + dir_dy(d)).kind == CellKind::Digger) return true;
  }
  return false;
}

bool open_for(CellKind creature, Cell neighbour) {
  if (neighbour.kind == CellKind::Empty) return true;
  // Gobblers eat resting stars on their way.
  return creature == CellKind::Gobbler && neighbour.kind == CellKind::Star && !is_falling(neighbour);
}

struct Target {
  std::int32_t x, y;
};

// The wheel while it turns, else the nearest digger still inside (player 1 on a tie).
bool robot_target(const Cave& cave, std::int32_t x, std::int32_t y, Target& target) {
  if (cave.wheel) {
    target = {cave.wheel->x, cave.wheel->y};
    return true;
  }
  bool found = false;
  std::int64_t best = 0;
  for (const DiggerState& digger : cave.diggers) {
    if (digger.status != DiggerStatus::InCave) continue;
    const std::int64_t distance = std::llabs(std::int64_t{digger.x} - x) + std::llabs(std::int64_t{digger.y} - y);
    if (!found || distance < best) {
      found = true;
      best = distance;
      target = {digger.x, digger.y};
    }
  }
  return found;
}

}  // namespace

void creature_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  Cave& cave = context.cave;
  const bool wisp = cell.kind == CellKind::Wisp;
  if (digger_beside(cave, x, y)) {
    explode(cave, x, y, 1, wisp ? BlastLeaves::Crystal : BlastLeaves::Empty, context.events);
    return;
  }
  // Mites and gobblers keep a wall on their left, wisps on their right.
  const Dir heading = static_cast<Dir>(cell.param & 3);
  const Dir tries[2] = {wisp ? turn_right(heading) : turn_left(heading), heading};
  for (Dir d : tries) {
    const Cell neighbour = cell_at(cave, x + dir_dx(d), y + dir_dy(d));
    if (!open_for(cell.kind, neighbour)) continue;
    if (neighbour.kind != CellKind::Empty) context.raise(CaveEvent::StarEaten);
    move_cell(cave, x, y, d, Cell{cell.kind, static_cast<std::uint8_t>(d)});
    context.raise(wisp ? CaveEvent::WispStep : CaveEvent::CreatureStep);
    return;
  }
  const Dir turned = wisp ? turn_left(heading) : turn_right(heading);
  set_cell(cave, x, y, Cell{cell.kind, static_cast<std::uint8_t>(turned)});
}

void robot_rule(TickContext& context, std::int32_t x, std::int32_t y) {
  Cave& cave = context.cave;
  Target target{};
  if (!robot_target(cave, x, y, target)) return;
  const std::int64_t dx = std::int64_t{target.x} - x;
  const std::int64_t dy = std::int64_t{target.y} - y;
  const Dir vertical = dy > 0 ? Dir::Down : dy < 0 ? Dir::Up : Dir::None;
  const Dir horizontal = dx > 0 ? Dir::Right : dx < 0 ? Dir::Left : Dir::None;
  const bool vertical_first = std::llabs(dx) < std::llabs(dy);
  const Dir tries[2] = {vertical_first ? vertical : horizontal, vertical_first ? horizontal : vertical};
  for (Dir d : tries) {
    if (d == Dir::None) continue;
    const std::int32_t nx = x + dir_dx(d), ny = y + dir_dy(d);
    const Cell neighbour = cell_at(cave, nx, ny);
    if (neighbour.kind == CellKind::Digger) {
      if (cave.wheel) continue;  // a turning wheel keeps robots busy
      kill_digger_in_place(cave, nx, ny);
      context.raise(CaveEvent::Explosion);
      return;
    }
    if (neighbour.kind == CellKind::Empty) {
      move_cell(cave, x, y, d, Cell{CellKind::Robot, 0});
      context.raise(CaveEvent::CreatureStep);
      return;
    }
  }
}

}  // namespace korvedan::rules
