// The bot finds wins by the game's own rules and never walks into death or a broken lamp.
#include "core/bot.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/levels.hpp"
#include "core/parse.hpp"

namespace korvedan {
namespace {

Cave cave_of(std::vector<std::string_view> rows, std::uint32_t crystals = 0, std::uint32_t time = 1000) {
  const LevelEntry level{"TEST", rows, crystals, time};
  Result<Cave> cave = parse_cave(level, 1, Difficulty::Normal);
  EXPECT_TRUE(cave.ok()) << (cave.ok() ? "" : cave.error());
  return std::move(cave).value();
}

Cave after(Cave cave, const std::vector<TickInput>& inputs) {
  for (TickInput in : inputs) tick_single(cave, in);
  return cave;
}

TEST(Bot, NextToAnOpenHatchTheOnlyCandidateIsTheStepOut) {
  const Cave cave = cave_of({"#####", "#@X #", "#####"});
  const std::vector<Candidate> candidates = expand(cave);
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_EQ(candidates[0].inputs, std::vector<TickInput>{bot_input::right});
  EXPECT_EQ(candidates[0].state.outcome, CaveOutcome::Won);

  std::vector<TickInput> path;
  BotCounters counters;
  EXPECT_TRUE(solve(cave, path, counters));
  EXPECT_EQ(path, std::vector<TickInput>{bot_input::right});
  EXPECT_EQ(counters.solve_calls, 1);  // the second call finds the win and costs nothing
}

TEST(Bot, TwoWaysToTheSameCellGiveOneCandidate) {
  // The crystal sits on steel, so it stays put; it can be taken from the left along the top row
  // or from the right after a walk round the bottom. Both leave the digger on the crystal's
  // cell, so only the first counts.
  const Cave cave = cave_of({"#######", "#@..*.#", "#...#.#", "#....X#", "#######"}, 5);
  const std::vector<Candidate> candidates = expand(cave);
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_EQ(candidates[0].inputs, (std::vector<TickInput>{bot_input::right, bot_input::right, bot_input::right}));
  EXPECT_EQ(candidates[0].state.crystals, 1u);
}

TEST(Bot, APathNeverBreaksALampOrKillsTheDigger) {
  // The crystal under the boulder can be had, but digging below the boulder first kills.
  const Cave cave = cave_of({"#########", "#@.o.L..#", "#...*..X#", "#########"}, 1);
  const Solution solution = find_solution(cave);
  ASSERT_TRUE(solution.won);
  Cave replay = cave;
  for (TickInput in : solution.inputs) {
    tick_single(replay, in);
    EXPECT_FALSE(replay.lamp_broken);
    EXPECT_NE(replay.diggers[0].status, DiggerStatus::Dead);
  }
  EXPECT_EQ(replay.outcome, CaveOutcome::Won);
}

TEST(Bot, ADropFallingElsewhereDoesNotTellStatesApart) {
  Cave a = cave_of({"#######", "#@.. X#", "#.... #", "#######"});
  Cave b = a;
  b.cells[static_cast<std::size_t>(1 * b.width + 4)] = {CellKind::Drop, 0};
  EXPECT_EQ(state_key(a), state_key(b));
  b.cells[static_cast<std::size_t>(1 * b.width + 4)] = {CellKind::Boulder, 0};
  EXPECT_NE(state_key(a), state_key(b));
}

TEST(Bot, MossMakesTheTickPartOfTheState) {
  Cave moss = cave_of({"#######", "#@.~ X#", "#######"});
  Cave later = moss;
  later.tick += 8;
  EXPECT_NE(state_key(moss), state_key(later));
  Cave plain = cave_of({"#######", "#@.. X#", "#######"});
  Cave plain_later = plain;
  plain_later.tick += 8;
  EXPECT_EQ(state_key(plain), state_key(plain_later));
}

TEST(Bot, LightIsOfferedOnlyWhenAVaultIsWithinReach) {
  Cave cave = cave_of({"#########", "#@%*...X#", "#.%%....#", "#########"});
  EXPECT_FALSE(light_allowed(cave));  // no dynamite carried
  cave.dynamite = 1;
  EXPECT_TRUE(light_allowed(cave));  // brick beside, a walled-off crystal two cells away
  cave.diggers[0].armed = true;
  EXPECT_FALSE(light_allowed(cave));
  Cave open = cave_of({"#########", "#@%..*.X#", "#...%...#", "#########"});
  open.dynamite = 1;
  EXPECT_FALSE(light_allowed(open));  // nothing precious within two cells
}

TEST(Bot, SolvesTheFirstTwoCaves) {
  for (std::size_t index : {0u, 1u}) {
    Result<Cave> cave = parse_cave(level_entry(index), 1, Difficulty::Normal);
    ASSERT_TRUE(cave.ok());
    const Solution solution = find_solution(cave.value());
    ASSERT_TRUE(solution.won) << "cave " << index + 1;
    EXPECT_EQ(after(cave.value(), solution.inputs).outcome, CaveOutcome::Won);
    EXPECT_EQ(find_solution(cave.value()).inputs, solution.inputs);  // the same path every time
  }
}

}  // namespace
}  // namespace korvedan
