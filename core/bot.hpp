// The solver: a search for player-1 inputs that win a cave, using the game's own tick.
#pragma once

#include <cstdint>
#include <vector>

#include "core/cave.hpp"
#include "core/tick.hpp"

namespace korvedan {

namespace bot_input {
inline constexpr TickInput up{0, 0, Dir::Up};
inline constexpr TickInput right{0, 0, Dir::Right};
inline constexpr TickInput down{0, 0, Dir::Down};
inline constexpr TickInput left{0, 0, Dir::Left};
inline constexpr TickInput stay{0, 0, Dir::None};
inline constexpr TickInput light{0, 1, Dir::None};
}  // namespace bot_input

// A state worth continuing from, and the inputs that lead there from where expand started.
struct Candidate {
  Cave state;
  std::vector<TickInput> inputs;
};

// What one search spent: the budget is counted in solve calls, the work in states made.
struct BotCounters {
  int solve_calls = 0;
  std::uint64_t states = 0;
};

// The game's bot searches within these bounds; kvtool may widen them to find runs for hard caves.
struct BotLimits {
  int solve_calls = 150;
  std::size_t small_node_limit = 40'000;   // states per expand while there is nothing special about
  std::size_t large_node_limit = 240'000;  // ... with the hatch open, lamps unlit or dynamite carried
  std::size_t candidates = 3;              // per expand while the hatch is shut
  std::uint64_t state_limit = 0;           // states in the whole search, 0 for no limit (kvtool idea)
};

// Depth-first over candidates; on success `path` holds every input from `cave` to the win.
bool solve(const Cave& cave, std::vector<TickInput>& path, BotCounters& counters,
           const BotLimits& limits = {});
// Breadth-first over single ticks from one state; at most three candidates (one once the hatch is open).
std::vector<Candidate> expand(const Cave& cave, BotCounters* counters = nullptr,
                              const BotLimits& limits = {});
// Four idle ticks on a copy leave the cave running with no lamp broken.
bool settles(const Cave& cave);
// Whether lighting a stick is worth offering here.
bool light_allowed(const Cave& cave);
// Everything about a cave that matters for its future, folded into 64 bits.
std::uint64_t state_key(const Cave& cave);

// A whole search from a freshly started cave: the winning inputs, or empty when none was found.
struct Solution {
  bool won = false;
  std::vector<TickInput> inputs;
  BotCounters counters;
};
Solution find_solution(const Cave& cave, const BotLimits& limits = {});

}  // namespace korvedan
