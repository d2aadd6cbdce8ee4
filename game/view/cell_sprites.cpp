// The picture of every cell kind: frames from the screen clock, creatures from the tick.
#include "game/view/cell_sprites.hpp"

#include <array>
#include <cmath>

#include "core/cell_table.hpp"

namespace korvedan {

std::uint32_t animation_step(float k, float seconds) {
  const float product = k * seconds;
  if (!(product > 0.0f)) return 0;
  if (product >= 4294967295.0f) return 4294967295u;
  return static_cast<std::uint32_t>(product);
}

namespace {

SpriteKind digger_pose(Dir facing) {
  switch (facing) {
    case Dir::Up: return SpriteKind::DiggerBack;
    case Dir::Right: return SpriteKind::DiggerRight;
    case Dir::Left: return SpriteKind::DiggerLeft;
    default: return SpriteKind::DiggerFront;
  }
}

std::uint8_t frame(std::uint32_t value, std::uint32_t frames) { return static_cast<std::uint8_t>(value % frames); }


// The picture family of each cell kind, in CellKind's order like the cell table; still kinds
// always show frame 0, the others pick their frame, pose or variant below.
struct CellPicture {
  CellKind kind;
  SpriteKind sprite;
  bool still;
};

using K = CellKind;
using S = SpriteKind;
constexpr std::array<CellPicture, cell_kind_count> cell_pictures{{
    {K::Empty, S::Floor, false},       {K::Dirt, S::Dirt, true},       {K::Brick, S::Brick, true},
    {K::Steel, S::Steel, true},        {K::Boulder, S::Boulder, true}, {K::Crystal, S::Crystal, false},
    {K::Star, S::Star, false},         {K::Nut, S::Nut, true},         {K::Bomb, S::Bomb, true},
    {K::Digger, S::DiggerFront, false}, {K::Hatch, S::HatchShut, false}, {K::Mite, S::Mite, false},
    {K::Wisp, S::Wisp, false},         {K::Gobbler, S::Gobbler, false}, {K::Blast, S::Blast, false},
    {K::Dynamite, S::Dynamite, true},  {K::Fuse, S::Fuse, false},      {K::Key, S::Key, false},
    {K::Door, S::Door, false},         {K::Shifter, S::Shifter, false}, {K::Moss, S::Moss, false},
    {K::Bigbomb, S::Bigbomb, true},    {K::Ooze, S::Ooze, false},      {K::Drop, S::Drop, true},
    {K::TimedShifter, S::TimedShifter, false}, {K::GemWall, S::GemWall, true}, {K::Lamp, S::Lamp, false},
    {K::Robot, S::Robot, false},       {K::Wheel, S::Wheel, false},    {K::Hidden, S::Hidden, false},
    {K::Switch, S::Switch, true},      {K::Acid, S::Acid, false},
}};

constexpr bool pictures_in_kind_order() {
  for (std::size_t i = 0; i < cell_pictures.size(); ++i) {
    if (cell_pictures[i].kind != cell_table[i].kind) return false;
  }
  return true;
}
static_assert(pictures_in_kind_order(), "cell_pictures rows must follow the cell table's order");

}  // namespace

std::optional<SpriteKey> cell_sprite(const Cave& cave, std::int32_t c, std::int32_t r, float seconds) {
  const Cell cell = cell_at(cave, c, r);
  const float h = seconds;
  const std::uint32_t period = cave.creature_period == 0 ? 1 : cave.creature_period;
  const std::uint32_t creature_frame = (cave.tick / period) % 2;
  const auto uc = static_cast<std::uint32_t>(c), ur = static_cast<std::uint32_t>(r);
  const CellPicture& picture = cell_pictures[static_cast<std::size_t>(cell.kind)];
  const SpriteKind family = picture.sprite;
  if (picture.still) return SpriteKey{family};
  switch (cell.kind) {
    case CellKind::Empty: return std::nullopt;
    case CellKind::Crystal:
      return SpriteKey{family, frame(animation_step(9, h) + 3 * uc + 5 * ur, 6)};
    case CellKind::Star:
      return SpriteKey{family, frame(animation_step(9, h) + 5 * uc + 3 * ur, 6)};
    case CellKind::Digger: {
      const Dir facing = cell.param < cave.diggers.size() ? cave.diggers[cell.param].facing : Dir::Down;
      const bool moved = last_move_at(cave, c, r) != 255;
      return SpriteKey{digger_pose(facing), cell.param, static_cast<std::uint8_t>(moved ? cave.tick % 2 : 0)};
    }
    case CellKind::Hatch:
      if (hatch_open(cave)) return SpriteKey{SpriteKind::HatchOpen, frame(animation_step(6, h), 4)};
      return SpriteKey{family};
    case CellKind::Mite: return SpriteKey{family, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Wisp: return SpriteKey{family, frame(animation_step(8, h), 4)};
    case CellKind::Gobbler: return SpriteKey{family, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Robot: return SpriteKey{family, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Blast: {
      const std::uint8_t countdown = blast_countdown(cell);
      return SpriteKey{family, static_cast<std::uint8_t>(countdown <= 2 ? 3 - countdown : 0)};
    }
    case CellKind::Fuse: return SpriteKey{family, frame(animation_step(12, h), 2)};
    case CellKind::Key: return SpriteKey{family, cell.param};
    case CellKind::Door: return SpriteKey{family, cell.param};
    case CellKind::Lamp: return SpriteKey{family, cell.param};
    case CellKind::Shifter: return SpriteKey{family, frame(animation_step(7, h), 4)};
    case CellKind::Moss: return SpriteKey{family, frame(animation_step(2, h) + ur + uc, 2)};
    case CellKind::Ooze: return SpriteKey{family, frame(animation_step(1.5f, h) + ur + uc, 2)};
    case CellKind::Acid: return SpriteKey{family, frame(animation_step(3, h) + uc, 2)};
    case CellKind::TimedShifter:
      if (cave.timed_shifter_started && cave.timed_shifter_timer == 0) return SpriteKey{SpriteKind::TimedShifterOff};
      return SpriteKey{family, static_cast<std::uint8_t>(cave.timed_shifter_started ? animation_step(7, h) % 3 + 1 : 0)};
    case CellKind::Wheel: {
      const bool turning = cave.wheel && cave.wheel->x == c && cave.wheel->y == r;
      return SpriteKey{family, static_cast<std::uint8_t>(turning ? animation_step(10, h) % 4 : 0)};
    }
    case CellKind::Hidden:
      // Shown while a switch is fresh, blinking in its last ticks.
      if (cave.switch_timer >= 13 || (cave.switch_timer & 2) != 0) return SpriteKey{family};
      return std::nullopt;
    default:
      break;  // the still kinds, shown above
  }
  return std::nullopt;
}

}  // namespace korvedan
