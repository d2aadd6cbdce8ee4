// The grid: steel outside the edge, moves marking their cell, the hatch rule and the hash.
#include "core/cave.hpp"

#include <gtest/gtest.h>

#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::make_cave;

TEST(Cave, OutsideTheGridIsSteelWithNoLastMove) {
  Cave cave = make_cave({"#####", "#@ X#", "#####"});
  for (auto [x, y] : {std::pair{-1, 0}, {5, 0}, {0, 3}, {-1, -1}, {2, -1}}) {
    EXPECT_EQ(cell_at(cave, x, y), (Cell{CellKind::Steel, 0})) << x << "," << y;
    EXPECT_EQ(last_move_at(cave, x, y), 255);
  }
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Digger, 0}));
  EXPECT_EQ(cell_at(cave, 2, 1), Cell{});
}

TEST(Cave, NothingLeavesTheGridEvenThroughAnOpenEdge) {
  Cave cave = make_cave({"#####", "#@ X#", "#  o#", "#####"});
  set_cell(cave, 0, 1, Cell{});
  set_cell(cave, 3, 3, Cell{});
  set_cell(cave, 3, 2, Cell{CellKind::Boulder, 1});
  tick_single(cave, testing::go(Dir::Left));
  EXPECT_EQ(cave.diggers[0].x, 0);
  tick_single(cave, testing::go(Dir::Left));
  EXPECT_EQ(cave.diggers[0].x, 0);
  EXPECT_EQ(cell_at(cave, 0, 1).kind, CellKind::Digger);
  // The boulder fell into the gap in the bottom edge and lands on the outside.
  EXPECT_EQ(cell_at(cave, 3, 3), (Cell{CellKind::Boulder, 0}));
}

TEST(Cave, MoveCellEmptiesTheSourceAndMarksTheTarget) {
  Cave cave = make_cave({"#####", "#@ X#", "#####"});
  cave.tick = 7;
  move_cell(cave, 1, 1, Dir::Right, Cell{CellKind::Digger, 0});
  EXPECT_EQ(cell_at(cave, 1, 1), Cell{});
  EXPECT_EQ(cell_at(cave, 2, 1), (Cell{CellKind::Digger, 0}));
  EXPECT_EQ(last_move_at(cave, 2, 1), static_cast<std::uint8_t>(Dir::Right));
  EXPECT_EQ(cave.moved_at[1 * 5 + 2], 7u);
  EXPECT_EQ(last_move_at(cave, 1, 1), 255);
  EXPECT_EQ(cave.moved_at[1 * 5 + 1], 0u);
}

TEST(CaveDeathTest, SetCellOutsideTheGridStopsTheProgram) {
  Cave cave = make_cave({"#####", "#@ X#", "#####"});
  EXPECT_DEATH(set_cell(cave, 5, 1, Cell{}), "set_cell outside the cave: \\(5, 1\\)");
  EXPECT_DEATH(set_cell(cave, 0, -1, Cell{}), "outside the cave");
}

TEST(Cave, HatchOpensOnlyWithCrystalsAndEveryLampLitAndNoneBroken) {
  Cave cave = make_cave({"######", "#@LLX#", "######"}, 1, Difficulty::Normal, 2);
  EXPECT_EQ(cave.unlit_lamps, 2u);
  cave.crystals = 2;
  EXPECT_FALSE(hatch_open(cave));
  cave.unlit_lamps = 0;
  EXPECT_TRUE(hatch_open(cave));
  cave.crystals = 1;
  EXPECT_FALSE(hatch_open(cave));
  cave.crystals = 5;
  cave.lamp_broken = true;
  EXPECT_FALSE(hatch_open(cave));
}

TEST(Cave, HashMatchesKnownValuesAndRepeats) {
  EXPECT_EQ(cell_hash(0, 0, 0), 0u);
  EXPECT_EQ(cell_hash(1, 0, 0), 0xC80D83E3u);
  EXPECT_EQ(cell_hash(100, 5, 7), 0x598BBDB9u);
  EXPECT_EQ(cell_hash(100, 5, 7), cell_hash(100, 5, 7));
  EXPECT_NE(cell_hash(100, 5, 7), cell_hash(100, 7, 5));
  // Negative coordinates wrap like any other 32-bit value instead of failing.
  EXPECT_EQ(cell_hash(0, -1, 0), cell_hash(0, static_cast<std::int32_t>(0xFFFFFFFFu), 0));
}

TEST(Cave, CopiesAreWholeAndIndependent) {
  Cave cave = make_cave({"#####", "#@.X#", "#####"});
  Cave copy = cave;
  EXPECT_EQ(copy, cave);
  tick_single(copy, testing::go(Dir::Right));
  EXPECT_NE(copy, cave);
  EXPECT_EQ(cell_at(cave, 2, 1).kind, CellKind::Dirt);
  EXPECT_EQ(cell_at(copy, 2, 1).kind, CellKind::Digger);
}

}  // namespace
}  // namespace korvedan
