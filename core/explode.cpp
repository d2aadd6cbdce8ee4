// Explosions: a square of blasts, then every bomb, creature or stick it caught goes off in turn.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/fatal.hpp"
#include "core/tick.hpp"
#include "core/tick_rules.hpp"

namespace korvedan {

namespace {

// An explosion still to go off: a cell caught in an earlier blast, with the kind it had then.
struct Pending {
  std::int32_t x, y;
  CellKind kind;
};

bool survives_blasts(CellKind kind) {
  return kind == CellKind::Steel || kind == CellKind::Hatch || kind == CellKind::Key ||
         kind == CellKind::Door || kind == CellKind::Wheel || kind == CellKind::Switch ||
         kind == CellKind::Acid;
}

bool sets_off_chain(CellKind kind) {
  return kind == CellKind::Bomb || kind == CellKind::Mite || kind == CellKind::Wisp ||
         kind == CellKind::Gobbler || kind == CellKind::Dynamite || kind == CellKind::Fuse ||
         kind == CellKind::Bigbomb;
}

// One square of blasts; the cells it caught that go off after it are pushed onto `pending`
// last one first, so that the first caught is the next to go off.
void blast_square(Cave& cave, std::int32_t cx, std::int32_t cy, int radius, BlastLeaves leaves,
                  EventList& events, std::vector<Pending>& pending) {
  events.push_back(CaveEvent::Explosion);
  std::array<Pending, 24> caught{};
  std::size_t caught_count = 0;
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const std::int32_t x = cx + dx;
      const std::int32_t y = cy + dy;
      const Cell cell = cell_at(cave, x, y);  // outside the grid reads as steel
      if (survives_blasts(cell.kind)) continue;
      const bool centre = dx == 0 && dy == 0;
      if (!centre && sets_off_chain(cell.kind)) caught[caught_count++] = Pending{x, y, cell.kind};
      if (cell.kind == CellKind::Digger) rules::digger_of(cave, cell).status = DiggerStatus::Dead;
      if (cell.kind == CellKind::Lamp) {
        // Any lamp caught in a blast breaks; only an unlit one was still owed.
        if ((cell.param & 1) == 0 && cave.unlit_lamps > 0) --cave.unlit_lamps;
        cave.lamp_broken = true;
        events.push_back(CaveEvent::LampBroken);
      }
      BlastLeaves left = leaves;
      if (cell.kind == CellKind::GemWall) {
        left = BlastLeaves::Crystal;
      } else if (leaves == BlastLeaves::Star && !centre) {
        left = BlastLeaves::Crystal;
      }
      set_cell(cave, x, y, make_blast(left, 3));
      const std::size_t index = rules::cell_index(cave, x, y);
      cave.last_move[index] = 255;
      cave.moved_at[index] = cave.tick;
    }
  }
  while (caught_count > 0) pending.push_back(caught[--caught_count]);
}

}  // namespace

void explode(Cave& cave, std::int32_t cx, std::int32_t cy, int radius, BlastLeaves leaves,
             EventList& events) {
  if (radius < 1 || radius > 2) fatal("explode: radius " + std::to_string(radius) + " is not 1 or 2");
  // Each caught cell finishes its whole chain before the next one goes off. The chain is kept
  // on the heap, not in nested calls: a cave full of bombs would overflow the call stack.
  std::vector<Pending> pending;
  blast_square(cave, cx, cy, radius, leaves, events, pending);
  while (!pending.empty()) {
    const Pending next = pending.back();
    pending.pop_back();
    blast_square(cave, next.x, next.y, next.kind == CellKind::Bigbomb ? 2 : 1,
                 next.kind == CellKind::Wisp ? BlastLeaves::Crystal : BlastLeaves::Empty, events, pending);
  }
}

}  // namespace korvedan
