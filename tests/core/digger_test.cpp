// The digger's turn: digging, collecting, pushing, doors, the hatch, dynamite and the shared screen.
#include <gtest/gtest.h>

#include <string>

#include "core/tick.hpp"
#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::events;
using testing::fire;
using testing::go;
using testing::grab;
using testing::idle;
using testing::idle_ticks;
using testing::make_cave;
using testing::rows;
using testing::rows_of;
using E = CaveEvent;

const DiggerState& player1(const Cave& cave) { return cave.diggers[0]; }

TEST(Digger, DigsCollectsCrystalsAndStars) {
  Cave cave = make_cave({"########", "#@.*+  #", "#......#", "#.....X#", "########"});
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DirtDug}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Collected}));
  EXPECT_EQ(cave.crystals, 1u);
  EXPECT_EQ(cave.score, 10u);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Collected}));
  EXPECT_EQ(cave.crystals, 4u);
  EXPECT_EQ(cave.pickups, 4u);
  EXPECT_EQ(cave.score, 40u);
  EXPECT_EQ(player1(cave), (DiggerState{4, 1, Dir::Right, DiggerStatus::InCave, false, 0}));
  EXPECT_EQ(rows_of(cave)[1], "#   @  #");
  EXPECT_EQ(last_move_at(cave, 4, 1), static_cast<std::uint8_t>(Dir::Right));
}

TEST(Digger, LeavesFallingCrystalsAlone) {
  Cave cave = make_cave({"######", "#@*..#", "#....#", "#...X#", "######"});
  set_cell(cave, 2, 1, Cell{CellKind::Crystal, 1});
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Landed}));
  EXPECT_EQ(player1(cave).x, 1);
  EXPECT_EQ(cave.crystals, 0u);
}

TEST(Digger, PushesRestingObjectsSidewaysIntoEmptyCells) {
  for (CellKind kind : {CellKind::Boulder, CellKind::Nut, CellKind::Bomb, CellKind::Bigbomb}) {
    Cave cave = make_cave({"#######", "#@o ..#", "#.....#", "#....X#", "#######"});
    set_cell(cave, 2, 1, Cell{kind, 0});
    EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Pushed}));
    EXPECT_EQ(cell_at(cave, 3, 1), (Cell{kind, 0}));
    EXPECT_EQ(last_move_at(cave, 3, 1), static_cast<std::uint8_t>(Dir::Right));
    EXPECT_EQ(player1(cave).x, 2);
    EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({})) << "dirt beyond stops the push";
    EXPECT_EQ(player1(cave).x, 2);
  }
  Cave left = make_cave({"#######", "#. o@.#", "#.....#", "#....X#", "#######"});
  EXPECT_EQ(tick_single(left, go(Dir::Left)), events({E::Pushed}));
  EXPECT_EQ(rows_of(left)[1], "#.o@ .#");
}

TEST(Digger, DoesNotPushUpOrAFallingObject) {
  Cave up = make_cave({"#####", "#   #", "#.o.#", "#.@.#", "#..X#", "#####"});
  EXPECT_EQ(tick_single(up, go(Dir::Up)), events({}));
  EXPECT_EQ(rows_of(up)[2], "#.o.#");
  EXPECT_EQ(player1(up).facing, Dir::Up);

  Cave moving = make_cave({"#######", "#@o ..#", "#.....#", "#....X#", "#######"});
  set_cell(moving, 2, 1, Cell{CellKind::Boulder, 1});
  EXPECT_EQ(tick_single(moving, go(Dir::Right)), events({E::Landed}));
  EXPECT_EQ(cell_at(moving, 2, 1), (Cell{CellKind::Boulder, 0}));
  EXPECT_EQ(player1(moving).x, 1);
}

TEST(Digger, GrabTakesWithoutSteppingAndPushesFromWhereItStands) {
  Cave cave = make_cave({"#######", "#@.*  #", "#o ...#", "#....X#", "#######"});
  EXPECT_EQ(tick_single(cave, grab(Dir::Right)), events({E::DirtDug}));
  EXPECT_EQ(rows_of(cave)[1], "#@ *  #");
  EXPECT_EQ(tick_single(cave, grab(Dir::Right)), events({})) << "nothing to take";
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(tick_single(cave, grab(Dir::Right)), events({E::Collected}));
  EXPECT_EQ(rows_of(cave)[1], "# @   #");
  EXPECT_EQ(cave.crystals, 1u);

  Cave push = make_cave({"#######", "#@o ..#", "#.....#", "#....X#", "#######"});
  EXPECT_EQ(tick_single(push, grab(Dir::Right)), events({E::Pushed}));
  EXPECT_EQ(rows_of(push)[1], "#@ o..#");
}

TEST(Digger, PicksUpDynamiteAndKeysAndOpensDoorsOfHeldColours) {
  Cave cave = make_cave({"#########", "#@drR.G.#", "#.......#", "#......X#", "#########"});
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DynamiteTaken}));
  EXPECT_EQ(cave.dynamite, 1u);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::KeyTaken}));
  EXPECT_EQ(cave.keys, 1);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DoorOpened}));
  EXPECT_EQ(cave.keys, 1) << "a key opens any number of doors";
  EXPECT_EQ(player1(cave).x, 4);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DirtDug}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({})) << "no green key";
  EXPECT_EQ(player1(cave).x, 5);
  EXPECT_EQ(cave.pickups, 3u);
}

TEST(Digger, LeavesThroughAnOpenHatchAndWinsWithTheTimeLeft) {
  Cave cave = make_cave({"######", "#@*X.#", "#....#", "######"}, 1, Difficulty::Normal, 1, 100);
  EXPECT_EQ(tick_single(cave, grab(Dir::Down)), events({E::DirtDug}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Collected, E::HatchOpened}));
  EXPECT_EQ(cave.time_left, 98u);
  EXPECT_EQ(tick_single(cave, grab(Dir::Right)), events({})) << "grab never leaves";
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Won}));
  EXPECT_EQ(cave.outcome, CaveOutcome::Won);
  EXPECT_EQ(cave.score, 10u + 97u);
  EXPECT_EQ(cave.time_left, 97u) << "the clock stops once the cave is decided";
  EXPECT_EQ(player1(cave), (DiggerState{3, 1, Dir::Right, DiggerStatus::Out, false, 0}));
  EXPECT_EQ(rows_of(cave)[1], "#  X.#") << "with one player the hatch stays";
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(cave.tick, 5u);
  EXPECT_EQ(cave.score, 107u);
}

TEST(Digger, ClosedHatchIsAWall) {
  Cave cave = make_cave({"######", "#@*X.#", "#....#", "######"}, 1, Difficulty::Normal, 2);
  tick_single(cave, go(Dir::Right));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(player1(cave).status, DiggerStatus::InCave);
  EXPECT_EQ(player1(cave).x, 2);
}

TEST(Digger, LightsLampsAndTheHatchWaitsForThem) {
  Cave cave = make_cave({"######", "#L@X.#", "#....#", "######"});
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({})) << "a lamp is unlit";
  EXPECT_EQ(tick_single(cave, go(Dir::Left)), events({E::LampLit, E::HatchOpened}));
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Lamp, 1}));
  EXPECT_EQ(cave.unlit_lamps, 0u);
  EXPECT_EQ(cave.pickups, 1u);
  EXPECT_EQ(player1(cave).x, 2) << "the digger stays beside the lamp";
  EXPECT_EQ(tick_single(cave, go(Dir::Left)), events({}));
  EXPECT_EQ(cave.pickups, 1u);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Won}));
}

TEST(Digger, ABrokenLampKeepsTheHatchShutForGood) {
  Cave cave = make_cave({"######", "#@*X.#", "#....#", "######"});
  cave.lamp_broken = true;
  tick_single(cave, go(Dir::Right));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(player1(cave).status, DiggerStatus::InCave);
}

TEST(Digger, TurnsWheelsAndPressesSwitches) {
  Cave cave = make_cave({"######", "#O@S.#", "#...X#", "######"});
  EXPECT_EQ(tick_single(cave, go(Dir::Left)), events({E::WheelTurned}));
  ASSERT_TRUE(cave.wheel);
  EXPECT_EQ(*cave.wheel, (ActiveWheel{1, 1, 60}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::SwitchPressed}));
  EXPECT_EQ(cave.wheel->remaining, 59u);
  EXPECT_EQ(cave.switch_timer, 50u);
  tick_single(cave, idle);
  EXPECT_EQ(cave.switch_timer, 49u);
  EXPECT_EQ(rows_of(cave)[1], "#O@S.#");
}

TEST(Digger, WalkingIntoACreatureBlowsItUp) {
  struct Case {
    char creature;
    BlastLeaves leaves;
  };
  for (Case c : {Case{'b', BlastLeaves::Empty}, Case{'c', BlastLeaves::Empty}, Case{'m', BlastLeaves::Crystal}}) {
    const std::string row = std::string("#@") + c.creature + "..#";
    Cave cave = make_cave({"######", row, "#....#", "#...X#", "######"});
    EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Explosion, E::Lost}));
    EXPECT_EQ(player1(cave).status, DiggerStatus::Dead);
    EXPECT_EQ(cell_at(cave, 3, 2), make_blast(c.leaves, 3));
    EXPECT_EQ(cell_at(cave, 4, 1).kind, CellKind::Dirt) << "centred on the creature";
  }
}

TEST(Digger, WalkingIntoARobotOrAcidBlowsUpTheDigger) {
  for (char deadly : {'k', 'A'}) {
    const std::string row = std::string("#@") + deadly + "..#";
    Cave cave = make_cave({"######", row, "#....#", "#...X#", "######"});
    EXPECT_EQ(tick_single(cave, grab(Dir::Right)), events({})) << deadly;
    EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Explosion, E::Lost})) << deadly;
    EXPECT_EQ(cell_at(cave, 3, 1).kind, CellKind::Dirt) << "centred on the digger";
    EXPECT_EQ(cell_at(cave, 1, 2).kind, CellKind::Blast);
    EXPECT_EQ(cell_at(cave, 2, 1).kind, deadly == 'A' ? CellKind::Acid : CellKind::Blast);
  }
}

TEST(Digger, WallsAndBusyCellsStopIt) {
  const Cell stoppers[] = {{CellKind::Brick, 0},  {CellKind::Steel, 0},        make_blast(BlastLeaves::Empty, 3),
                           {CellKind::Fuse, 5},   {CellKind::Shifter, 0},      {CellKind::Moss, 0},
                           {CellKind::Ooze, 0},   {CellKind::TimedShifter, 0}, {CellKind::GemWall, 0},
                           {CellKind::Hidden, 0}};
  for (Cell stopper : stoppers) {
    Cave cave = make_cave({"######", "#@...#", "#%%%%#", "#...X#", "######"});
    set_cell(cave, 2, 1, stopper);
    tick_single(cave, go(Dir::Right));
    EXPECT_EQ(player1(cave).x, 1) << static_cast<int>(stopper.kind);
    EXPECT_EQ(player1(cave).facing, Dir::Right);
    EXPECT_EQ(cell_at(cave, 1, 1).kind, CellKind::Digger);
  }
  Cave drop = make_cave({"######", "#@...#", "#.%%%#", "#...X#", "######"});
  set_cell(drop, 1, 2, Cell{CellKind::Drop, 0});
  EXPECT_EQ(tick_single(drop, go(Dir::Down)), events({E::DropGone})) << "the drop only vanishes on its own turn";
  EXPECT_EQ(player1(drop).y, 1);
}

TEST(Digger, FiringWithoutDynamiteDoesNothing) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"});
  EXPECT_EQ(tick_single(cave, fire()), events({}));
  EXPECT_FALSE(player1(cave).armed);
}

TEST(Digger, FiringAndMovingLeavesAFuseThatGoesOffInTheTenthTick) {
  Cave cave = make_cave({"########", "#@.....#", "#.....X#", "########"});
  cave.dynamite = 1;
  EXPECT_EQ(tick_single(cave, fire(Dir::Right)), events({E::DynamiteLit, E::DirtDug}));
  EXPECT_EQ(cave.dynamite, 0u);
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Fuse, 9}));
  EXPECT_FALSE(player1(cave).armed);
  tick_single(cave, go(Dir::Right));
  tick_single(cave, go(Dir::Right));
  EXPECT_EQ(idle_ticks(cave, 7), events({}));
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Fuse, 0}));
  EXPECT_EQ(cave.tick, 10u);
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion}));
  EXPECT_EQ(rows_of(cave), rows({"########", "#!! @..#", "#!!...X#", "########"}));
}

TEST(Digger, AHeldStickBurnsDownAndTakesTheDiggerWithIt) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"});
  cave.dynamite = 2;
  EXPECT_EQ(tick_single(cave, fire()), events({E::DynamiteLit}));
  EXPECT_EQ(tick_single(cave, fire()), events({})) << "one stick at a time";
  EXPECT_EQ(player1(cave).fuse, 8);
  EXPECT_EQ(cave.dynamite, 1u);
  idle_ticks(cave, 8);
  EXPECT_EQ(player1(cave).fuse, 0);
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Lost}));
  EXPECT_EQ(cave.tick, 11u);
  EXPECT_EQ(player1(cave), (DiggerState{1, 1, Dir::Down, DiggerStatus::Dead, true, 0}));
}

TEST(Digger, ALitStickCarriedAwayIsDroppedWithWhatIsLeftOfItsFuse) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"});
  cave.dynamite = 1;
  tick_single(cave, fire());
  tick_single(cave, idle);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DirtDug}));
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Fuse, 7}));
  EXPECT_FALSE(player1(cave).armed);
}

TEST(Digger, ALitStickIsLeftBehindAtTheHatch) {
  Cave cave = make_cave({"######", "#@X..#", "#....#", "######"});
  cave.dynamite = 1;
  EXPECT_EQ(tick_single(cave, fire(Dir::Right)), events({E::DynamiteLit, E::Won}));
  EXPECT_EQ(cell_at(cave, 1, 1), (Cell{CellKind::Fuse, 9}));
  EXPECT_FALSE(player1(cave).armed);
}

TEST(Digger, TwoDiggersShareOneScreen) {
  Cave wide = make_cave({"######################", "#@                ...#", "#...................X#",
                         "######################"},
                        2);
  for (int i = 0; i < 15; ++i) tick(wide, idle, go(Dir::Right));
  EXPECT_EQ(wide.diggers[1].x, 17);
  EXPECT_EQ(tick(wide, idle, go(Dir::Right)), events({})) << "17 columns apart and growing";
  EXPECT_EQ(wide.diggers[1].x, 17);
  EXPECT_EQ(tick(wide, idle, go(Dir::Left)), events({}));
  EXPECT_EQ(wide.diggers[1].x, 16) << "closing in is always allowed";
  tick(wide, idle, go(Dir::Right));
  EXPECT_EQ(tick(wide, idle, grab(Dir::Right)), events({E::DirtDug})) << "grabbing is not held back";
  EXPECT_EQ(wide.diggers[1].x, 17);
  EXPECT_EQ(wide.diggers[1].facing, Dir::Right);

  Cave tall = make_cave({"#####", "#@ .#", "#. .#", "#. .#", "#. .#", "#. .#", "#. .#", "#. .#", "#. .#", "#. .#",
                         "#. .#", "#. X#", "#####"},
                        2);
  for (int i = 0; i < 7; ++i) tick(tall, idle, go(Dir::Down));
  EXPECT_EQ(tall.diggers[1].y, 8);
  tick(tall, idle, go(Dir::Down));
  EXPECT_EQ(tall.diggers[1].y, 8) << "8 rows apart and growing";
  EXPECT_EQ(tall.diggers[1].facing, Dir::Down);
}

TEST(Digger, TheFirstOutShutsItsHatchAndTheCaveIsWonWhenTheOtherLeaves) {
  Cave cave = make_cave({"#######", "#@ ...#", "#....X#", "#######"}, 2);
  ASSERT_EQ(rows_of(cave)[1], "#@2..X#");
  tick(cave, idle, go(Dir::Right));
  EXPECT_EQ(tick(cave, idle, go(Dir::Right)), events({E::DirtDug}));
  EXPECT_EQ(tick(cave, idle, go(Dir::Right)), events({E::DiggerLeft}));
  EXPECT_EQ(cave.diggers[1], (DiggerState{5, 1, Dir::Right, DiggerStatus::Out, false, 0}));
  EXPECT_EQ(cell_at(cave, 5, 1).kind, CellKind::Steel);
  EXPECT_EQ(cave.outcome, CaveOutcome::Running);
  tick(cave, go(Dir::Down), idle);
  for (int i = 0; i < 3; ++i) tick(cave, go(Dir::Right), idle);
  const std::uint32_t time_before = cave.time_left;
  EXPECT_EQ(tick(cave, go(Dir::Right), idle), events({E::Won}));
  EXPECT_EQ(cave.score, time_before);
  EXPECT_EQ(cell_at(cave, 5, 2).kind, CellKind::Hatch) << "the last one out leaves its hatch";
}

TEST(Digger, TheCaveIsWonWhenThePartnerDiesAfterTheFirstGotOut) {
  Cave cave = make_cave({"#######", "#@ ...#", "#A...X#", "#######"}, 2);
  for (int i = 0; i < 3; ++i) tick(cave, idle, go(Dir::Right));
  ASSERT_EQ(cave.diggers[1].status, DiggerStatus::Out);
  const std::uint32_t time_before = cave.time_left;
  EXPECT_EQ(tick(cave, go(Dir::Down), idle), events({E::Explosion, E::Won}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cave.score, time_before);
}

TEST(DiggerDeathTest, AForeignPlayerIndexStopsTheProgram) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"});
  set_cell(cave, 2, 1, Cell{CellKind::Digger, 1});
  EXPECT_DEATH(tick_single(cave, idle), "player index 1");
  set_cell(cave, 2, 1, Cell{CellKind::Digger, 7});
  EXPECT_DEATH(tick_single(cave, idle), "player index 7");
}

}  // namespace
}  // namespace korvedan
