// kvtool show N: a cave as text after some inputs, for designing caves and runs at the terminal.
#include <iostream>

#include "core/cave_text.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"
#include "tools/run_file.hpp"

namespace korvedan::tool {
namespace {

int run_show(const Args& args) {
  std::optional<std::size_t> index;
  Difficulty difficulty = Difficulty::Normal;
  int players = 1;
  std::string inputs_path;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--difficulty" && i + 1 < args.size()) {
      const auto d = difficulty_arg(args[++i]);
      if (!d) return usage_error("show", "difficulty must be easy, normal or hard");
      difficulty = *d;
    } else if (args[i] == "--inputs" && i + 1 < args.size()) {
      inputs_path = args[++i];
    } else if (args[i] == "--players" && i + 1 < args.size()) {
      players = args[++i] == "2" ? 2 : 1;
    } else if (!index) {
      index = cave_index_arg(args[i]);
      if (!index) return usage_error("show", "the cave number must be 1 to 119, not \"" + args[i] + "\"");
    } else {
      return usage_error("show", "unexpected argument \"" + args[i] + "\"");
    }
  }
  if (!index) return usage_error("show", "expected a cave number");
  const LevelEntry& level = level_entry(*index);
  Result<Cave> parsed = parse_cave(level, players, difficulty);
  if (!parsed) {
    std::cerr << "kvtool show: level " << level.name << ": " << parsed.error() << "\n";
    return 2;
  }
  Cave cave = std::move(parsed).value();
  std::vector<TickInput> inputs;
  if (!inputs_path.empty()) {
    auto read = read_run_file(inputs_path);
    if (!read) {
      std::cerr << "kvtool show: " << read.error() << "\n";
      return 2;
    }
    inputs = std::move(read).value();
  }
  EventList events;
  for (TickInput in : inputs) {
    if (cave.outcome != CaveOutcome::Running) break;
    events.clear();
    tick_single(cave, in, events);
  }
  static const char* outcomes[] = {"running", "WON", "LOST"};
  std::cout << "cave " << *index + 1 << " " << level.name << " (" << difficulty_word(difficulty) << ") tick "
            << cave.tick << ": crystals " << cave.crystals << "/" << cave.crystals_needed << ", time left "
            << cave.time_left << ", score " << cave.score << ", dynamite " << cave.dynamite << ", keys "
            << int(cave.keys) << ", unlit lamps " << cave.unlit_lamps << (cave.lamp_broken ? " (LAMP BROKEN)" : "")
            << ", hatch " << (hatch_open(cave) ? "open" : "shut") << ", " << outcomes[int(cave.outcome)] << "\n";
  std::cout << "    ";
  for (std::int32_t x = 0; x < cave.width; ++x) std::cout << char('0' + x % 10);
  std::cout << "\n";
  for (std::int32_t y = 0; y < cave.height; ++y) {
    std::cout << (y < 10 ? "  " : " ") << y << ' ';
    for (std::int32_t x = 0; x < cave.width; ++x) std::cout << cell_letter(cell_at(cave, x, y));
    std::cout << "\n";
  }
  return 0;
}

KV_COMMAND(show, "show", "N [--difficulty D] [--players 1|2] [--inputs FILE]   (the cave as text after the inputs)",
           run_show);

}  // namespace
}  // namespace korvedan::tool
