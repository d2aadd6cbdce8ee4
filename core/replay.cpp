// Replaying a recorded run, and telling whether it used what its cave is about.
#include "core/replay.hpp"

#include <initializer_list>

#include "core/cell_table.hpp"
#include "core/parse.hpp"

namespace korvedan {

Result<Replay> replay_single(const LevelEntry& level, Difficulty difficulty,
                             const std::vector<TickInput>& inputs) {
  Result<Cave> parsed = parse_cave(level, 1, difficulty);
  if (!parsed) return Failure{parsed.error()};
  Replay replay{std::move(parsed).value(), 0, {}};
  EventList events;
  for (const TickInput& input : inputs) {
    if (replay.cave.outcome != CaveOutcome::Running) break;
    events.clear();
    tick_single(replay.cave, input, events);
    ++replay.ticks;
    for (CaveEvent e : events) replay.events_seen.set(static_cast<std::size_t>(e));
  }
  return replay;
}

std::vector<std::string> missing_mechanics(const LevelEntry& level, const std::bitset<cave_event_count>& seen) {
  struct Mechanic {
    std::initializer_list<CellKind> kinds;
    CaveEvent shown_by;
    const char* name;
  };
  static const Mechanic mechanics[] = {
      {{CellKind::Door}, CaveEvent::DoorOpened, "a door opened"},
      {{CellKind::Shifter, CellKind::TimedShifter}, CaveEvent::Shifted, "something passed a shifter"},
      {{CellKind::Dynamite}, CaveEvent::DynamiteLit, "dynamite lit"},
      {{CellKind::Moss}, CaveEvent::MossTurned, "moss turned to crystals"},
      {{CellKind::Lamp}, CaveEvent::LampLit, "a lamp lit"},
      {{CellKind::Wheel}, CaveEvent::WheelTurned, "a wheel turned"},
      {{CellKind::Switch}, CaveEvent::SwitchPressed, "a switch pressed"},
  };
  std::vector<std::string> missing;
  for (const Mechanic& m : mechanics) {
    bool present = false;
    for (CellKind kind : m.kinds) {
      for (std::string_view row : level.rows) {
        present = present || row.find_first_of(level_letters(kind)) != std::string_view::npos;
      }
    }
    if (present && !seen.test(static_cast<std::size_t>(m.shown_by))) missing.emplace_back(m.name);
  }
  return missing;
}

}  // namespace korvedan
