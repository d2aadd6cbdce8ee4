// The solver's search: candidates by breadth-first search, chained depth first.
#include "core/bot.hpp"

#include <algorithm>
#include <bit>
#include <deque>
#include <unordered_set>
#include <utility>

namespace korvedan {

namespace {

// A queued state keeps only the cells and counters: the per-tick arrays are rebuilt
// before it is ticked again (nothing in the rules reads an old tick's marks).
Cave without_tick_marks(Cave& scratch) {
  std::vector<std::uint8_t> last_move;
  std::vector<std::uint32_t> moved_at;
  std::swap(last_move, scratch.last_move);
  std::swap(moved_at, scratch.moved_at);
  Cave compact = scratch;
  std::swap(last_move, scratch.last_move);
  std::swap(moved_at, scratch.moved_at);
  return compact;
}

void load(Cave& scratch, const Cave& state) {
  scratch = state;  // the state's tick marks may be missing: put fresh ones in
  const std::size_t n = state.cells.size();
  scratch.last_move.assign(n, 255);
  scratch.moved_at.assign(n, 0);
}

bool position_changed(const Cave& before, const Cave& after) {
  return before.diggers[0].x != after.diggers[0].x || before.diggers[0].y != after.diggers[0].y;
}

// A pickup only counts as progress when the digger can calmly walk on from it.
bool can_walk_on(const Cave& state) {
  constexpr TickInput moves[] = {bot_input::up, bot_input::right, bot_input::down, bot_input::left};
  EventList events;
  for (TickInput move : moves) {
    Cave moved;
    load(moved, state);
    events.clear();
    tick_single(moved, move, events);
    if (position_changed(state, moved) && settles(moved)) return true;
  }
  return false;
}

bool is_gem_or_hatch(CellKind k) {
  return k == CellKind::Crystal || k == CellKind::Star || k == CellKind::Hatch;
}

bool walkable(Cell c, std::uint8_t keys) {
  switch (c.kind) {
    case CellKind::Empty: case CellKind::Dirt: case CellKind::Boulder: case CellKind::Crystal:
    case CellKind::Star: case CellKind::Nut: case CellKind::Bomb: case CellKind::Dynamite:
    case CellKind::Key: case CellKind::Bigbomb:
      return true;
    case CellKind::Door:
      return (keys >> c.param & 1) != 0;
    default:
      return false;
  }
}

// Cells the digger could reach on foot from where it stands.
std::vector<bool> reach_on_foot(const Cave& cave, std::int32_t sx, std::int32_t sy) {
  std::vector<bool> seen(cave.cells.size(), false);
  if (sx < 0 || sy < 0 || sx >= cave.width || sy >= cave.height) return seen;
  std::vector<std::int32_t> todo{sy * cave.width + sx};
  seen[todo.front()] = true;
  while (!todo.empty()) {
    const std::int32_t at = todo.back();
    todo.pop_back();
    const std::int32_t x = at % cave.width, y = at / cave.width;
    for (Dir d : {Dir::Up, Dir::Right, Dir::Down, Dir::Left}) {
      const std::int32_t nx = x + dir_dx(d), ny = y + dir_dy(d);
      if (nx < 0 || ny < 0 || nx >= cave.width || ny >= cave.height) continue;
      const std::int32_t next = ny * cave.width + nx;
      if (seen[next] || !walkable(cave.cells[next], cave.keys)) continue;
      seen[next] = true;
      todo.push_back(next);
    }
  }
  return seen;
}

std::uint64_t cell_code(const Cave& cave, std::int32_t x, std::int32_t y, Cell c) {
  const CellInfo& info = cell_info(c.kind);
  const std::uint64_t p = c.param;
  switch (info.bot_param) {
    case BotParam::None: return info.bot_code;
    case BotParam::Added: return info.bot_code + p;
    case BotParam::Ored: return info.bot_code | p;
    case BotParam::Own: break;
  }
  switch (c.kind) {
    case CellKind::Dirt: {
      // With lamps still to light, dirt under or beside a heavy thing is worth telling apart.
      if (cave.unlit_lamps == 0) return info.bot_code;
      const std::int32_t around[5][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}};
      for (const auto& o : around) {
        if (is_heavy(cell_at(cave, x + o[0], y + o[1]).kind)) return 99;
      }
      return info.bot_code;
    }
    case CellKind::Digger: return info.bot_code + (p == 0 ? 0 : 2);
    case CellKind::Blast:
      return info.bot_code + static_cast<std::uint64_t>(blast_leaves(c)) +
             4 * static_cast<std::uint64_t>(blast_countdown(c));
    default: return info.bot_code;
  }
}

struct TraceEntry {
  std::int32_t parent;
  TickInput input;
};

struct PairHash {
  std::size_t operator()(std::pair<std::int32_t, std::int32_t> p) const {
    return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.first)) << 32 |
                                      static_cast<std::uint32_t>(p.second));
  }
};

bool solve_from(const Cave& cave, std::vector<TickInput>& path, BotCounters& counters,
                const BotLimits& limits) {
  if (cave.outcome == CaveOutcome::Won) return true;
  if (counters.solve_calls >= limits.solve_calls) return false;
  if (limits.state_limit != 0 && counters.states >= limits.state_limit) return false;
  ++counters.solve_calls;
  for (Candidate& candidate : expand(cave, &counters, limits)) {
    const std::size_t before = path.size();
    path.insert(path.end(), candidate.inputs.begin(), candidate.inputs.end());
    if (solve_from(candidate.state, path, counters, limits)) return true;
    path.resize(before);
  }
  return false;
}

}  // namespace

bool settles(const Cave& cave) {
  Cave copy;
  load(copy, cave);
  EventList events;
  for (int i = 0; i < 4; ++i) {
    events.clear();
    tick(copy, bot_input::stay, bot_input::stay, events);
    if (copy.outcome != CaveOutcome::Running || copy.lamp_broken) return false;
  }
  return true;
}

bool light_allowed(const Cave& cave) {
  if (cave.diggers.empty()) return false;
  const DiggerState& p1 = cave.diggers[0];
  if (cave.dynamite == 0 || p1.armed) return false;
  int gem_walls = 0;
  bool brick = false, gem_near = false;
  for (std::int32_t dy = -1; dy <= 1; ++dy) {
    for (std::int32_t dx = -1; dx <= 1; ++dx) {
      const CellKind k = cell_at(cave, p1.x + dx, p1.y + dy).kind;
      gem_walls += k == CellKind::GemWall;
      brick = brick || k == CellKind::Brick;
      gem_near = gem_near || is_gem_or_hatch(k);
    }
  }
  if (gem_walls >= 3) return true;
  if (!brick || gem_near) return false;
  bool any_in_reach_square = false;
  for (std::int32_t dy = -2; dy <= 2 && !any_in_reach_square; ++dy) {
    for (std::int32_t dx = -2; dx <= 2; ++dx) {
      if (is_gem_or_hatch(cell_at(cave, p1.x + dx, p1.y + dy).kind)) any_in_reach_square = true;
    }
  }
  if (!any_in_reach_square) return false;
  // Worth a blast only if something precious nearby is walled off from the digger.
  const std::vector<bool> reached = reach_on_foot(cave, p1.x, p1.y);
  for (std::int32_t dy = -2; dy <= 2; ++dy) {
    for (std::int32_t dx = -2; dx <= 2; ++dx) {
      const std::int32_t x = p1.x + dx, y = p1.y + dy;
      if (!is_gem_or_hatch(cell_at(cave, x, y).kind)) continue;
      if (!reached[static_cast<std::size_t>(y * cave.width + x)]) return true;
    }
  }
  return false;
}

std::uint64_t state_key(const Cave& cave) {
  std::uint64_t key = cave.crystals + (static_cast<std::uint64_t>(cave.keys) << 32) +
                      (static_cast<std::uint64_t>(cave.dynamite) << 40);
  for (const DiggerState& d : cave.diggers) {
    key = std::rotl(key, 7) ^ (d.armed ? static_cast<std::uint64_t>(d.fuse) + 1 : 0);
  }
  key = std::rotl(key, 9) ^ (cave.timed_shifter_started ? (cave.timed_shifter_timer >> 2) + 1ULL : 0ULL);
  if (cave.wheel) {
    const std::uint64_t where = (static_cast<std::uint64_t>(static_cast<std::int64_t>(cave.wheel->x)) * 64 +
                                 static_cast<std::uint64_t>(static_cast<std::int64_t>(cave.wheel->y))) * 256;
    key ^= where | ((cave.wheel->remaining >> 2) + 1ULL);
  }
  bool moss = false;
  for (std::int32_t y = 0; y < cave.height; ++y) {
    for (std::int32_t x = 0; x < cave.width; ++x) {
      const Cell c = cave.cells[static_cast<std::size_t>(y * cave.width + x)];
      moss = moss || c.kind == CellKind::Moss;
      key = (std::rotl(key, 5) ^ cell_code(cave, x, y, c)) * 0x517CC1B727220A95ULL;
    }
  }
  // Moss grows by the tick's dice, so with moss about the time matters too.
  if (moss) key ^= cave.tick >> 3;
  return key;
}

std::vector<Candidate> expand(const Cave& start, BotCounters* counters, const BotLimits& limits) {
  std::vector<Candidate> candidates;
  const bool hatch_was_open = hatch_open(start);
  const std::uint32_t start_dynamite = start.dynamite;
  const std::uint32_t start_pickups = start.pickups;
  const std::size_t node_limit = (hatch_was_open || start.unlit_lamps > 0 || start.dynamite > 0)
                                     ? limits.large_node_limit
                                     : limits.small_node_limit;

  std::vector<TraceEntry> trace{{-1, bot_input::stay}};
  std::deque<std::pair<Cave, std::int32_t>> queue;
  std::unordered_set<std::uint64_t> keys{state_key(start)};
  std::unordered_set<std::pair<std::int32_t, std::int32_t>, PairHash> positions;
  {
    Cave first;
    load(first, start);
    queue.emplace_back(without_tick_marks(first), 0);
  }

  Cave scratch;
  EventList events;
  auto inputs_to = [&trace](std::int32_t index) {
    std::vector<TickInput> inputs;
    for (; index > 0; index = trace[static_cast<std::size_t>(index)].parent) {
      inputs.push_back(trace[static_cast<std::size_t>(index)].input);
    }
    std::reverse(inputs.begin(), inputs.end());
    return inputs;
  };

  while (!queue.empty()) {
    auto [state, from] = std::move(queue.front());
    queue.pop_front();
    TickInput offered[6] = {bot_input::up, bot_input::right, bot_input::down, bot_input::left, bot_input::stay};
    const int offered_count = light_allowed(state) ? 6 : 5;
    if (offered_count == 6) offered[5] = bot_input::light;

    for (int i = 0; i < offered_count; ++i) {
      load(scratch, state);
      events.clear();
      tick_single(scratch, offered[i], events);
      if (counters) ++counters->states;
      if (scratch.outcome == CaveOutcome::Lost || scratch.lamp_broken) continue;
      if (!keys.insert(state_key(scratch)).second) continue;
      trace.push_back({from, offered[i]});
      const auto index = static_cast<std::int32_t>(trace.size() - 1);

      const bool goal = scratch.outcome == CaveOutcome::Won || scratch.dynamite < start_dynamite ||
                        (!hatch_was_open && scratch.pickups > start_pickups && settles(scratch) &&
                         can_walk_on(scratch));
      if (goal) {
        if (!positions.insert({scratch.diggers[0].x, scratch.diggers[0].y}).second) continue;
        candidates.push_back({without_tick_marks(scratch), inputs_to(index)});
        if (candidates.size() >= limits.candidates || hatch_was_open) return candidates;
        continue;
      }
      if (trace.size() >= node_limit) return candidates;
      queue.emplace_back(without_tick_marks(scratch), index);
    }
  }
  return candidates;
}

bool solve(const Cave& cave, std::vector<TickInput>& path, BotCounters& counters,
           const BotLimits& limits) {
  return solve_from(cave, path, counters, limits);
}

Solution find_solution(const Cave& cave, const BotLimits& limits) {
  Solution solution;
  solution.won = solve(cave, solution.inputs, solution.counters, limits);
  if (!solution.won) solution.inputs.clear();
  return solution;
}

}  // namespace korvedan
