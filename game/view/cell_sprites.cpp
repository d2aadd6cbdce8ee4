// The picture of every cell kind: frames from the screen clock, creatures from the tick.
#include "game/view/cell_sprites.hpp"

#include <cmath>

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

}  // namespace

std::optional<SpriteKey> cell_sprite(const Cave& cave, std::int32_t c, std::int32_t r, float seconds) {
  const Cell cell = cell_at(cave, c, r);
  const float h = seconds;
  const std::uint32_t period = cave.creature_period == 0 ? 1 : cave.creature_period;
  const std::uint32_t creature_frame = (cave.tick / period) % 2;
  const auto uc = static_cast<std::uint32_t>(c), ur = static_cast<std::uint32_t>(r);
  switch (cell.kind) {
    case CellKind::Empty: return std::nullopt;
    case CellKind::Dirt: return SpriteKey{SpriteKind::Dirt};
    case CellKind::Brick: return SpriteKey{SpriteKind::Brick};
    case CellKind::Steel: return SpriteKey{SpriteKind::Steel};
    case CellKind::Boulder: return SpriteKey{SpriteKind::Boulder};
    case CellKind::Nut: return SpriteKey{SpriteKind::Nut};
    case CellKind::Bomb: return SpriteKey{SpriteKind::Bomb};
    case CellKind::Dynamite: return SpriteKey{SpriteKind::Dynamite};
    case CellKind::Bigbomb: return SpriteKey{SpriteKind::Bigbomb};
    case CellKind::Drop: return SpriteKey{SpriteKind::Drop};
    case CellKind::GemWall: return SpriteKey{SpriteKind::GemWall};
    case CellKind::Switch: return SpriteKey{SpriteKind::Switch};
    case CellKind::Crystal:
      return SpriteKey{SpriteKind::Crystal, frame(animation_step(9, h) + 3 * uc + 5 * ur, 6)};
    case CellKind::Star:
      return SpriteKey{SpriteKind::Star, frame(animation_step(9, h) + 5 * uc + 3 * ur, 6)};
    case CellKind::Digger: {
      const Dir facing = cell.param < cave.diggers.size() ? cave.diggers[cell.param].facing : Dir::Down;
      const bool moved = last_move_at(cave, c, r) != 255;
      return SpriteKey{digger_pose(facing), cell.param, static_cast<std::uint8_t>(moved ? cave.tick % 2 : 0)};
    }
    case CellKind::Hatch:
      if (hatch_open(cave)) return SpriteKey{SpriteKind::HatchOpen, frame(animation_step(6, h), 4)};
      return SpriteKey{SpriteKind::HatchShut};
    case CellKind::Mite: return SpriteKey{SpriteKind::Mite, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Wisp: return SpriteKey{SpriteKind::Wisp, frame(animation_step(8, h), 4)};
    case CellKind::Gobbler: return SpriteKey{SpriteKind::Gobbler, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Robot: return SpriteKey{SpriteKind::Robot, static_cast<std::uint8_t>(creature_frame)};
    case CellKind::Blast: {
      const std::uint8_t countdown = blast_countdown(cell);
      return SpriteKey{SpriteKind::Blast, static_cast<std::uint8_t>(countdown <= 2 ? 3 - countdown : 0)};
    }
    case CellKind::Fuse: return SpriteKey{SpriteKind::Fuse, frame(animation_step(12, h), 2)};
    case CellKind::Key: return SpriteKey{SpriteKind::Key, cell.param};
    case CellKind::Door: return SpriteKey{SpriteKind::Door, cell.param};
    case CellKind::Lamp: return SpriteKey{SpriteKind::Lamp, cell.param};
    case CellKind::Shifter: return SpriteKey{SpriteKind::Shifter, frame(animation_step(7, h), 4)};
    case CellKind::Moss: return SpriteKey{SpriteKind::Moss, frame(animation_step(2, h) + ur + uc, 2)};
    case CellKind::Ooze: return SpriteKey{SpriteKind::Ooze, frame(animation_step(1.5f, h) + ur + uc, 2)};
    case CellKind::Acid: return SpriteKey{SpriteKind::Acid, frame(animation_step(3, h) + uc, 2)};
    case CellKind::TimedShifter:
      if (cave.timed_shifter_started && cave.timed_shifter_timer == 0) return SpriteKey{SpriteKind::TimedShifterOff};
      return SpriteKey{SpriteKind::TimedShifter,
                       static_cast<std::uint8_t>(cave.timed_shifter_started ? animation_step(7, h) % 3 + 1 : 0)};
    case CellKind::Wheel: {
      const bool turning = cave.wheel && cave.wheel->x == c && cave.wheel->y == r;
      return SpriteKey{SpriteKind::Wheel, static_cast<std::uint8_t>(turning ? animation_step(10, h) % 4 : 0)};
    }
    case CellKind::Hidden:
      // Shown while a switch is fresh, blinking in its last ticks.
      if (cave.switch_timer >= 13 || (cave.switch_timer & 2) != 0) return SpriteKey{SpriteKind::Hidden};
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace korvedan
