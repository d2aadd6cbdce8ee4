// Moss growing and hardening, ooze dripping, drops falling, blasts and fuses counting down.
#include <gtest/gtest.h>

#include "core/tick.hpp"
#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::events;
using testing::idle;
using testing::idle_ticks;
using testing::make_cave;
using testing::rows;
using testing::rows_of;
using E = CaveEvent;

// The first tick from `from` on in which the hash at (x, y) passes `test`.
template <class Test>
std::uint32_t first_tick(std::uint32_t from, std::int32_t x, std::int32_t y, Test test) {
  for (std::uint32_t t = from; t < from + 100000; ++t) {
    if (test(cell_hash(t, x, y))) return t;
  }
  ADD_FAILURE() << "the hash never passes";
  return 0;
}

TEST(Moss, WithNowhereToGrowItTurnsIntoCrystalsInTheFirstTick) {
  Cave cave = make_cave({"######", "#%~~%#", "#%%%%#", "#@..X#", "######"});
  EXPECT_EQ(tick_single(cave, idle), events({E::MossTurned}));
  EXPECT_EQ(rows_of(cave)[1], "#%**%#");
  EXPECT_EQ(cell_at(cave, 1 + 1, 1), (Cell{CellKind::Crystal, 0}));
  EXPECT_EQ(tick_single(cave, idle), events({})) << "no moss, nothing to turn";
}

TEST(Moss, GrowsByChanceIntoItsOneOpeningThenHardens) {
  Cave cave = make_cave({"#####", "#% %#", "#%~%#", "#%%%#", "#@.X#", "#####"});
  const std::uint32_t grows = first_tick(1, 2, 2, [](std::uint32_t h) { return h % 20 == 0 && ((h >> 8) & 3) == 0; });
  EXPECT_EQ(idle_ticks(cave, static_cast<int>(grows) - 1), events({}));
  EXPECT_EQ(cell_at(cave, 2, 1), Cell{}) << "the hash has not picked the opening yet";
  EXPECT_EQ(tick_single(cave, idle), events({})) << "it could grow, so it does not harden";
  EXPECT_EQ(cell_at(cave, 2, 1), (Cell{CellKind::Moss, 0}));
  EXPECT_EQ(cave.moved_at[1 * 5 + 2], grows);
  EXPECT_EQ(tick_single(cave, idle), events({E::MossTurned}));
  EXPECT_EQ(rows_of(cave), rows({"#####", "#%*%#", "#%*%#", "#%%%#", "#@.X#", "#####"}));
}

TEST(Moss, GrowsIntoDirtWhereTheHashPoints) {
  Cave cave = make_cave({"#######", "#.....#", "#..~..#", "#.....#", "#@...X#", "#######"});
  const std::uint32_t grows = first_tick(1, 3, 2, [](std::uint32_t h) { return h % 20 == 0; });
  const Dir d = static_cast<Dir>((cell_hash(grows, 3, 2) >> 8) & 3);
  for (std::uint32_t t = 1; t < grows; ++t) tick_single(cave, idle);
  EXPECT_EQ(cell_at(cave, 3 + dir_dx(d), 2 + dir_dy(d)).kind, CellKind::Dirt);
  tick_single(cave, idle);
  EXPECT_EQ(cell_at(cave, 3 + dir_dx(d), 2 + dir_dy(d)), (Cell{CellKind::Moss, 0}));
  int moss = 0;
  for (const Cell& cell : cave.cells) moss += cell.kind == CellKind::Moss ? 1 : 0;
  EXPECT_EQ(moss, 2);
}

TEST(Ooze, DripsByChanceIntoTheEmptyCellBelow) {
  Cave cave = make_cave({"#####", "#.^.#", "#. .#", "#. .#", "#...#", "#@.X#", "#####"});
  const std::uint32_t drips = first_tick(1, 2, 1, [](std::uint32_t h) { return (h & 15) == 0; });
  idle_ticks(cave, static_cast<int>(drips) - 1);
  EXPECT_EQ(cell_at(cave, 2, 2), Cell{});
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cell_at(cave, 2, 2), (Cell{CellKind::Drop, 0}));
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cell_at(cave, 2, 3), (Cell{CellKind::Drop, 0}));
  EXPECT_EQ(last_move_at(cave, 2, 3), static_cast<std::uint8_t>(Dir::Down));
  EXPECT_EQ(tick_single(cave, idle), events({E::DropGone}));
  EXPECT_EQ(cell_at(cave, 2, 3), Cell{});
  EXPECT_EQ(cell_at(cave, 2, 4).kind, CellKind::Dirt);
}

TEST(Ooze, NeverDripsIntoAFullCell) {
  Cave cave = make_cave({"#####", "#.^.#", "#...#", "#@.X#", "#####"});
  EXPECT_EQ(idle_ticks(cave, 200), events({}));
  EXPECT_EQ(rows_of(cave)[2], "#...#");
}

TEST(Drops, VanishOnABoulderAndLeaveItAlone) {
  Cave cave = make_cave({"#####", "#   #", "# o #", "#...#", "#@.X#", "#####"});
  set_cell(cave, 2, 1, Cell{CellKind::Drop, 0});
  EXPECT_EQ(tick_single(cave, idle), events({E::DropGone}));
  EXPECT_EQ(rows_of(cave), rows({"#####", "#   #", "# o #", "#...#", "#@.X#", "#####"}));
}

TEST(Drops, KillADiggerTheyFallOn) {
  Cave cave = make_cave({"#####", "#   #", "#@..#", "#..X#", "#####"});
  set_cell(cave, 1, 1, Cell{CellKind::Drop, 0});
  EXPECT_EQ(tick_single(cave, idle), events({E::DropGone, E::Lost}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cell_at(cave, 1, 2), make_blast(BlastLeaves::Empty, 3));
  EXPECT_EQ(cell_at(cave, 1, 1), Cell{});
  EXPECT_EQ(rows_of(cave)[3], "#..X#") << "no area explosion";
}

TEST(Blasts, CountDownThreeTicksThenLeaveWhatTheyCarry) {
  Cave cave = make_cave({"######", "#    #", "#....#", "#@..X#", "######"});
  set_cell(cave, 1, 1, make_blast(BlastLeaves::Empty, 3));
  set_cell(cave, 2, 1, make_blast(BlastLeaves::Crystal, 3));
  set_cell(cave, 3, 1, make_blast(BlastLeaves::Star, 3));
  for (std::uint8_t left : {2, 1, 0}) {
    EXPECT_EQ(tick_single(cave, idle), events({}));
    EXPECT_EQ(cell_at(cave, 2, 1), make_blast(BlastLeaves::Crystal, left));
  }
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cell_at(cave, 1, 1), Cell{});
  EXPECT_EQ(cell_at(cave, 2, 1), (Cell{CellKind::Crystal, 0}));
  EXPECT_EQ(cell_at(cave, 3, 1), (Cell{CellKind::Star, 0}));
}

TEST(Fuses, BurnDownAndGoOff) {
  Cave cave = make_cave({"#######", "#.....#", "#.....#", "#@...X#", "#######"});
  set_cell(cave, 3, 1, Cell{CellKind::Fuse, 2});
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cell_at(cave, 3, 1), (Cell{CellKind::Fuse, 1}));
  EXPECT_EQ(idle_ticks(cave, 1), events({}));
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion}));
  EXPECT_EQ(rows_of(cave), rows({"#######", "#.!!!.#", "#.!!!.#", "#@...X#", "#######"}));
}

}  // namespace
}  // namespace korvedan
