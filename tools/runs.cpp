// kvtool runs [N...]: replays the stored winning runs and says which win, what they show and
// whether a route stands where an ooze's drop can land unseen.
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "core/levels.hpp"
#include "core/replay.hpp"
#include "core/run_watch.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"
#include "tools/run_file.hpp"

namespace korvedan::tool {
namespace {

// Checks one stored run; prints one line and says whether it is a good run.
bool check_run(const std::filesystem::path& dir, std::size_t index, Difficulty difficulty) {
  const LevelEntry& level = level_entry(index);
  std::ostringstream name;
  name << std::setw(3) << std::setfill('0') << index + 1 << '-' << difficulty_word(difficulty) << ".txt";
  const std::filesystem::path path = dir / name.str();
  std::cout << std::setw(3) << index + 1 << ' ' << std::left << std::setw(18) << level.name << std::right << ' '
            << std::setw(6) << difficulty_word(difficulty) << ": ";
  if (!std::filesystem::exists(path)) {
    std::cout << "no run (" << path.string() << ")\n";
    return false;
  }
  const auto read = read_run_file(path.string());
  if (!read) {
    std::cout << read.error() << "\n";
    return false;
  }
  const std::vector<TickInput>& inputs = read.value();
  const auto replay = replay_single(level, difficulty, inputs);
  if (!replay) {
    std::cout << "does not parse: " << replay.error() << "\n";
    return false;
  }
  const Cave& cave = replay.value().cave;
  bool good = cave.outcome == CaveOutcome::Won;
  std::cout << (good ? "won" : cave.outcome == CaveOutcome::Lost ? "LOST" : "NOT WON") << " after "
            << replay.value().ticks << " of " << inputs.size() << " ticks, " << cave.time_left << " ticks to spare";
  if (difficulty == Difficulty::Normal) {
    for (const std::string& m : missing_mechanics(level, replay.value().events_seen)) {
      std::cout << "; never " << m;
      good = false;
    }
  }
  const auto watch = watch_run(level, difficulty, inputs);
  if (watch) {
    if (difficulty == Difficulty::Normal) {
      for (const std::string& m : idea_mechanics_missing(level, watch.value().shown)) {
        std::cout << "; the idea's " << m << " never shown";
        good = false;
      }
    }
    const std::vector<UnderOoze>& risky = watch.value().under_ooze;
    if (!risky.empty()) {
      std::cout << "; " << risky.size() << " ticks under an ooze (first at tick " << risky.front().tick << ", "
                << risky.front().x << "," << risky.front().y << ")";
      good = false;
    }
  }
  std::cout << "\n";
  return good;
}

int run_runs(const Args& args) {
  std::filesystem::path dir = std::filesystem::path(KV_SOURCE_DIR) / "data" / "runs";
  std::vector<std::size_t> caves;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dir" && i + 1 < args.size()) {
      dir = args[++i];
    } else if (const auto index = cave_index_arg(args[i])) {
      caves.push_back(*index);
    } else {
      return usage_error("runs", "unexpected argument \"" + args[i] + "\"");
    }
  }
  if (caves.empty()) {
    for (std::size_t i = 0; i < level_count; ++i) caves.push_back(i);
  }
  int bad = 0;
  for (std::size_t index : caves) {
    for (Difficulty d : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
      bad += !check_run(dir, index, d);
    }
  }
  std::cout << bad << " runs missing, failing or not showing their cave's mechanics\n";
  return bad == 0 ? 0 : 1;
}

KV_COMMAND(runs, "runs", "[N...] [--dir DIR]   (replays data/runs/NNN-{easy,normal,hard}.txt)", run_runs);

}  // namespace
}  // namespace korvedan::tool
