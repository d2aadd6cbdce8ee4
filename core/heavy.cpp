// Boulders, crystals, stars, nuts and bombs: falling, landing, rolling, and what they hit.
#include "core/tick_rules.hpp"

namespace korvedan::rules {

namespace {

constexpr Cell falling(CellKind kind) { return Cell{kind, 1}; }

// What a shifter makes of an object passing through it.
CellKind shifted(CellKind kind) {
  switch (kind) {
    case CellKind::Boulder: return CellKind::Crystal;
    case CellKind::Crystal: return CellKind::Star;
    case CellKind::Star: return CellKind::Boulder;
    default: return kind;
  }
}

bool is_bomb_kind(CellKind kind) { return kind == CellKind::Bomb || kind == CellKind::Bigbomb; }

// A falling object comes to rest: bombs go off, everything else stops where it is.
void land(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  if (cell.kind == CellKind::Bomb) {
    explode(context.cave, x, y, 1, BlastLeaves::Empty, context.events);
  } else if (cell.kind == CellKind::Bigbomb) {
    explode(context.cave, x, y, 2, BlastLeaves::Empty, context.events);
  } else {
    set_cell(context.cave, x, y, Cell{cell.kind, 0});
    context.raise(CaveEvent::Landed);
  }
}

void explode_self(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  explode(context.cave, x, y, cell.kind == CellKind::Bigbomb ? 2 : 1, BlastLeaves::Empty,
          context.events);
}

// The object passes through to the cell two below, changed by the shifter, or lands on it.
void pass_shifter(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  Cave& cave = context.cave;
  if (cell_at(cave, x, y + 2).kind != CellKind::Empty) {
    land(context, x, y, cell);
    return;
  }
  set_cell(cave, x, y, Cell{});
  set_cell(cave, x, y + 2, falling(shifted(cell.kind)));
  cave.last_move[cell_index(cave, x, y + 2)] = static_cast<std::uint8_t>(Dir::Down);
  mark_changed(cave, x, y + 2);
  context.raise(CaveEvent::Shifted);
}

void crush_creature(TickContext& context, std::int32_t x, std::int32_t y, BlastLeaves leaves) {
  context.cave.score += 50;
  context.raise(CaveEvent::Crushed);
  explode(context.cave, x, y, 1, leaves, context.events);
}

void hit(TickContext& context, std::int32_t x, std::int32_t y, Cell cell, Cell below) {
  Cave& cave = context.cave;
  const bool below_falling = (below.param & 1) != 0;
  switch (below.kind) {
    case CellKind::Star:
      if (below_falling) break;
      if (is_bomb_kind(cell.kind)) {
        explode_self(context, x, y, cell);
      } else if (cell.kind == CellKind::Boulder) {
        context.raise(CaveEvent::StarSmashed);
        move_cell(cave, x, y, Dir::Down, cell);
      } else {
        land(context, x, y, cell);
      }
      return;
    case CellKind::Nut:
      if (below_falling) break;
      if (is_bomb_kind(cell.kind)) {
        explode_self(context, x, y, cell);
      } else if (cell.kind == CellKind::Boulder) {
        set_cell(cave, x, y + 1, Cell{CellKind::Crystal, 0});
        context.raise(CaveEvent::NutCracked);
        land(context, x, y, cell);
      } else {
        land(context, x, y, cell);
      }
      return;
    case CellKind::Bomb:
    case CellKind::Digger:
      explode(cave, x, y + 1, 1, BlastLeaves::Empty, context.events);
      return;
    case CellKind::Mite:
    case CellKind::Gobbler:
      crush_creature(context, x, y + 1, BlastLeaves::Crystal);
      return;
    case CellKind::Wisp:
      crush_creature(context, x, y + 1, BlastLeaves::Star);
      return;
    case CellKind::Robot:
      crush_creature(context, x, y + 1, BlastLeaves::Empty);
      return;
    case CellKind::Bigbomb:
      explode(cave, x, y + 1, 2, BlastLeaves::Empty, context.events);
      return;
    case CellKind::Shifter:
      pass_shifter(context, x, y, cell);
      return;
    case CellKind::TimedShifter:
      // One timer serves every timed-shifter; the first object to arrive starts it.
      if (!cave.timed_shifter_started) {
        cave.timed_shifter_started = true;
        cave.timed_shifter_timer = 45;
      }
      if (cave.timed_shifter_timer > 0) {
        pass_shifter(context, x, y, cell);
      } else {
        land(context, x, y, cell);
      }
      return;
    case CellKind::Lamp:
      if ((below.param & 1) == 0 && cave.unlit_lamps > 0) --cave.unlit_lamps;
      cave.lamp_broken = true;
      context.raise(CaveEvent::LampBroken);
      move_cell(cave, x, y, Dir::Down, cell);
      return;
    default:
      break;
  }
  land(context, x, y, cell);
}

// Objects roll off walls built to shed them and off other resting heavy objects, never off
// steel or dirt.
bool sheds_objects(Cell below) {
  switch (below.kind) {
    case CellKind::Brick:
    case CellKind::GemWall:
    case CellKind::Hidden:
      return true;
    default:
      return is_heavy(below.kind) && !is_falling(below);
  }
}

void roll(TickContext& context, std::int32_t x, std::int32_t y, Cell cell, Cell below) {
  if (!sheds_objects(below)) return;
  Cave& cave = context.cave;
  for (Dir side : {Dir::Left, Dir::Right}) {
    const std::int32_t sx = x + dir_dx(side);
    if (cell_at(cave, sx, y).kind == CellKind::Empty &&
        cell_at(cave, sx, y + 1).kind == CellKind::Empty) {
      context.raise(CaveEvent::StartedFalling);
      move_cell(cave, x, y, side, falling(cell.kind));
      return;
    }
  }
}

}  // namespace

void heavy_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  Cave& cave = context.cave;
  const Cell below = cell_at(cave, x, y + 1);
  const bool was_falling = is_falling(cell);
  if (below.kind == CellKind::Empty) {
    if (!was_falling) context.raise(CaveEvent::StartedFalling);
    move_cell(cave, x, y, Dir::Down, falling(cell.kind));
  } else if (below.kind == CellKind::Acid) {
    set_cell(cave, x, y, Cell{});
    context.raise(CaveEvent::Dissolved);
  } else if (was_falling) {
    hit(context, x, y, cell, below);
  } else {
    roll(context, x, y, cell, below);
  }
}

}  // namespace korvedan::rules
