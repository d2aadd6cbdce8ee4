// kvtool solve N: runs the bot on a built-in cave and reports what it found and spent.
#include <chrono>
#include <fstream>
#include <iostream>

#include "core/bot.hpp"
#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"
#include "tools/run_file.hpp"

namespace korvedan::tool {
namespace {

int run_solve(const Args& args) {
  std::optional<std::size_t> index;
  Difficulty difficulty = Difficulty::Normal;
  std::string out_path, prefix_path;
  BotLimits limits;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::size_t n = 0;
    if (a == "--difficulty" && i + 1 < args.size()) {
      const auto d = difficulty_arg(args[++i]);
      if (!d) return usage_error("solve", "difficulty must be easy, normal or hard");
      difficulty = *d;
    } else if (a == "--out" && i + 1 < args.size()) {
      out_path = args[++i];
    } else if (a == "--prefix" && i + 1 < args.size()) {
      prefix_path = args[++i];
    } else if (a == "--budget" && count_arg(args, i, n)) {
      limits.solve_calls = static_cast<int>(n);
    } else if (a == "--nodes" && count_arg(args, i, n)) {
      limits.small_node_limit = n;
      limits.large_node_limit = std::max(limits.large_node_limit, n);
    } else if (a == "--candidates" && count_arg(args, i, n) && n > 0) {
      limits.candidates = n;
    } else if (!index && a.rfind("--", 0) != 0) {
      index = cave_index_arg(a);
      if (!index) return usage_error("solve", "the cave number must be 1 to 119, not \"" + a + "\"");
    } else {
      return usage_error("solve", "unexpected argument \"" + a + "\"");
    }
  }
  if (!index) return usage_error("solve", "expected a cave number");
  const LevelEntry& level = level_entry(*index);
  Result<Cave> cave = parse_cave(level, 1, difficulty);
  if (!cave) {
    std::cerr << "kvtool solve: level " << level.name << ": " << cave.error() << "\n";
    return 2;
  }
  // A hand-played opening, after which the bot takes over.
  std::vector<TickInput> prefix;
  if (!prefix_path.empty()) {
    auto read = read_run_file(prefix_path);
    if (!read) {
      std::cerr << "kvtool solve: " << read.error() << "\n";
      return 2;
    }
    prefix = std::move(read).value();
    for (TickInput in : prefix) tick_single(cave.value(), in);
    if (cave.value().outcome == CaveOutcome::Lost) {
      std::cerr << "kvtool solve: the cave is lost after the prefix's " << prefix.size() << " ticks\n";
      return 1;
    }
  }
  const auto started = std::chrono::steady_clock::now();
  Solution solution = find_solution(cave.value(), limits);
  solution.inputs.insert(solution.inputs.begin(), prefix.begin(), prefix.end());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "cave " << *index + 1 << " " << level.name << " (" << difficulty_word(difficulty) << "): "
            << (solution.won ? "won" : "not solved") << ", path " << solution.inputs.size() << " ticks, "
            << solution.counters.solve_calls << " solve calls, " << solution.counters.states << " states, "
            << seconds << " s\n";
  if (solution.won && !out_path.empty()) {
    std::ofstream out(out_path);
    for (std::size_t i = 0; i < solution.inputs.size(); ++i) {
      out << format_input_token(solution.inputs[i]) << ((i + 1) % 32 == 0 ? '\n' : ' ');
    }
    out << '\n';
    if (!out) {
      std::cerr << "kvtool solve: could not write " << out_path << "\n";
      return 1;
    }
  }
  return solution.won ? 0 : 1;
}

KV_COMMAND(solve, "solve",
           "N [--difficulty easy|normal|hard] [--out FILE] [--prefix FILE] [--budget CALLS] [--nodes STATES] [--candidates K]",
           run_solve);

}  // namespace
}  // namespace korvedan::tool
