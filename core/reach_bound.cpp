// What a cave could ever give its diggers: grow the region they may reach (through keys they
// may fetch and bricks a blast may break) until it stops growing, then count what lies in it.
#include "core/reach_bound.hpp"

#include <algorithm>
#include <vector>

namespace korvedan {

namespace {

using K = CellKind;

enum class Hold : std::uint8_t { Open, Breakable, Wall };

// Whether a cell may ever let a digger or a moving thing through, and how.
Hold hold_of(CellKind kind) {
  switch (kind) {
    case K::Brick: case K::GemWall: case K::Hidden: case K::Ooze: return Hold::Breakable;
    // No blast breaks these. A lamp does break, but then the hatch never opens, so a play
    // that wins never breaks one. Doors open only to their key (see below).
    case K::Steel: case K::Hatch: case K::Door: case K::Wheel: case K::Switch: case K::Acid: case K::Lamp:
      return Hold::Wall;
    // Everything else moves, is dug or collected, or goes off; things fall through shifters.
    default: return Hold::Open;
  }
}

// Kinds that may go off where no digger brings them: bombs land, creatures and robots are
// crushed or met, a fuse burns down.
bool goes_off_alone(CellKind kind) {
  switch (kind) {
    case K::Bomb: case K::Bigbomb: case K::Mite: case K::Wisp: case K::Gobbler: case K::Robot: case K::Fuse:
      return true;
    default: return false;
  }
}

// The regions of cells joined through open cells, and what each holds.
struct Regions {
  std::vector<int> of;  // region of each cell, -1 for a closed cell
  struct Region {
    bool diggers = false, explosive = false, dynamite = false, bigbomb = false;
  };
  std::vector<Region> list;
};

Regions label(const Cave& cave, const std::vector<char>& open) {
  const std::int32_t w = cave.width, h = cave.height;
  Regions regions;
  regions.of.assign(cave.cells.size(), -1);
  std::vector<std::int32_t> queue;
  for (std::int32_t start = 0; start < w * h; ++start) {
    if (!open[start] || regions.of[start] >= 0) continue;
    const int id = static_cast<int>(regions.list.size());
    Regions::Region region;
    queue.assign(1, start);
    regions.of[start] = id;
    while (!queue.empty()) {
      const std::int32_t i = queue.back();
      queue.pop_back();
      const CellKind kind = cave.cells[i].kind;
      region.diggers = region.diggers || kind == K::Digger;
      region.explosive = region.explosive || goes_off_alone(kind);
      region.dynamite = region.dynamite || kind == K::Dynamite;
      region.bigbomb = region.bigbomb || kind == K::Bigbomb;
      const std::int32_t x = i % w, y = i / w;
      const std::int32_t next[] = {y > 0 ? i - w : -1, x + 1 < w ? i + 1 : -1, y + 1 < h ? i + w : -1,
                                   x > 0 ? i - 1 : -1};
      for (std::int32_t j : next) {
        if (j >= 0 && open[j] && regions.of[j] < 0) {
          regions.of[j] = id;
          queue.push_back(j);
        }
      }
    }
    regions.list.push_back(region);
  }
  return regions;
}

// Every cell a blast could ever reach: around each region where something may go off.
// A stick of dynamite goes off where the diggers carry it, or where a blast catches it.
std::vector<char> blast_zone(const Cave& cave, Regions& regions, bool diggers_have_dynamite) {
  for (Regions::Region& region : regions.list) {
    region.explosive = region.explosive || (region.diggers && (region.dynamite || diggers_have_dynamite));
  }
  const std::int32_t w = cave.width, h = cave.height;
  std::vector<char> zone(cave.cells.size(), 0);
  for (bool grew = true; grew;) {
    grew = false;
    for (std::int32_t i = 0; i < w * h; ++i) {
      const int id = regions.of[i];
      if (id < 0 || !regions.list[id].explosive) continue;
      const std::int32_t r = regions.list[id].bigbomb ? 2 : 1, x = i % w, y = i / w;
      for (std::int32_t yy = std::max(0, y - r); yy <= std::min(h - 1, y + r); ++yy) {
        for (std::int32_t xx = std::max(0, x - r); xx <= std::min(w - 1, x + r); ++xx) zone[yy * w + xx] = 1;
      }
    }
    for (std::int32_t i = 0; i < w * h; ++i) {
      const int id = regions.of[i];
      if (zone[i] && id >= 0 && regions.list[id].dynamite && !regions.list[id].explosive) {
        regions.list[id].explosive = grew = true;
      }
    }
  }
  return zone;
}

// Whether any cell next to cell i lies in a region the diggers may reach; `reach` 8 takes
// the corners in too.
bool beside_reach(const Cave& cave, const Regions& regions, const std::vector<char>& reached, std::int32_t i,
                  int reach) {
  const std::int32_t w = cave.width, h = cave.height, x = i % w, y = i / w;
  for (std::int32_t dy = -1; dy <= 1; ++dy) {
    for (std::int32_t dx = -1; dx <= 1; ++dx) {
      if ((dx != 0) == (dy != 0) && reach == 4) continue;
      const std::int32_t xx = x + dx, yy = y + dy;
      if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
      const int id = regions.of[yy * w + xx];
      if (id >= 0 && reached[id]) return true;
    }
  }
  return false;
}

}  // namespace

ReachBound reach_bound(const Cave& cave) {
  const std::size_t n = cave.cells.size();
  bool armed = cave.dynamite > 0;
  for (const DiggerState& d : cave.diggers) armed = armed || (d.status == DiggerStatus::InCave && d.armed);
  std::uint8_t keys = cave.keys;
  std::vector<char> open(n);
  const auto open_up = [&] {
    for (std::size_t i = 0; i < n; ++i) {
      const Cell c = cave.cells[i];
      open[i] = open[i] || hold_of(c.kind) == Hold::Open || (c.kind == K::Door && (keys >> c.param & 1));
    }
  };
  open_up();
  Regions regions;
  for (bool grew = true; grew;) {
    grew = false;
    regions = label(cave, open);
    // Keys within reach open their doors; blasts open the bricks they reach.
    for (std::size_t i = 0; i < n; ++i) {
      const Cell c = cave.cells[i];
      if (c.kind == K::Key && regions.of[i] >= 0 && regions.list[regions.of[i]].diggers && !(keys >> c.param & 1)) {
        keys |= static_cast<std::uint8_t>(1u << c.param);
        grew = true;
      }
    }
    if (grew) {
      open_up();
      continue;
    }
    const std::vector<char> zone = blast_zone(cave, regions, armed);
    for (std::size_t i = 0; i < n; ++i) {
      if (zone[i] && !open[i] && hold_of(cave.cells[i].kind) == Hold::Breakable) open[i] = grew = true;
    }
  }

  std::vector<char> reached(regions.list.size(), 0);
  for (std::size_t r = 0; r < regions.list.size(); ++r) reached[r] = regions.list[r].diggers;
  bool shifter = false, moss = false;
  std::uint64_t cells_reached = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (regions.of[i] < 0 || !reached[regions.of[i]]) continue;
    ++cells_reached;
    const CellKind kind = cave.cells[i].kind;
    shifter = shifter || kind == K::Shifter || kind == K::TimedShifter;
    moss = moss || kind == K::Moss;
  }
  // Through a shifter a boulder becomes a crystal and a crystal a star (worth three).
  const std::uint64_t m = shifter ? 3 : 1;
  std::uint64_t value = cave.crystals + (moss ? m * cells_reached : 0);
  std::vector<char> touching(reached);
  for (std::size_t i = 0; i < n; ++i) {
    const int id = regions.of[i];
    if (id >= 0 && !touching[id]) touching[id] = beside_reach(cave, regions, reached, static_cast<std::int32_t>(i), 8);
  }
  ReachBound bound;
  for (std::size_t i = 0; i < n; ++i) {
    const auto at = static_cast<std::int32_t>(i);
    const Cell c = cave.cells[i];
    const bool in_reach = regions.of[i] >= 0 && reached[regions.of[i]];
    if (c.kind == K::Hatch) bound.hatch_in_reach = bound.hatch_in_reach || beside_reach(cave, regions, reached, at, 4);
    if (c.kind == K::Lamp && !(c.param & 1)) {
      bound.lamps_in_reach = bound.lamps_in_reach && beside_reach(cave, regions, reached, at, 4);
    }
    // A creature blown up leaves crystals in the square around it, wherever it has wandered
    // in its region: count it when that region touches the reach even at a corner.
    if ((c.kind == K::Mite || c.kind == K::Gobbler || c.kind == K::Wisp) && touching[regions.of[i]]) {
      value += 9 * m + (c.kind == K::Wisp ? 2 : 0);
    }
    if (!in_reach) continue;
    switch (c.kind) {
      case K::Crystal: case K::Nut: value += m; break;
      case K::Star: value += 3; break;
      case K::Boulder: value += shifter ? 3 : 0; break;
      case K::GemWall: value += m; break;  // blown, it leaves a crystal
      // A blast still burning leaves what it carries.
      case K::Blast: value += blast_leaves(c) == BlastLeaves::Star ? 3 : blast_leaves(c) == BlastLeaves::Crystal ? m : 0;
        break;
      default: break;
    }
  }
  bound.crystals_at_most = static_cast<std::uint32_t>(std::min<std::uint64_t>(value, UINT32_MAX));
  return bound;
}

std::optional<std::string> why_never_won(const Cave& cave) {
  if (cave.lamp_broken) return "a lamp is broken";
  const ReachBound bound = reach_bound(cave);
  if (!bound.hatch_in_reach) return "the hatch lies out of reach";
  if (!bound.lamps_in_reach) return "a lamp lies out of reach";
  if (bound.crystals_at_most < cave.crystals_needed) {
    return "at most " + std::to_string(bound.crystals_at_most) +
           (bound.crystals_at_most == 1 ? " crystal" : " crystals") + " within reach, " +
           std::to_string(cave.crystals_needed) + " needed";
  }
  return std::nullopt;
}

}  // namespace korvedan
