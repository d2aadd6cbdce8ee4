// Explosions: a square of blasts, then every bomb, creature or stick it caught goes off in turn.
#include <array>
#include <cstdint>
#include <string>

#include "base/fatal.hpp"
#include "core/tick.hpp"
#include "core/tick_rules.hpp"

namespace korvedan {

namespace {

// A cell caught in a blast that goes off after it, kept as an offset from the centre so
// the list of one explosion fits in a few bytes on the stack (chains can run deep).
struct Caught {
  std::int8_t dx, dy;
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

}  // namespace

void explode(Cave& cave, std::int32_t cx, std::int32_t cy, int radius, BlastLeaves leaves,
             EventList& events) {
  if (radius < 1 || radius > 2) fatal("explode: radius " + std::to_string(radius) + " is not 1 or 2");
  events.push_back(CaveEvent::Explosion);
  std::array<Caught, 24> caught{};
  std::size_t caught_count = 0;
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const std::int32_t x = cx + dx;
      const std::int32_t y = cy + dy;
      const Cell cell = cell_at(cave, x, y);  // outside the grid reads as steel
      if (survives_blasts(cell.kind)) continue;
      const bool centre = dx == 0 && dy == 0;
      if (!centre && sets_off_chain(cell.kind)) {
        caught[caught_count++] = Caught{static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy), cell.kind};
      }
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
  // Each caught cell finishes its whole chain before the next one goes off.
  for (std::size_t i = 0; i < caught_count; ++i) {
    const Caught& c = caught[i];
    explode(cave, cx + c.dx, cy + c.dy, c.kind == CellKind::Bigbomb ? 2 : 1,
            c.kind == CellKind::Wisp ? BlastLeaves::Crystal : BlastLeaves::Empty, events);
  }
}

}  // namespace korvedan
