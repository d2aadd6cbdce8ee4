// Reading caves from text: the cells, the second player's placement and every error message.
#include "core/parse.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::make_cave;
using testing::rows;
using testing::rows_of;

std::string error_of(std::vector<std::string_view> lines, int players = 1) {
  const LevelEntry entry{"T", lines, 0, 100};
  Result<Cave> result = parse_cave(entry, players, Difficulty::Normal);
  return result ? std::string("(parsed)") : result.error();
}

TEST(Parse, EveryLetterBecomesItsCell) {
  const std::vector<std::string_view> lines = {
      "##################################",
      "# .%o*+nqQ@XbmcdrgyRGYW~^VELkOISA#",
      "##################################",
  };
  const LevelEntry entry{"ALL", lines, 12, 900};
  Result<Cave> result = parse_cave(entry, 1, Difficulty::Normal);
  ASSERT_TRUE(result) << result.error();
  const Cave& cave = result.value();
  EXPECT_EQ(cave.width, 34);
  EXPECT_EQ(cave.height, 3);
  EXPECT_EQ(rows_of(cave)[1], lines[1]);
  EXPECT_EQ(cell_at(cave, 12, 1), (Cell{CellKind::Mite, 3}));
  EXPECT_EQ(cell_at(cave, 13, 1), (Cell{CellKind::Wisp, 1}));
  EXPECT_EQ(cell_at(cave, 14, 1), (Cell{CellKind::Gobbler, 3}));
  EXPECT_EQ(cell_at(cave, 17, 1), (Cell{CellKind::Key, 1}));
  EXPECT_EQ(cell_at(cave, 21, 1), (Cell{CellKind::Door, 2}));
  EXPECT_EQ(cell_at(cave, 4, 1), (Cell{CellKind::Boulder, 0}));
  ASSERT_EQ(cave.diggers.size(), 1u);
  EXPECT_EQ(cave.diggers[0], (DiggerState{10, 1, Dir::Down, DiggerStatus::InCave, false, 0}));
  EXPECT_EQ(cave.unlit_lamps, 1u);
  EXPECT_EQ(cave.crystals_needed, 12u);
  EXPECT_EQ(cave.time_left, 900u);
  EXPECT_EQ(cave.creature_period, 2u);
  EXPECT_EQ(cave.last_move, std::vector<std::uint8_t>(34 * 3, 255));
  EXPECT_EQ(cave.moved_at, std::vector<std::uint32_t>(34 * 3, 0));
  EXPECT_EQ(cave.tick, 0u);
  EXPECT_EQ(cave.outcome, CaveOutcome::Running);
  EXPECT_FALSE(cave.wheel);
  EXPECT_FALSE(cave.timed_shifter_started);
}

TEST(Parse, SizeAndShapeErrors) {
  EXPECT_EQ(error_of({"###", "#@#"}), "a cave needs at least 3x3 cells");
  EXPECT_EQ(error_of({"##", "##", "##"}), "a cave needs at least 3x3 cells");
  EXPECT_EQ(error_of({"###", "#@#", "###"}), "no hatch");
  EXPECT_EQ(error_of({"#####", "#@X#", "#####"}), "row 1 is 4 wide, expected 5");
  EXPECT_EQ(error_of({"#####", "# X #", "#####"}), "no digger");
  EXPECT_EQ(error_of({"#####", "#@@X#", "#####"}), "more than one digger");
  EXPECT_EQ(error_of({"#####", "@ X #", "#####"}), "the edge must be steel, but (0, 1) is not");
  EXPECT_EQ(error_of({"#####", "#@ X#", "###.#"}), "the edge must be steel, but (3, 2) is not");
}

TEST(Parse, UnknownCharactersAreQuotedLikeCharLiterals) {
  EXPECT_EQ(error_of({"#####", "#@zX#", "#####"}), "unknown character 'z' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\tX#", "#####"}), "unknown character '\\t' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\rX#", "#####"}), "unknown character '\\r' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\nX#", "#####"}), "unknown character '\\n' in row 1");
  EXPECT_EQ(error_of({"#####", std::string_view("#@\0X#", 5), "#####"}), "unknown character '\\0' in row 1");
  EXPECT_EQ(error_of({"#####", "#@'X#", "#####"}), "unknown character '\\'' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\\X#", "#####"}), "unknown character '\\\\' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\x1bX#", "#####"}), "unknown character '\\u{1b}' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\x7fX#", "#####"}), "unknown character '\\u{7f}' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\"X#", "#####"}), "unknown character '\"' in row 1");
  EXPECT_EQ(error_of({"##a##", "#@ X#", "#####"}), "unknown character 'a' in row 0");
}

TEST(Parse, WidthCountsCharactersNotBytes) {
  // "ä" is two bytes but one character: the row is as wide as the others and the error is
  // about the character itself.
  EXPECT_EQ(error_of({"#####", "#@\xc3\xa4X#", "#####"}), "unknown character '\xc3\xa4' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\xc2\x85X#", "#####"}), "unknown character '\\u{85}' in row 1");
  EXPECT_EQ(error_of({"#####", "#@\xe2\x82\xac\xe2\x82\xac#", "#####"}), "unknown character '\xe2\x82\xac' in row 1");
  EXPECT_EQ(error_of({"#####", "#@X\xe2\x82\xac\xe2\x82\xac#", "#####"}), "row 1 is 6 wide, expected 5");
}

TEST(Parse, TheEdgeRuleComesAfterTheDiggerCount) {
  EXPECT_EQ(error_of({"#####", "#@ X#", "##@##"}), "more than one digger");
  EXPECT_EQ(error_of({"##X##", "#@  #", "#####"}), "the edge must be steel, but (2, 0) is not");
}

TEST(Parse, SeveralHatchesAreAllowed) {
  Cave cave = make_cave({"######", "#X@ X#", "######"});
  EXPECT_EQ(cell_at(cave, 1, 1).kind, CellKind::Hatch);
  EXPECT_EQ(cell_at(cave, 4, 1).kind, CellKind::Hatch);
}

TEST(Parse, SecondPlayerGoesRightThenBelowThenLeftThenAbove) {
  EXPECT_EQ(rows_of(make_cave({"#####", "#@ .#", "#...#", "#..X#", "#####"}, 2)),
            rows({"#####", "#@2.#", "#..X#", "#..X#", "#####"}));
  // Boxed in by brick on the right and dirt below: the partner goes below.
  EXPECT_EQ(rows_of(make_cave({"#####", "#.%.#", "#%@%#", "#%.%#", "#..X#", "#####"}, 2)),
            rows({"#####", "#.%.#", "#%@%#", "#%2%#", "#.XX#", "#####"}));
  // Only room above: found last.
  Cave above = make_cave({"#####", "#%.%#", "#%@%#", "#%%X#", "#  .#", "#####"}, 2);
  EXPECT_EQ(cell_at(above, 2, 1), (Cell{CellKind::Digger, 1}));
  ASSERT_EQ(above.diggers.size(), 2u);
  EXPECT_EQ(above.diggers[1], (DiggerState{2, 1, Dir::Down, DiggerStatus::InCave, false, 0}));
}

TEST(Parse, SecondHatchGoesAboveThenLeftThenRightThenBelow) {
  // Above the hatch is the second digger's cell already, so the second hatch goes left.
  Cave cave = make_cave({"#####", "#%%%#", "#%@.#", "#..X#", "#####"}, 2);
  EXPECT_EQ(rows_of(cave), rows({"#####", "#%%%#", "#%@2#", "#.XX#", "#####"}));
  Cave right = make_cave({"######", "#@.%.#", "#%%X #", "######"}, 2);
  EXPECT_EQ(rows_of(right), rows({"######", "#@2%.#", "#%%XX#", "######"}));
  Cave below = make_cave({"#######", "#@..%.#", "#%%%X%#", "#%%% %#", "#######"}, 2);
  EXPECT_EQ(rows_of(below)[3], "#%%%X%#");
}

TEST(Parse, TwoPlayersNeedRoomForBothPartners) {
  EXPECT_EQ(error_of({"#####", "#%%%#", "#%@%#", "#%%X#", "#####"}, 2), "no room for a second digger next to the first");
  EXPECT_EQ(error_of({"######", "#@.%%#", "#%%%X#", "######"}, 2), "no room for a second hatch next to the first");
}

TEST(ParseDeathTest, OnlyOneOrTwoPlayers) {
  const std::vector<std::string_view> lines = {"#####", "#@ X#", "#####"};
  EXPECT_DEATH(parse_cave(LevelEntry{"T", lines, 0, 10}, 3, Difficulty::Normal), "3 players");
}

TEST(Parse, DifficultyScalesTimeAndCreatureSpeed) {
  const std::vector<std::string_view> lines = {"#####", "#@ X#", "#####"};
  auto parsed = [&](std::uint32_t time, Difficulty difficulty) {
    return parse_cave(LevelEntry{"T", lines, 0, time}, 1, difficulty).value();
  };
  EXPECT_EQ(parsed(900, Difficulty::Easy).time_left, 1350u);
  EXPECT_EQ(parsed(900, Difficulty::Normal).time_left, 900u);
  EXPECT_EQ(parsed(900, Difficulty::Hard).time_left, 675u);
  EXPECT_EQ(parsed(1, Difficulty::Easy).time_left, 1u);
  EXPECT_EQ(parsed(1, Difficulty::Normal).time_left, 1u);
  EXPECT_EQ(parsed(1, Difficulty::Hard).time_left, 0u);
  // The product is worked out wide, so a huge limit does not wrap before the division.
  EXPECT_EQ(parsed(0xFFFFFFFFu, Difficulty::Hard).time_left, 3221225471u);
  EXPECT_EQ(parsed(0xFFFFFFFFu, Difficulty::Easy).time_left, static_cast<std::uint32_t>(6442450942u));
  EXPECT_EQ(parsed(900, Difficulty::Easy).creature_period, 3u);
  EXPECT_EQ(parsed(900, Difficulty::Normal).creature_period, 2u);
  EXPECT_EQ(parsed(900, Difficulty::Hard).creature_period, 1u);
}

}  // namespace
}  // namespace korvedan
