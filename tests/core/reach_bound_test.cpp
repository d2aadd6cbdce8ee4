// The bound on what a cave could ever give: never below what a real win collects, and tight
// enough to prove a cave lost when a sealed vault, a missing key or a missing stick makes it so.
#include <gtest/gtest.h>

#include <random>

#include "cave_fixture.hpp"
#include "core/bot.hpp"
#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/reach_bound.hpp"
#include "core/replay.hpp"
#include "core/stored_runs.hpp"

namespace korvedan {
namespace {

using testing::make_cave;

std::optional<std::string> verdict(std::initializer_list<std::string_view> rows, std::uint32_t needed) {
  return why_never_won(make_cave(rows, 1, Difficulty::Normal, needed));
}

TEST(ReachBound, NeverDeniesAWinThatAStoredRunMakes) {
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    for (Difficulty difficulty : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
      SCOPED_TRACE(stored_run_name(i, difficulty));
      Result<Cave> cave = parse_cave(level, 1, difficulty);
      const auto tokens = parse_input_tokens(stored_run_text(i, difficulty), 1);
      ASSERT_TRUE(cave.ok() && tokens.ok());
      const ReachBound start = reach_bound(cave.value());
      EXPECT_TRUE(start.hatch_in_reach);
      EXPECT_TRUE(start.lamps_in_reach);
      // All along the way to the win, the bound must leave the win possible.
      Cave& play = cave.value();
      std::size_t t = 0;
      for (const TickInputs& input : tokens.value()) {
        if (t++ % 3 == 0 && play.outcome == CaveOutcome::Running) {
          const auto why = why_never_won(play);
          EXPECT_FALSE(why) << "at tick " << t << ": " << *why;
        }
        tick_single(play, input[0]);
      }
      ASSERT_EQ(play.outcome, CaveOutcome::Won);
      EXPECT_LE(play.crystals, start.crystals_at_most);
    }
  }
}

TEST(ReachBound, BrickHoldsWithoutAnythingThatGoesOffAndSteelHoldsAlways) {
  // Two crystals lie loose, four in a brick box: no stick, no bomb, no creature to open it.
  const std::initializer_list<std::string_view> boxed = {
      "##########", "#@**%**%X#", "#...%**%.#", "#...%%%%.#", "#........#", "##########"};
  EXPECT_EQ(verdict(boxed, 5), "at most 2 crystals within reach, 5 needed");
  EXPECT_FALSE(verdict(boxed, 2));
  // A stick within reach blows the box open; so does a bomb that falls beside it.
  EXPECT_FALSE(verdict({"##########", "#@*d%**%X#", "#...%**%.#", "#...%%%%.#", "#........#", "##########"}, 5));
  EXPECT_FALSE(verdict(
      {"############", "#@**%q%**%X#", "#...% %**%.#", "#...%%%%%%.#", "#..........#", "############"}, 5));
  // Steel no blast breaks, with sticks to spare.
  EXPECT_EQ(verdict({"##########", "#@*d#**#X#", "#..d#**#.#", "#...####.#", "#........#", "##########"}, 5),
            "at most 1 crystal within reach, 5 needed");
}

TEST(ReachBound, DoorsOpenOnlyToAKeyTheDiggerCanFetch) {
  EXPECT_EQ(verdict({"#########", "#@*...RX#", "#....####", "#########"}, 1), "the hatch lies out of reach");
  EXPECT_FALSE(verdict({"#########", "#@*.r.RX#", "#....####", "#########"}, 1));
  // The red key lies behind a green door, and there is no green key.
  EXPECT_EQ(verdict({"###########", "#@*..Gr#RX#", "#....###..#", "###########"}, 1), "the hatch lies out of reach");
  // A lamp the digger cannot walk up to keeps the hatch shut.
  EXPECT_EQ(verdict({"#########", "#@*...X.#", "#....#L##", "#########"}, 1), "a lamp lies out of reach");
}

TEST(ReachBound, CountsWhatCreaturesNutsShiftersAndMossCouldStillGive) {
  // A mite blown up leaves up to nine crystals; one shut in steel never is.
  EXPECT_FALSE(verdict({"##########", "#@*.  b.X#", "#........#", "##########"}, 10));
  EXPECT_TRUE(verdict({"##########", "#@*.  b.X#", "#........#", "##########"}, 11));
  EXPECT_EQ(verdict({"##########", "#@*.#b#.X#", "#...###..#", "#........#", "##########"}, 2),
            "at most 1 crystal within reach, 2 needed");
  // The digger lets the boulder fall on the nut and cracks it into a second crystal.
  EXPECT_FALSE(verdict({"#########", "#@*o...X#", "#.......#", "#..n....#", "#########"}, 2));
  EXPECT_TRUE(verdict({"#########", "#@*o...X#", "#.......#", "#..o....#", "#########"}, 2));
  // The boulder falls through the shifter and comes out a crystal; through brick it would not.
  EXPECT_FALSE(verdict({"#########", "#@.o...X#", "#...   .#", "#%%W%%%.#", "#.. ....#", "#########"}, 1));
  EXPECT_EQ(verdict({"#########", "#@.o...X#", "#...   .#", "#%%%%%%.#", "#.. ....#", "#########"}, 1),
            "at most 0 crystals within reach, 1 needed");
  // A blast still burning counts for what it leaves.
  Cave burning = make_cave({"#########", "#@*  ..X#", "#.......#", "#########"}, 1, Difficulty::Normal, 3);
  EXPECT_TRUE(why_never_won(burning));
  set_cell(burning, 4, 1, make_blast(BlastLeaves::Star, 2));
  EXPECT_FALSE(why_never_won(burning));
  // Moss may fill the room with crystals before it sets.
  EXPECT_FALSE(verdict({"#########", "#@~....X#", "#.......#", "#########"}, 10));
}

// Small caves of every kind that moves, blasts, opens or turns into crystals, drawn at random:
// whatever the bot can win, the bound must leave winnable.
TEST(ReachBound, NeverDeniesAWinTheBotFindsInRandomCaves) {
  constexpr std::string_view palette = "....   %%%%%####oo***+ndrRGWb~q^";
  std::mt19937 dice(20261209);
  BotLimits limits;
  limits.solve_calls = 10;
  limits.small_node_limit = limits.large_node_limit = 2000;
  int won = 0, denied = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> rows(7, std::string(12, '#'));
    for (int y = 1; y < 6; ++y) {
      for (int x = 1; x < 11; ++x) rows[y][x] = palette[dice() % palette.size()];
    }
    rows[1][1] = '@';
    rows[1 + dice() % 5][2 + dice() % 9] = 'X';
    const std::vector<std::string_view> views(rows.begin(), rows.end());
    Result<Cave> cave = parse_cave(LevelEntry{"RANDOM", views, 1 + dice() % 6, 400}, 1, Difficulty::Normal);
    ASSERT_TRUE(cave.ok()) << cave.error();
    const auto why = why_never_won(cave.value());
    denied += why.has_value();
    if (!find_solution(cave.value(), limits).won) continue;
    ++won;
    EXPECT_FALSE(why) << *why << " in\n" << ::testing::PrintToString(rows);
  }
  // The caves are neither all won nor all hopeless, or the test would prove little.
  EXPECT_GT(won, 25);
  EXPECT_GT(denied, 25);
}

}  // namespace
}  // namespace korvedan
