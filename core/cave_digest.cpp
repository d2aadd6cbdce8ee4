// Digesting a cave: the same bytes in the same order on every machine.
#include "core/cave_digest.hpp"

namespace korvedan {

void digest_cave(std::uint64_t& hash, const Cave& cave) {
  for (const Cell cell : cave.cells) {
    digest_value(hash, cell.kind);
    digest_value(hash, cell.param);
  }
  for (const std::uint8_t m : cave.last_move) digest_value(hash, m);
  for (const std::uint32_t t : cave.moved_at) digest_value(hash, t);
  for (const DiggerState& d : cave.diggers) {
    for (const std::int64_t v : {std::int64_t{d.x}, std::int64_t{d.y}, std::int64_t(d.facing),
                                 std::int64_t(d.status), std::int64_t{d.armed}, std::int64_t{d.fuse}}) {
      digest_value(hash, v);
    }
  }
  digest_value(hash, cave.wheel.has_value());
  if (cave.wheel) {
    digest_value(hash, cave.wheel->x);
    digest_value(hash, cave.wheel->y);
    digest_value(hash, cave.wheel->remaining);
  }
  for (const std::uint32_t v : {std::uint32_t(cave.timed_shifter_started), cave.timed_shifter_timer,
                                std::uint32_t(cave.width), std::uint32_t(cave.height), cave.tick, cave.crystals,
                                cave.crystals_needed, cave.time_left, cave.score, cave.creature_period,
                                cave.dynamite, cave.pickups, cave.unlit_lamps, cave.switch_timer,
                                std::uint32_t(cave.lamp_broken), std::uint32_t(cave.outcome),
                                std::uint32_t(cave.keys)}) {
    digest_value(hash, v);
  }
}

std::uint64_t cave_digest(const Cave& cave) {
  std::uint64_t hash = digest_start;
  digest_cave(hash, cave);
  return hash;
}

}  // namespace korvedan
