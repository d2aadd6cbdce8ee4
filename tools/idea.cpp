// kvtool idea N: takes each mechanic of a cave's idea out in turn and searches the rest for a win.
// The idea holds when no variant can be won: the cave really needs what it is about.
#include <chrono>
#include <iomanip>
#include <iostream>

#include "core/bot.hpp"
#include "core/idea_variant.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "core/reach_bound.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

// Well above the game's own bot (150 calls, 40,000 or 240,000 states an expand).
BotLimits idea_limits() {
  BotLimits limits;
  limits.solve_calls = 600;
  limits.small_node_limit = 400'000;
  limits.large_node_limit = 400'000;
  limits.candidates = 3;
  limits.state_limit = 60'000'000;
  return limits;
}

std::string names_of(Mechanics set) {
  std::string text;
  for (std::size_t i = 0; i < mechanic_count; ++i) {
    if (!set.has(static_cast<Mechanic>(i))) continue;
    if (!text.empty()) text += ", ";
    text += mechanic_names[i];
  }
  return text.empty() ? "none" : text;
}

// One line for one mechanic; true when the cave cannot be won without it.
bool check_mechanic(const LevelEntry& level, Mechanic mechanic, Difficulty difficulty, const BotLimits& limits,
                    bool use_bound) {
  const MechanicRemoval removal = removal_of(mechanic);
  std::cout << "  " << std::left << std::setw(19) << std::string(mechanic_names[static_cast<std::size_t>(mechanic)]) + ":"
            << std::right;
  const auto rows = rows_without(level, mechanic);
  if (!rows) {
    std::cout << "not taken out: " << removal.why_not << "\n";
    return true;
  }
  const std::vector<std::string_view> views(rows->begin(), rows->end());
  LevelEntry variant = level;
  variant.rows = views;
  Result<Cave> cave = parse_cave(variant, 1, difficulty);
  if (!cave) {
    std::cout << removal.what << ": the variant does not parse (" << cave.error() << ")\n";
    return false;
  }
  const auto started = std::chrono::steady_clock::now();
  // Counting what lies within reach settles many variants at once, and more surely than a search.
  if (const auto why = use_bound ? why_never_won(cave.value()) : std::nullopt) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << removal.what << ": no win possible: " << *why << " (" << std::fixed << std::setprecision(1)
              << seconds << " s)" << std::defaultfloat << "\n";
    return true;
  }
  const Solution solution = find_solution(cave.value(), limits);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << removal.what << ": " << (solution.won ? "WON WITHOUT IT in " : "no win found")
            << (solution.won ? std::to_string(solution.inputs.size()) + " ticks" : std::string()) << " ("
            << solution.counters.solve_calls << " calls, " << solution.counters.states << " states, " << std::fixed
            << std::setprecision(1) << seconds << " s)" << std::defaultfloat << "\n";
  return !solution.won;
}

// What a check of the cave depends on, in one number: its rows, needs and idea, and the
// search's bounds. scripts/check-caves keeps a result while this and the rules stay the same.
std::uint64_t check_key(const LevelEntry& level, Difficulty difficulty, const BotLimits& limits, bool use_bound) {
  std::uint64_t key = 14695981039346656037ull;
  const auto mix = [&key](std::string_view text) {
    for (unsigned char c : text) key = (key ^ c) * 1099511628211ull;
    key = (key ^ 0xff) * 1099511628211ull;  // ends each part, so "ab"+"c" is not "a"+"bc"
  };
  for (std::string_view row : level.rows) mix(row);
  for (std::uint64_t n : {std::uint64_t{level.crystals_needed}, std::uint64_t{level.time},
                          std::uint64_t{level.idea.mechanics.bits}, std::uint64_t(difficulty),
                          std::uint64_t(limits.solve_calls), std::uint64_t{limits.small_node_limit},
                          std::uint64_t{limits.large_node_limit}, std::uint64_t{limits.candidates},
                          std::uint64_t{limits.state_limit}, std::uint64_t{use_bound}}) {
    mix(std::to_string(n));
  }
  return key;
}

int run_idea(const Args& args) {
  std::vector<std::size_t> caves;
  Difficulty difficulty = Difficulty::Normal;
  BotLimits limits = idea_limits();
  bool use_bound = true, key_only = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::size_t n = 0;
    if (a == "--difficulty" && i + 1 < args.size()) {
      const auto d = difficulty_arg(args[++i]);
      if (!d) return usage_error("idea", "difficulty must be easy, normal or hard");
      difficulty = *d;
    } else if (a == "--budget" && count_arg(args, i, n)) {
      limits.solve_calls = static_cast<int>(n);
    } else if (a == "--nodes" && count_arg(args, i, n)) {
      limits.small_node_limit = limits.large_node_limit = n;
    } else if (a == "--states" && count_arg(args, i, n)) {
      limits.state_limit = n;
    } else if (a == "--search-only") {
      use_bound = false;
    } else if (a == "--key") {
      key_only = true;
    } else if (const auto index = cave_index_arg(a)) {
      caves.push_back(*index);
    } else {
      return usage_error("idea", "unexpected argument \"" + a + "\"");
    }
  }
  if (caves.empty()) return usage_error("idea", "expected a cave number");
  int failing = 0;
  for (std::size_t index : caves) {
    const LevelEntry& level = level_entry(index);
    if (key_only) {
      std::cout << "cave " << index + 1 << " key " << std::hex << std::setw(16) << std::setfill('0')
                << check_key(level, difficulty, limits, use_bound) << std::dec << std::setfill(' ') << "\n";
      continue;
    }
    std::cout << "cave " << index + 1 << " " << level.name << ": " << level.idea.line << "\n";
    std::cout << "  rests on: " << names_of(level.idea.mechanics) << "\n";
    bool holds = true;
    for (std::size_t i = 0; i < mechanic_count; ++i) {
      const auto mechanic = static_cast<Mechanic>(i);
      if (!level.idea.mechanics.has(mechanic)) continue;
      holds = check_mechanic(level, mechanic, difficulty, limits, use_bound) && holds;
    }
    const Mechanics unused = unused_letters(level);
    if (!unused.empty()) std::cout << "  its letters also hold, outside the idea: " << names_of(unused) << "\n";
    std::cout << "  idea " << (holds ? "holds" : "FAILS") << "\n";
    failing += !holds;
  }
  return failing == 0 ? 0 : 1;
}

KV_COMMAND(idea, "idea",
           "N... [--difficulty easy|normal|hard] [--budget CALLS] [--nodes STATES] [--states TOTAL] [--search-only] "
           "[--key]   "
           "(600, 400000, 60000000: the cave with each mechanic of its idea taken out, and unless what lies within "
           "reach already rules a win out, searched for one; --key prints what the check depends on)",
           run_idea);

}  // namespace
}  // namespace korvedan::tool
