// How fast the cave runs: ticks of a busy great cave and a small one, copying a cave, and the
// bot's key over a cave's cells and one step of its search.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/bot.hpp"
#include "core/parse.hpp"
#include "core/tick.hpp"

namespace korvedan {
namespace {

// A 67 × 36 cave where much happens at once: boulders and crystals pouring down past brick
// ledges, a hall of mites, wisps, gobblers and robots, moss fields and dripping ooze.
std::vector<std::string> busy_rows() {
  constexpr int width = 67, height = 36;
  std::vector<std::string> rows(height, std::string(width, '#'));
  for (int y = 1; y < height - 1; ++y) {
    for (int x = 1; x < width - 1; ++x) {
      char c = '.';
      if (x == 31 || (x > 31 && y == 18)) {
        c = '%';
      } else if (x < 31 && y < 21) {
        if (y <= 3) c = (x + y) % 3 == 0 ? '*' : 'o';
        else c = y == 12 && x % 4 == 0 ? '%' : ' ';
      } else if (x < 31) {
        c = (x * 7 + y) % 5 == 0 ? '~' : '.';
      } else if (y < 18) {
        c = ' ';
        if (y == 5 && x % 6 == 0) c = 'b';
        if (y == 9 && x % 6 == 3) c = 'm';
        if (y == 13 && x % 6 == 0) c = 'c';
        if (y == 16 && x % 8 == 0) c = 'k';
        if (y == 2 && x % 5 == 0) c = '+';
      } else {
        c = y == 19 && x % 3 == 0 ? '^' : ' ';
      }
      rows[y][x] = c;
    }
  }
  rows[1][1] = '@';
  rows[2][1] = '.';
  rows[3][1] = '.';
  rows[height - 2][width - 2] = 'X';
  return rows;
}

// A typical small cave: dirt, a few boulders and crystals, one mite.
std::vector<std::string> small_rows() {
  return {
      "##############################", "#@....o......*.....o....*....#", "#..*...%%%%%...o.......o.....#",
      "#......%*..%.......*.........#", "#..o...%...%..*.....%%%%%....#", "#..o.......%...........%.....#",
      "#.....*.o..%%%%..o....*%.....#", "#%%%%......o....*......%..o..#", "#....*.........%%%%..........#",
      "#..o....*..o.......   b  ....#", "#.........*.......          .#", "#....o.....o....*...o...*....#",
      "#..*...........%%%%%%%.......#", "#......o...*.........o....*..#", "#...*.......o......*.........#",
      "#..o.......*...............X.#", "##############################",
  };
}

Cave build(const std::vector<std::string>& rows) {
  const std::vector<std::string_view> views(rows.begin(), rows.end());
  Result<Cave> cave = parse_cave(LevelEntry{"BENCH", views, 0, 100000}, 1, Difficulty::Hard);
  if (!cave) std::abort();
  return std::move(cave).value();
}

// Each round restores the starting cave (a copy into the same buffers) and runs 32 ticks, so
// the cave stays busy; the restore is measured on its own below and costs far less than a tick.
constexpr int ticks_per_round = 32;

void run_ticks(benchmark::State& state, const Cave& start) {
  Cave cave = start;
  EventList events;
  events.reserve(256);
  const TickInput input{0, 0, Dir::None};
  std::size_t raised = 0;
  for (auto _ : state) {
    cave = start;
    for (int i = 0; i < ticks_per_round; ++i) {
      events.clear();
      tick_single(cave, input, events);
      raised += events.size();
    }
    benchmark::DoNotOptimize(cave.cells.data());
  }
  state.SetItemsProcessed(state.iterations() * ticks_per_round);
  // How busy the cave is: events raised per tick, averaged over a round.
  state.counters["events_per_tick"] =
      static_cast<double>(raised) / static_cast<double>(state.iterations() * ticks_per_round);
}

void BM_TickBusyGreatCave(benchmark::State& state) { run_ticks(state, build(busy_rows())); }
void BM_TickSmallCave(benchmark::State& state) { run_ticks(state, build(small_rows())); }

std::size_t cave_bytes(const Cave& cave) {
  return cave.cells.size() * sizeof(Cell) + cave.last_move.size() + cave.moved_at.size() * sizeof(std::uint32_t) +
         cave.diggers.size() * sizeof(DiggerState) + sizeof(Cave);
}

// A fresh copy, as the bot makes when it branches.
void BM_CopyCave(benchmark::State& state) {
  const Cave cave = build(busy_rows());
  for (auto _ : state) {
    Cave copy = cave;
    benchmark::DoNotOptimize(copy.cells.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(cave_bytes(cave)));
}

// Copying over a cave of the same size reuses its buffers.
void BM_CopyCaveInto(benchmark::State& state) {
  const Cave cave = build(busy_rows());
  Cave copy = cave;
  for (auto _ : state) {
    copy = cave;
    benchmark::DoNotOptimize(copy.cells.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(cave_bytes(cave)));
}

// The baseline: the same number of bytes moved by one memcpy between two ready buffers.
void BM_MemcpySameBytes(benchmark::State& state) {
  const std::size_t bytes = cave_bytes(build(busy_rows()));
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// The bot tells states apart by a key over every cell, made once for each state it reaches.
void BM_StateKeyBusyGreatCave(benchmark::State& state) {
  const Cave cave = build(busy_rows());
  for (auto _ : state) benchmark::DoNotOptimize(state_key(cave));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cave.cells.size()));
}

// One step of the bot's search over the small cave: up to 20,000 states reached and told apart.
void BM_ExpandSmallCave(benchmark::State& state) {
  const Cave cave = build(small_rows());
  BotLimits limits;
  limits.small_node_limit = limits.large_node_limit = 20'000;
  BotCounters counters;
  for (auto _ : state) benchmark::DoNotOptimize(expand(cave, &counters, limits));
  state.counters["states"] = static_cast<double>(counters.states) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_TickBusyGreatCave);
BENCHMARK(BM_TickSmallCave);
BENCHMARK(BM_CopyCave);
BENCHMARK(BM_CopyCaveInto);
BENCHMARK(BM_MemcpySameBytes);
BENCHMARK(BM_StateKeyBusyGreatCave);
BENCHMARK(BM_ExpandSmallCave)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvedan
