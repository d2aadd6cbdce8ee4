// Moss, ooze and its drops, blasts and fuses: the cells that act every tick on their own.
#include "core/tick_rules.hpp"

namespace korvedan::rules {

namespace {
bool room_to_grow(Cell cell) { return cell.kind == CellKind::Empty || cell.kind == CellKind::Dirt; }
}  // namespace

void moss_rule(TickContext& context, std::int32_t x, std::int32_t y) {
  Cave& cave = context.cave;
  context.moss_seen = true;
  for (Dir d : {Dir::Up, Dir::Right, Dir::Down, Dir::Left}) {
    if (room_to_grow(cell_at(cave, x + dir_dx(d), y + dir_dy(d)))) {
      context.moss_could_grow = true;
      break;
    }
  }
  const std::uint32_t h = cell_hash(cave.tick, x, y);
  if (h % 20 != 0) return;
  const Dir d = static_cast<Dir>((h >> 8) & 3);
  const std::int32_t nx = x + dir_dx(d), ny = y + dir_dy(d);
  if (!room_to_grow(cell_at(cave, nx, ny))) return;
  set_cell(cave, nx, ny, Cell{CellKind::Moss, 0});
  mark_changed(cave, nx, ny);
}

void ooze_rule(TickContext& context, std::int32_t x, std::int32_t y) {
  Cave& cave = context.cave;
  if (cell_at(cave, x, y + 1).kind != CellKind::Empty) return;
  if ((cell_hash(cave.tick, x, y) & 15) != 0) return;
  set_cell(cave, x, y + 1, Cell{CellKind::Drop, 0});
  mark_changed(cave, x, y + 1);
}

void drop_rule(TickContext& context, std::int32_t x, std::int32_t y) {
  Cave& cave = context.cave;
  const Cell below = cell_at(cave, x, y + 1);
  if (below.kind == CellKind::Empty) {
    move_cell(cave, x, y, Dir::Down, Cell{CellKind::Drop, 0});
    return;
  }
  if (below.kind == CellKind::Digger) kill_digger_in_place(cave, x, y + 1);
  set_cell(cave, x, y, Cell{});
  context.raise(CaveEvent::DropGone);
}

void blast_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  const std::uint8_t countdown = blast_countdown(cell);
  if (countdown > 0) {
    set_cell(context.cave, x, y, make_blast(blast_leaves(cell), static_cast<std::uint8_t>(countdown - 1)));
    return;
  }
  // A blast counts down three ticks before it leaves what it carries.
  Cell left{};
  if (blast_leaves(cell) == BlastLeaves::Crystal) left = Cell{CellKind::Crystal, 0};
  if (blast_leaves(cell) == BlastLeaves::Star) left = Cell{CellKind::Star, 0};
  set_cell(context.cave, x, y, left);
}

void fuse_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  if (cell.param > 0) {
    set_cell(context.cave, x, y, Cell{CellKind::Fuse, static_cast<std::uint8_t>(cell.param - 1)});
    return;
  }
  explode(context.cave, x, y, 1, BlastLeaves::Empty, context.events);
}

}  // namespace korvedan::rules
