// Reading and writing the cave grid, the hatch rule and the hash that stands in for chance.
#include "core/cave.hpp"

#include <string>

#include "base/fatal.hpp"

namespace korvedan {

namespace {
bool inside(const Cave& cave, std::int32_t x, std::int32_t y) {
  return x >= 0 && y >= 0 && x < cave.width && y < cave.height;
}
}  // namespace

Cell cell_at(const Cave& cave, std::int32_t x, std::int32_t y) {
  // Outside the grid everything is steel, so no rule ever walks off the edge.
  if (!inside(cave, x, y)) return Cell{CellKind::Steel, 0};
  return cave.cells[static_cast<std::size_t>(y * cave.width + x)];
}

std::uint8_t last_move_at(const Cave& cave, std::int32_t x, std::int32_t y) {
  if (!inside(cave, x, y)) return 255;
  return cave.last_move[static_cast<std::size_t>(y * cave.width + x)];
}

void set_cell(Cave& cave, std::int32_t x, std::int32_t y, Cell cell) {
  if (!inside(cave, x, y)) {
    fatal("set_cell outside the cave: (" + std::to_string(x) + ", " + std::to_string(y) + ") in " +
          std::to_string(cave.width) + "x" + std::to_string(cave.height));
  }
  cave.cells[static_cast<std::size_t>(y * cave.width + x)] = cell;
}

void move_cell(Cave& cave, std::int32_t x, std::int32_t y, Dir dir, Cell cell) {
  const std::int32_t tx = x + dir_dx(dir);
  const std::int32_t ty = y + dir_dy(dir);
  set_cell(cave, x, y, Cell{});
  set_cell(cave, tx, ty, cell);
  const auto index = static_cast<std::size_t>(ty * cave.width + tx);
  cave.last_move[index] = static_cast<std::uint8_t>(dir);
  cave.moved_at[index] = cave.tick;
}

bool hatch_open(const Cave& cave) {
  return cave.crystals >= cave.crystals_needed && cave.unlit_lamps == 0 && !cave.lamp_broken;
}

std::uint32_t cell_hash(std::uint32_t tick, std::int32_t x, std::int32_t y) {
  std::uint32_t h = tick * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  return h ^ (h >> 12);
}

}  // namespace korvedan
