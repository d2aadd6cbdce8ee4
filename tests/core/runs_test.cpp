// Every stored winning run still wins its cave, and the Normal run shows what the cave is about.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <span>
#include <sstream>

#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/replay.hpp"
#include "core/run_watch.hpp"

namespace korvedan {
namespace {

std::string run_name(std::size_t index, const char* difficulty) {
  std::ostringstream name;
  name << std::setw(3) << std::setfill('0') << index + 1 << '-' << difficulty << ".txt";
  return name.str();
}

const std::pair<Difficulty, const char*> difficulties[] = {
    {Difficulty::Easy, "easy"}, {Difficulty::Normal, "normal"}, {Difficulty::Hard, "hard"}};

std::vector<TickInput> stored_run(std::size_t index, const char* word) {
  std::ifstream in(std::filesystem::path(KV_SOURCE_DIR) / "data" / "runs" / run_name(index, word));
  std::stringstream text;
  text << in.rdbuf();
  const auto tokens = parse_input_tokens(text.str(), 1);
  std::vector<TickInput> inputs;
  if (tokens.ok()) {
    for (const TickInputs& t : tokens.value()) inputs.push_back(t[0]);
  }
  return inputs;
}

TEST(StoredRuns, EveryCaveIsWonOnEveryDifficulty) {
  const std::filesystem::path dir = std::filesystem::path(KV_SOURCE_DIR) / "data" / "runs";
  int checked = 0;
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    for (auto [difficulty, word] : difficulties) {
      // Every run is tried, so one broken file does not hide the others.
      SCOPED_TRACE(run_name(i, word));
      std::ifstream in(dir / run_name(i, word));
      if (!in) {
        ADD_FAILURE() << "no stored run";
        continue;
      }
      std::stringstream text;
      text << in.rdbuf();
      const auto tokens = parse_input_tokens(text.str(), 1);
      if (!tokens.ok()) {
        ADD_FAILURE() << tokens.error();
        continue;
      }
      std::vector<TickInput> inputs;
      for (const TickInputs& t : tokens.value()) inputs.push_back(t[0]);
      const auto replay = replay_single(level, difficulty, inputs);
      if (!replay.ok()) {
        ADD_FAILURE() << replay.error();
        continue;
      }
      EXPECT_EQ(replay.value().cave.outcome, CaveOutcome::Won);
      if (difficulty == Difficulty::Normal) {
        for (const std::string& m : missing_mechanics(level, replay.value().events_seen)) {
          ADD_FAILURE() << "the run never shows " << m;
        }
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 357);
}

// Caves not yet redesigned, whose runs still miss a mechanic their idea names or walk under an
// ooze. Each must still do so: a cave mended leaves its list, and no other cave may join.
// Empty for now; a plain array cannot be, so it is a std::array that still feeds the check below.
constexpr std::array<std::size_t, 0> idea_not_yet_shown{};
constexpr std::size_t route_under_ooze[] = {119};

bool listed(std::span<const std::size_t> list, std::size_t cave) {
  return std::find(list.begin(), list.end(), cave) != list.end();
}

TEST(StoredRuns, NormalRunsShowTheirIdeaAndNoRouteWaitsUnderAnOoze) {
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    bool any_under_ooze = false;
    for (auto [difficulty, word] : difficulties) {
      SCOPED_TRACE(run_name(i, word));
      const auto watch = watch_run(level, difficulty, stored_run(i, word));
      ASSERT_TRUE(watch.ok()) << watch.error();
      any_under_ooze = any_under_ooze || !watch.value().under_ooze.empty();
      if (difficulty != Difficulty::Normal) continue;
      const std::vector<std::string> missing = idea_mechanics_missing(level, watch.value().shown);
      EXPECT_EQ(missing.empty(), !listed(idea_not_yet_shown, i + 1))
          << level.name << (missing.empty() ? ": mended, take it off the list" : ": never shows " + missing.front());
    }
    EXPECT_EQ(any_under_ooze, listed(route_under_ooze, i + 1))
        << level.name << (any_under_ooze ? ": a route stands under an ooze" : ": mended, take it off the list");
  }
}

}  // namespace
}  // namespace korvedan
