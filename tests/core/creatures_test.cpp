// Mites, wisps and gobblers following walls, and robots chasing diggers or a turning wheel.
#include <gtest/gtest.h>

#include "core/tick.hpp"
#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::events;
using testing::go;
using testing::idle;
using testing::idle_ticks;
using testing::make_cave;
using testing::rows_of;
using E = CaveEvent;

struct Spot {
  std::int32_t x, y;
  bool operator==(const Spot&) const = default;
};

// Where the one cell of `kind` is, or (-1, -1).
Spot find(const Cave& cave, CellKind kind) {
  for (std::int32_t y = 0; y < cave.height; ++y) {
    for (std::int32_t x = 0; x < cave.width; ++x) {
      if (cell_at(cave, x, y).kind == kind) return {x, y};
    }
  }
  return {-1, -1};
}

Cave open_room(char creature) {
  std::string middle = "#       #";
  middle[4] = creature;
  return make_cave({"#########", "#@......#", "#       #", "#       #", middle, "#       #", "#      X#", "#########"},
                   1, Difficulty::Hard);
}

TEST(Creatures, AMiteInTheOpenCirclesCounterClockwise) {
  Cave cave = open_room('b');
  const Spot path[] = {{4, 5}, {5, 5}, {5, 4}, {4, 4}};
  const Dir headings[] = {Dir::Down, Dir::Right, Dir::Up, Dir::Left};
  for (int step = 0; step < 4; ++step) {
    EXPECT_EQ(tick_single(cave, idle), events({E::CreatureStep}));
    EXPECT_EQ(find(cave, CellKind::Mite), path[step]) << step;
    EXPECT_EQ(cell_at(cave, path[step].x, path[step].y).param, static_cast<std::uint8_t>(headings[step]));
  }
}

TEST(Creatures, AWispInTheOpenCirclesClockwise) {
  Cave cave = open_room('m');
  const Spot path[] = {{4, 5}, {3, 5}, {3, 4}, {4, 4}};
  for (int step = 0; step < 4; ++step) {
    EXPECT_EQ(tick_single(cave, idle), events({E::WispStep}));
    EXPECT_EQ(find(cave, CellKind::Wisp), path[step]) << step;
  }
}

TEST(Creatures, GoesStraightWhenItsTurnIsBlocked) {
  Cave cave = make_cave({"#######", "#@....#", "#   b #", "#.....#", "#....X#", "#######"}, 1, Difficulty::Hard);
  EXPECT_EQ(tick_single(cave, idle), events({E::CreatureStep}));
  EXPECT_EQ(find(cave, CellKind::Mite), (Spot{3, 2}));
  EXPECT_EQ(cell_at(cave, 3, 2).param, static_cast<std::uint8_t>(Dir::Left));
}

TEST(Creatures, BoxedInTheyTurnOnTheSpotWithoutAnEvent) {
  Cave mite = make_cave({"#######", "#@....#", "#..b..#", "#....X#", "#######"}, 1, Difficulty::Hard);
  for (Dir expected : {Dir::Up, Dir::Right, Dir::Down, Dir::Left}) {
    EXPECT_EQ(tick_single(mite, idle), events({}));
    EXPECT_EQ(cell_at(mite, 3, 2), (Cell{CellKind::Mite, static_cast<std::uint8_t>(expected)}));
  }
  Cave wisp = make_cave({"#######", "#@....#", "#..m..#", "#....X#", "#######"}, 1, Difficulty::Hard);
  for (Dir expected : {Dir::Up, Dir::Left, Dir::Down, Dir::Right}) {
    EXPECT_EQ(tick_single(wisp, idle), events({}));
    EXPECT_EQ(cell_at(wisp, 3, 2), (Cell{CellKind::Wisp, static_cast<std::uint8_t>(expected)}));
  }
}

TEST(Creatures, GobblersEatRestingStarsOnly) {
  Cave cave = make_cave({"#######", "#@....#", "#..c..#", "#..+..#", "#....X#", "#######"}, 1, Difficulty::Hard);
  EXPECT_EQ(tick_single(cave, idle), events({E::StarEaten, E::CreatureStep}));
  EXPECT_EQ(cell_at(cave, 3, 3), (Cell{CellKind::Gobbler, static_cast<std::uint8_t>(Dir::Down)}));

  Cave falling = make_cave({"#######", "#@....#", "#..c..#", "#..+..#", "#....X#", "#######"}, 1, Difficulty::Hard);
  set_cell(falling, 3, 3, Cell{CellKind::Star, 1});
  EXPECT_EQ(tick_single(falling, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(falling, 3, 2), (Cell{CellKind::Gobbler, static_cast<std::uint8_t>(Dir::Up)}));

  Cave mite = make_cave({"#######", "#@....#", "#..b..#", "#..+..#", "#....X#", "#######"}, 1, Difficulty::Hard);
  EXPECT_EQ(tick_single(mite, idle), events({}));
  EXPECT_EQ(cell_at(mite, 3, 3).kind, CellKind::Star);
}

TEST(Creatures, ActOnlyEveryCreaturePeriodTicks) {
  for (auto [difficulty, period] : {std::pair{Difficulty::Easy, 3u}, {Difficulty::Normal, 2u}, {Difficulty::Hard, 1u}}) {
    Cave cave = make_cave({"#########", "#@......#", "#       #", "#       #", "#   b   #", "#       #", "#      X#",
                           "#########"},
                          1, difficulty);
    for (std::uint32_t t = 1; t <= 9; ++t) {
      const EventList got = tick_single(cave, idle);
      EXPECT_EQ(got, t % period == 0 ? events({E::CreatureStep}) : events({})) << t;
    }
  }
}

TEST(Creatures, ExplodeNextToADigger) {
  for (char creature : {'b', 'm', 'c'}) {
    const std::string row = std::string("#.") + creature + ".#";
    Cave cave = make_cave({"#####", row, "#.@.#", "#..X#", "#####"}, 1, Difficulty::Hard);
    EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Lost}));
    EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
    const BlastLeaves leaves = creature == 'm' ? BlastLeaves::Crystal : BlastLeaves::Empty;
    EXPECT_EQ(cell_at(cave, 2, 1), make_blast(leaves, 3)) << creature;
    EXPECT_EQ(cell_at(cave, 2, 3).kind, CellKind::Dirt) << "centred on the creature";
  }
}

// Robots act on even ticks on Normal, so the first tick lets the diggers move first.
TEST(Robots, ChasePlayerOneOnATie) {
  Cave cave = make_cave({"#######", "#   k #", "#.@  .#", "#.....#", "#....X#", "#######"}, 2);
  ASSERT_EQ(cell_at(cave, 3, 2).kind, CellKind::Digger);
  tick(cave, idle, go(Dir::Down));
  EXPECT_EQ(tick(cave, idle, idle), events({E::CreatureStep}));
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{3, 1})) << "three steps from both: after player 1, across first";
}

TEST(Robots, ChaseTheNearerDigger) {
  Cave cave = make_cave({"#######", "#   k #", "#.@  .#", "#.....#", "#....X#", "#######"}, 2);
  tick(cave, idle, go(Dir::Right));
  tick(cave, idle, idle);
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{4, 1})) << "right above player 2: the robot has nowhere to go";
  EXPECT_EQ(cave.diggers[1].status, DiggerStatus::Dead) << "and kills it";
}

TEST(Robots, OnTheSameColumnTheyOnlyMoveUpOrDown) {
  Cave cave = make_cave({"#####", "#@  #", "#   #", "#.  #", "#k  #", "#  X#", "#####"});
  EXPECT_EQ(idle_ticks(cave, 2), events({}));
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{1, 4}));
  set_cell(cave, 1, 3, Cell{});
  EXPECT_EQ(idle_ticks(cave, 2), events({E::CreatureStep}));
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{1, 3}));
  EXPECT_EQ(last_move_at(cave, 1, 3), static_cast<std::uint8_t>(Dir::Up));
}

TEST(Robots, TheLongerWayIsTriedFirst) {
  Cave cave = make_cave({"#######", "#@    #", "#     #", "#     #", "#    k#", "#    X#", "#######"});
  idle_ticks(cave, 2);
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{4, 4})) << "4 across and 3 up: across first";
  Cave tall = make_cave({"#####", "#@  #", "#   #", "#   #", "#  k#", "#  X#", "#####"});
  idle_ticks(tall, 2);
  EXPECT_EQ(find(tall, CellKind::Robot), (Spot{3, 3})) << "2 across and 3 up: up first";
}

TEST(Robots, KillADiggerBesideThemWithoutAnAreaExplosion) {
  Cave cave = make_cave({"######", "#@k..#", "#....#", "#...X#", "######"});
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Lost}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cell_at(cave, 1, 1), make_blast(BlastLeaves::Empty, 3));
  EXPECT_EQ(cave.moved_at[1 * 6 + 1], 2u);
  EXPECT_EQ(rows_of(cave)[2], "#....#");
  EXPECT_EQ(cell_at(cave, 2, 1).kind, CellKind::Robot);
}

TEST(Robots, ATurningWheelDrawsThemAndSparesDiggers) {
  Cave cave = make_cave({"######", "#@k..#", "#O ..#", "#...X#", "######"});
  cave.wheel = ActiveWheel{1, 2, 60};
  idle_ticks(cave, 2);
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::InCave);
  EXPECT_EQ(find(cave, CellKind::Robot), (Spot{2, 2}));
}

TEST(Robots, HeadForAWheelEvenWithNoDiggerInside) {
  for (bool wheel : {true, false}) {
    Cave cave = make_cave({"######", "#@  k#", "#O ..#", "#...X#", "######"});
    set_cell(cave, 1, 1, Cell{CellKind::Dirt, 0});
    cave.diggers[0].status = DiggerStatus::Dead;
    if (wheel) cave.wheel = ActiveWheel{1, 2, 60};
    idle_ticks(cave, 2);
    EXPECT_EQ(cave.outcome, CaveOutcome::Lost);
    EXPECT_EQ(find(cave, CellKind::Robot), wheel ? (Spot{3, 1}) : (Spot{4, 1}));
  }
}

TEST(Robots, TheWheelStopsTurningSixtyTicksAfterItWasTurned) {
  Cave cave = make_cave({"######", "#O@..#", "#....#", "#...X#", "######"}, 1, Difficulty::Normal, 0, 500);
  tick_single(cave, go(Dir::Left));
  idle_ticks(cave, 59);
  ASSERT_TRUE(cave.wheel);
  EXPECT_EQ(cave.wheel->remaining, 1u);
  EXPECT_EQ(cave.tick, 60u);
  tick_single(cave, idle);
  EXPECT_FALSE(cave.wheel) << "gone at the start of the sixtieth tick after";
}

}  // namespace
}  // namespace korvedan
