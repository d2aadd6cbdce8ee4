// Replaying a recorded run, and telling whether it used what its cave is about.
#include "core/replay.hpp"

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
    std::string_view letters;
    CaveEvent shown_by;
    const char* name;
  };
  static constexpr Mechanic mechanics[] = {
      {"RGY", CaveEvent::DoorOpened, "a door opened"},
      {"WV", CaveEvent::Shifted, "something passed a shifter"},
      {"d", CaveEvent::DynamiteLit, "dynamite lit"},
      {"~", CaveEvent::MossTurned, "moss turned to crystals"},
      {"L", CaveEvent::LampLit, "a lamp lit"},
      {"O", CaveEvent::WheelTurned, "a wheel turned"},
      {"S", CaveEvent::SwitchPressed, "a switch pressed"},
  };
  std::vector<std::string> missing;
  for (const Mechanic& m : mechanics) {
    bool present = false;
    for (std::string_view row : level.rows) present = present || row.find_first_of(m.letters) != std::string_view::npos;
    if (present && !seen.test(static_cast<std::size_t>(m.shown_by))) missing.emplace_back(m.name);
  }
  return missing;
}

}  // namespace korvedan
