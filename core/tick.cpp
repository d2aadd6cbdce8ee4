// The order of one tick: timers, the scan over every cell, moss, the end check and the clock.
#include "core/tick.hpp"

#include <algorithm>

#include "core/tick_rules.hpp"

namespace korvedan {

namespace {

using rules::TickContext;

// Creatures and robots keep showing their last step until they take the next one.
bool keeps_last_step(CellKind kind) { return is_creature(kind); }

void reset_last_moves(Cave& cave, bool creatures_act) {
  if (creatures_act) {
    std::fill(cave.last_move.begin(), cave.last_move.end(), std::uint8_t{255});
    return;
  }
  const std::size_t count = cave.cells.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (!keeps_last_step(cave.cells[i].kind)) cave.last_move[i] = 255;
  }
}

void count_down_timers(Cave& cave) {
  if (cave.timed_shifter_started && cave.timed_shifter_timer > 0) --cave.timed_shifter_timer;
  if (cave.wheel) {
    if (cave.wheel->remaining >= 2) {
      --cave.wheel->remaining;
    } else {
      cave.wheel.reset();
    }
  }
  if (cave.switch_timer > 0) --cave.switch_timer;
}

void apply_rule(TickContext& context, std::int32_t x, std::int32_t y, Cell cell) {
  if (is_heavy(cell.kind)) {
    rules::heavy_rule(context, x, y, cell);
    return;
  }
  switch (cell.kind) {
    case CellKind::Digger:
      rules::digger_rule(context, x, y, cell);
      break;
    case CellKind::Mite:
    case CellKind::Wisp:
    case CellKind::Gobbler:
      if (context.creatures_act) rules::creature_rule(context, x, y, cell);
      break;
    case CellKind::Robot:
      if (context.creatures_act) rules::robot_rule(context, x, y);
      break;
    case CellKind::Moss:
      rules::moss_rule(context, x, y);
      break;
    case CellKind::Ooze:
      rules::ooze_rule(context, x, y);
      break;
    case CellKind::Drop:
      rules::drop_rule(context, x, y);
      break;
    case CellKind::Blast:
      rules::blast_rule(context, x, y, cell);
      break;
    case CellKind::Fuse:
      rules::fuse_rule(context, x, y, cell);
      break;
    default:
      break;  // everything else only reacts to what happens to it
  }
}

void scan(TickContext& context) {
  Cave& cave = context.cave;
  for (std::int32_t y = 0; y < cave.height; ++y) {
    for (std::int32_t x = 0; x < cave.width; ++x) {
      const std::size_t index = rules::cell_index(cave, x, y);
      if (cave.moved_at[index] == cave.tick) continue;  // already moved here this tick
      apply_rule(context, x, y, cave.cells[index]);
    }
  }
}

// Moss that has nowhere left to grow hardens into crystals, all of it at once.
void harden_moss(TickContext& context) {
  if (!context.moss_seen || context.moss_could_grow) return;
  for (Cell& cell : context.cave.cells) {
    if (cell.kind == CellKind::Moss) cell = Cell{CellKind::Crystal, 0};
  }
  context.raise(CaveEvent::MossTurned);
}

bool any_digger(const Cave& cave, DiggerStatus status) {
  return std::any_of(cave.diggers.begin(), cave.diggers.end(),
                     [status](const DiggerState& d) { return d.status == status; });
}

// Once no digger is left inside, the cave is won if one got out, else lost. A win earns the
// time left as it stands: after the scan that is before this tick's count, after the time ran
// out it is what the count left (nothing when it ran out from 1).
void end_check(Cave& cave, EventList& events) {
  if (cave.outcome != CaveOutcome::Running || any_digger(cave, DiggerStatus::InCave)) return;
  if (any_digger(cave, DiggerStatus::Out)) {
    cave.outcome = CaveOutcome::Won;
    cave.score += cave.time_left;
    events.push_back(CaveEvent::Won);
  } else {
    cave.outcome = CaveOutcome::Lost;
    events.push_back(CaveEvent::Lost);
  }
}

void run_clock(Cave& cave, EventList& events, bool hatch_was_open) {
  if (!hatch_was_open && hatch_open(cave)) events.push_back(CaveEvent::HatchOpened);
  const std::uint32_t before = cave.time_left;
  if (cave.time_left > 0) --cave.time_left;
  if (before > 1) return;
  // Time is up: whoever is still inside goes up with their cell, player 1 first.
  events.push_back(CaveEvent::TimeUp);
  for (std::size_t i = 0; i < cave.diggers.size(); ++i) {
    const DiggerState& digger = cave.diggers[i];
    if (digger.status != DiggerStatus::InCave) continue;
    explode(cave, digger.x, digger.y, 1, BlastLeaves::Empty, events);
  }
  end_check(cave, events);
}

}  // namespace

void tick(Cave& cave, TickInput player1, TickInput player2, EventList& events) {
  ++cave.tick;
  const std::uint32_t period = std::max<std::uint32_t>(cave.creature_period, 1);
  TickContext context{cave, events, {player1, player2}};
  context.creatures_act = cave.tick % period == 0;

  reset_last_moves(cave, context.creatures_act);
  const bool hatch_was_open = hatch_open(cave);
  count_down_timers(cave);
  scan(context);
  harden_moss(context);
  end_check(cave, events);
  if (cave.outcome == CaveOutcome::Running) run_clock(cave, events, hatch_was_open);
}

EventList tick(Cave& cave, TickInput player1, TickInput player2) {
  EventList events;
  tick(cave, player1, player2, events);
  return events;
}

void tick_single(Cave& cave, TickInput player1, EventList& events) {
  tick(cave, player1, TickInput{}, events);
}

EventList tick_single(Cave& cave, TickInput player1) {
  EventList events;
  tick_single(cave, player1, events);
  return events;
}

}  // namespace korvedan
