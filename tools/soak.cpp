// kvtool soak: a random player on every cave, 1 and 2 players, every difficulty, checking
// after each tick that the cave is still whole. Run under the sanitizer build by scripts/soak.
#include <charconv>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "core/levels.hpp"
#include "core/parse.hpp"
#include "core/tick.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

constexpr std::string_view name = "soak";

// A small fixed-seed generator, so that a soak can be played again exactly.
struct Random {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  bool chance(unsigned percent) { return next() % 100 < percent; }
};

// Holds a direction for a few ticks, as a player does, now and then grabbing or firing.
struct RandomPlayer {
  Dir held = Dir::None;
  unsigned left = 0;
  TickInput next(Random& random) {
    if (left == 0) {
      const std::uint64_t way = random.next() % 5;
      held = way < 4 ? static_cast<Dir>(way) : Dir::None;
      left = 1 + static_cast<unsigned>(random.next() % 8);
    }
    --left;
    return TickInput{static_cast<std::uint8_t>(random.chance(8)), static_cast<std::uint8_t>(random.chance(3)), held};
  }
};

struct Tally {
  std::uint64_t ticks = 0, attempts = 0, won = 0, lost = 0, faults = 0;
  void add(const Tally& other) {
    ticks += other.ticks;
    attempts += other.attempts;
    won += other.won;
    lost += other.lost;
    faults += other.faults;
  }
};

// What must hold after every tick; the first broken rule, or empty.
std::string broken_rule(const Cave& cave, const Cave& before, const EventList& events, int players) {
  const auto cells = static_cast<std::size_t>(cave.width) * static_cast<std::size_t>(cave.height);
  if (cave.width != before.width || cave.height != before.height || cave.cells.size() != cells ||
      cave.last_move.size() != cells || cave.moved_at.size() != cells) {
    return "the grid changed size";
  }
  for (const CaveEvent event : events) {
    if (static_cast<int>(event) > 28) return "event " + std::to_string(static_cast<int>(event));
  }
  if (cave.diggers.size() != static_cast<std::size_t>(players)) return "the diggers changed in number";
  for (std::size_t i = 0; i < cave.diggers.size(); ++i) {
    const DiggerState& d = cave.diggers[i];
    if (d.x < 0 || d.y < 0 || d.x >= cave.width || d.y >= cave.height) return "a digger left the grid";
    const Cell cell = cell_at(cave, d.x, d.y);
    if (d.status == DiggerStatus::InCave && (cell.kind != CellKind::Digger || cell.param != i)) {
      return "digger " + std::to_string(i + 1) + " is not in its cell";
    }
  }
  if (cave.tick != before.tick + 1) return "the tick did not count";
  if (cave.time_left > before.time_left) return "time went back";
  if (before.outcome != CaveOutcome::Running && cave.outcome != before.outcome) return "a decided cave changed its outcome";
  return {};
}

// Plays `ticks` ticks of random input on one cave, starting the cave again once it is decided
// (after a few more ticks, which the rules still run).
Tally soak_cave(std::size_t index, int players, Difficulty difficulty, std::uint64_t ticks, std::uint64_t seed) {
  Tally tally;
  const LevelEntry& level = level_entry(index);
  Random random{seed ^ (index + 1) * 0x100000001B3ull ^ static_cast<std::uint64_t>(players) << 56 ^
                static_cast<std::uint64_t>(difficulty) << 60};
  const Result<Cave> start = parse_cave(level, players, difficulty);
  if (!start) {
    std::cout << "  cave " << index + 1 << ": does not parse: " << start.error() << "\n";
    ++tally.faults;
    return tally;
  }
  Cave cave = start.value();
  RandomPlayer first, second;
  unsigned after_end = 0;
  ++tally.attempts;
  for (std::uint64_t t = 0; t < ticks; ++t) {
    const Cave before = cave;
    const EventList events = tick(cave, first.next(random), players == 2 ? second.next(random) : TickInput{});
    ++tally.ticks;
    const std::string broken = broken_rule(cave, before, events, players);
    if (!broken.empty()) {
      std::cout << "  cave " << index + 1 << " (" << players << " players, " << difficulty_word(difficulty)
                << ") tick " << cave.tick << ": " << broken << "\n";
      ++tally.faults;
      return tally;
    }
    if (cave.outcome == CaveOutcome::Running) continue;
    if (before.outcome == CaveOutcome::Running) ++(cave.outcome == CaveOutcome::Won ? tally.won : tally.lost);
    if (++after_end == 20) {
      cave = start.value();
      after_end = 0;
      ++tally.attempts;
    }
  }
  return tally;
}

bool read_number(std::string_view text, std::uint64_t& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

int run_soak(const Args& args) {
  std::uint64_t seed = 20, ticks = 2000;
  std::vector<Difficulty> difficulties;
  std::vector<int> player_counts;
  std::vector<std::size_t> caves;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--seed" && has_value) {
      if (!read_number(args[++i], seed)) return usage_error(name, "the seed is a whole number");
    } else if (args[i] == "--ticks" && has_value) {
      if (!read_number(args[++i], ticks)) return usage_error(name, "the ticks are a whole number");
    } else if (args[i] == "--difficulty" && has_value) {
      const auto difficulty = difficulty_arg(args[++i]);
      if (!difficulty) return usage_error(name, "the difficulty is easy, normal or hard");
      difficulties.push_back(*difficulty);
    } else if (args[i] == "--players" && has_value) {
      const std::string& count = args[++i];
      if (count != "1" && count != "2") return usage_error(name, "1 or 2 players");
      player_counts.push_back(count == "1" ? 1 : 2);
    } else if (const auto index = cave_index_arg(args[i])) {
      caves.push_back(*index);
    } else {
      return usage_error(name, "unknown argument " + args[i]);
    }
  }
  if (difficulties.empty()) difficulties = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};
  if (player_counts.empty()) player_counts = {1, 2};
  if (caves.empty()) {
    for (std::size_t i = 0; i < level_count; ++i) caves.push_back(i);
  }

  Tally total;
  for (const std::size_t index : caves) {
    Tally cave_tally;
    for (const int players : player_counts) {
      for (const Difficulty difficulty : difficulties) cave_tally.add(soak_cave(index, players, difficulty, ticks, seed));
    }
    std::cout << "cave " << std::setw(3) << index + 1 << ' ' << std::left << std::setw(18) << level_entry(index).name
              << std::right << ": " << cave_tally.ticks << " ticks, " << cave_tally.attempts << " attempts, "
              << cave_tally.won << " won, " << cave_tally.lost << " lost"
              << (cave_tally.faults ? ", " + std::to_string(cave_tally.faults) + " FAULTS" : std::string())
              << std::endl;  // a progress line as soon as the cave is done
    total.add(cave_tally);
  }
  std::cout << "soak (seed " << seed << "): " << caves.size() << " caves, " << total.ticks << " ticks, "
            << total.attempts << " attempts, " << total.won << " won, " << total.lost << " lost, " << total.faults
            << " faults\n";
  std::cout << (total.faults == 0 ? caves.size() : caves.size() - std::min<std::uint64_t>(total.faults, caves.size()))
            << " passed, " << std::min<std::uint64_t>(total.faults, caves.size()) << " failed\n";
  return total.faults == 0 ? 0 : 1;
}

KV_COMMAND(soak, name, "[--seed N] [--ticks N per cave, players and difficulty] [--difficulty D]... [--players 1|2]... [CAVE...]",
           run_soak);

}  // namespace
}  // namespace korvedan::tool
