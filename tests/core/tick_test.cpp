// One tick of the cave: heavy objects falling, landing and rolling, and the order of the scan.
#include "core/tick.hpp"

#include <gtest/gtest.h>

#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::events;
using testing::go;
using testing::idle;
using testing::idle_ticks;
using testing::make_cave;
using testing::rows;
using testing::rows_of;
using E = CaveEvent;

TEST(Tick, CountsTicksAndTime) {
  Cave cave = make_cave({"#####", "#@ X#", "#####"}, 1, Difficulty::Normal, 0, 10);
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cave.tick, 1u);
  EXPECT_EQ(cave.time_left, 9u);
}

TEST(Tick, BoulderRestsOnDirtButRollsOffBrick) {
  Cave dirt = make_cave({"#####", "#  o#", "#  .#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(dirt, idle), events({}));
  EXPECT_EQ(cell_at(dirt, 3, 1), (Cell{CellKind::Boulder, 0}));

  Cave brick = make_cave({"#####", "#  o#", "#  %#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(brick, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(brick, 2, 1), (Cell{CellKind::Boulder, 1}));
  EXPECT_EQ(last_move_at(brick, 2, 1), static_cast<std::uint8_t>(Dir::Left));
}

TEST(Tick, RollingTriesLeftThenRightAndNeedsBothCellsEmpty) {
  Cave cave = make_cave({"######", "# .o #", "#  % #", "#@  X#", "######"});
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(rows_of(cave)[1], "# . o#");
  // Nothing rolls off steel, dirt or a falling object.
  Cave blocked = make_cave({"######", "# .o.#", "#  % #", "#@  X#", "######"});
  EXPECT_EQ(tick_single(blocked, idle), events({}));
}

TEST(Tick, FallingBoulderLandsOnARestingOneThenRollsOff) {
  Cave cave = make_cave({"#####", "#  o#", "#   #", "#  o#", "#  .#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(cave, 3, 2), (Cell{CellKind::Boulder, 0}));
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 2, 2), (Cell{CellKind::Boulder, 1}));
}

TEST(Tick, TwoFallingBouldersLandAndFallAgainBecauseRowsGoTopDown) {
  Cave cave = make_cave({"#####", "#.o.#", "#.o.#", "#. .#", "#. .#", "#@.X#", "#####"});
  cave.cells[1 * 5 + 2].param = 1;
  cave.cells[2 * 5 + 2].param = 1;
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(cave, 2, 1), (Cell{CellKind::Boulder, 0}));
  EXPECT_EQ(cell_at(cave, 2, 3), (Cell{CellKind::Boulder, 1}));
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 2, 2), (Cell{CellKind::Boulder, 1}));
  EXPECT_EQ(cell_at(cave, 2, 4), (Cell{CellKind::Boulder, 1}));
}

TEST(Tick, RestingBoulderOverADiggerWaitsUntilItLeaves) {
  Cave cave = make_cave({"#####", "#o  #", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(cell_at(cave, 1, 1).kind, CellKind::Boulder);
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 1, 2), (Cell{CellKind::Boulder, 1}));
}

TEST(Tick, FallingBoulderKillsADigger) {
  Cave cave = make_cave({"#####", "#o  #", "#   #", "#@ X#", "#####"});
  idle_ticks(cave, 1);
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Lost}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cave.outcome, CaveOutcome::Lost);
  EXPECT_EQ(rows_of(cave), rows({"#####", "#   #", "#!! #", "#!!X#", "#####"}));
}

}  // namespace
}  // namespace korvedan
