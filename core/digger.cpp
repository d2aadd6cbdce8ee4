// The digger's turn: lit dynamite, the shared screen, and what it does to the cell it walks at.
#include <cstdlib>
#include <string>

#include "base/fatal.hpp"
#include "core/tick_rules.hpp"

namespace korvedan::rules {

DiggerState& digger_of(Cave& cave, Cell cell) {
  if (cell.param >= cave.diggers.size()) {
    fatal("a digger cell carries player index " + std::to_string(cell.param) + " but the cave has " +
          std::to_string(cave.diggers.size()) + " digger(s)");
  }
  return cave.diggers[cell.param];
}

void kill_digger_in_place(Cave& cave, std::int32_t x, std::int32_t y) {
  digger_of(cave, cell_at(cave, x, y)).status = DiggerStatus::Dead;
  set_cell(cave, x, y, make_blast(BlastLeaves::Empty, 3));
  mark_changed(cave, x, y);
}

namespace {

const DiggerState* other_in_cave(const Cave& cave, std::size_t player) {
  if (cave.diggers.size() < 2) return nullptr;
  const DiggerState& other = cave.diggers[1 - player];
  return other.status == DiggerStatus::InCave ? &other : nullptr;
}

// Both diggers share one screen, so neither may run away from the other.
bool too_far_apart(const DiggerState& other, std::int32_t x, std::int32_t y, std::int32_t tx,
                   std::int32_t ty) {
  const std::int32_t now_x = std::abs(x - other.x), now_y = std::abs(y - other.y);
  const std::int32_t then_x = std::abs(tx - other.x), then_y = std::abs(ty - other.y);
  return (then_x >= 17 && then_x > now_x) || (then_y >= 8 && then_y > now_y);
}

// The digger's old cell: a lit stick stays behind as a fuse, otherwise it empties.
void leave_cell(Cave& cave, DiggerState& digger, std::int32_t x, std::int32_t y) {
  if (digger.armed) {
    set_cell(cave, x, y, Cell{CellKind::Fuse, digger.fuse});
    digger.armed = false;
  } else {
    set_cell(cave, x, y, Cell{});
  }
}

struct Move {
  std::int32_t x, y, tx, ty;
  Dir dir;
  bool grab;
  std::size_t player;
};

void enter(TickContext& context, const Move& m, Cell self) {
  Cave& cave = context.cave;
  if (m.grab) {
    // Grabbing takes what is there without stepping into it.
    if (cell_at(cave, m.tx, m.ty).kind != CellKind::Empty) set_cell(cave, m.tx, m.ty, Cell{});
    return;
  }
  DiggerState& digger = cave.diggers[m.player];
  move_cell(cave, m.x, m.y, m.dir, self);
  leave_cell(cave, digger, m.x, m.y);
  digger.x = m.tx;
  digger.y = m.ty;
}

void leave_through_hatch(TickContext& context, const Move& m) {
  Cave& cave = context.cave;
  DiggerState& digger = cave.diggers[m.player];
  leave_cell(cave, digger, m.x, m.y);
  digger.x = m.tx;
  digger.y = m.ty;
  digger.status = DiggerStatus::Out;
  if (other_in_cave(cave, m.player) != nullptr) {
    // The partner must find the other hatch; this one is closed for good.
    set_cell(cave, m.tx, m.ty, Cell{CellKind::Steel, 0});
    context.raise(CaveEvent::DiggerLeft);
  }
}

void explode_here(TickContext& context, const Move& m) {
  explode(context.cave, m.x, m.y, 1, BlastLeaves::Empty, context.events);
}

void act_on_target(TickContext& context, const Move& m, Cell self) {
  Cave& cave = context.cave;
  const Cell target = cell_at(cave, m.tx, m.ty);
  switch (target.kind) {
    case CellKind::Empty:
      enter(context, m, self);
      return;
    case CellKind::Dirt:
      context.raise(CaveEvent::DirtDug);
      enter(context, m, self);
      return;
    case CellKind::Boulder:
    case CellKind::Nut:
    case CellKind::Bomb:
    case CellKind::Bigbomb: {
      const bool sideways = m.dir == Dir::Left || m.dir == Dir::Right;
      const std::int32_t bx = m.tx + dir_dx(m.dir);
      if (is_falling(target) || !sideways || cell_at(cave, bx, m.ty).kind != CellKind::Empty) return;
      move_cell(cave, m.tx, m.ty, m.dir, target);
      context.raise(CaveEvent::Pushed);
      enter(context, m, self);
      return;
    }
    case CellKind::Crystal:
    case CellKind::Star: {
      if (is_falling(target)) return;
      const std::uint32_t n = target.kind == CellKind::Crystal ? 1 : 3;
      cave.crystals += n;
      cave.pickups += n;
      cave.score += 10 * n;
      context.raise(CaveEvent::Collected);
      enter(context, m, self);
      return;
    }
    case CellKind::Dynamite:
      ++cave.dynamite;
      ++cave.pickups;
      context.raise(CaveEvent::DynamiteTaken);
      enter(context, m, self);
      return;
    case CellKind::Key:
      cave.keys = static_cast<std::uint8_t>(cave.keys | (1u << (target.param & 7)));
      ++cave.pickups;
      context.raise(CaveEvent::KeyTaken);
      enter(context, m, self);
      return;
    case CellKind::Door:
      if ((cave.keys & (1u << (target.param & 7))) == 0) return;
      ++cave.pickups;
      context.raise(CaveEvent::DoorOpened);
      enter(context, m, self);
      return;
    case CellKind::Hatch:
      if (!m.grab && hatch_open(cave)) leave_through_hatch(context, m);
      return;
    case CellKind::Lamp:
      if ((target.param & 1) == 0) {
        set_cell(cave, m.tx, m.ty, Cell{CellKind::Lamp, static_cast<std::uint8_t>(target.param | 1)});
        if (cave.unlit_lamps > 0) --cave.unlit_lamps;
        ++cave.pickups;
        context.raise(CaveEvent::LampLit);
      }
      return;
    case CellKind::Wheel:
      cave.wheel = ActiveWheel{m.tx, m.ty, 60};
      context.raise(CaveEvent::WheelTurned);
      return;
    case CellKind::Switch:
      cave.switch_timer = 50;
      context.raise(CaveEvent::SwitchPressed);
      return;
    case CellKind::Mite:
    case CellKind::Gobbler:
      explode(cave, m.tx, m.ty, 1, BlastLeaves::Empty, context.events);
      return;
    case CellKind::Wisp:
      explode(cave, m.tx, m.ty, 1, BlastLeaves::Crystal, context.events);
      return;
    case CellKind::Robot:
    case CellKind::Acid:
      if (!m.grab) explode_here(context, m);
      return;
    default:
      return;  // walls, the other digger, blasts and the like stop the digger
  }
}

}  // namespace

void digger_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  Cave& cave = context.cave;
  if (cave.outcome != CaveOutcome::Running) return;
  DiggerState& digger = digger_of(cave, cell);
  const std::size_t player = cell.param;
  const TickInput input = context.input[player];

  if (digger.armed) {
    if (digger.fuse == 0) {
      explode(cave, x, y, 1, BlastLeaves::Empty, context.events);
      return;
    }
    --digger.fuse;
  } else if ((input.fire & 1) != 0 && cave.dynamite > 0) {
    --cave.dynamite;
    digger.armed = true;
    digger.fuse = 9;
    context.raise(CaveEvent::DynamiteLit);
  }

  if (static_cast<std::uint8_t>(input.dir) > 3) return;
  digger.facing = input.dir;
  const Move m{x, y, x + dir_dx(input.dir), y + dir_dy(input.dir), input.dir,
               (input.grab & 1) != 0, player};
  if (!m.grab) {
    const DiggerState* other = other_in_cave(cave, player);
    if (other != nullptr && too_far_apart(*other, x, y, m.tx, m.ty)) return;
  }
  act_on_target(context, m, cell);
}

}  // namespace korvedan::rules
