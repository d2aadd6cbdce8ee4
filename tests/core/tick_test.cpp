// One tick of the cave: the scan order and heavy objects falling, landing, rolling and hitting.
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

constexpr Cell falling(CellKind kind) { return Cell{kind, 1}; }
constexpr Cell resting(CellKind kind) { return Cell{kind, 0}; }

void put(Cave& cave, std::int32_t x, std::int32_t y, Cell cell) { set_cell(cave, x, y, cell); }

TEST(Tick, CountsTicksAndTime) {
  Cave cave = make_cave({"#####", "#@ X#", "#####"}, 1, Difficulty::Normal, 0, 10);
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cave.tick, 1u);
  EXPECT_EQ(cave.time_left, 9u);
}

TEST(Tick, LastMoveLastsOneTickExceptForCreaturesBetweenTheirSteps) {
  Cave cave = make_cave({"#######", "#@....#", "#     #", "#  b  #", "#    X#", "#######"});
  tick_single(cave, go(Dir::Right));  // tick 1: creatures rest on Normal
  EXPECT_EQ(last_move_at(cave, 2, 1), static_cast<std::uint8_t>(Dir::Right));
  tick_single(cave, idle);  // tick 2: the mite steps down
  EXPECT_EQ(last_move_at(cave, 2, 1), 255);
  EXPECT_EQ(last_move_at(cave, 3, 4), static_cast<std::uint8_t>(Dir::Down));
  tick_single(cave, idle);  // tick 3: the mite rests and keeps showing its step
  EXPECT_EQ(last_move_at(cave, 3, 4), static_cast<std::uint8_t>(Dir::Down));
  tick_single(cave, idle);  // tick 4: it steps right
  EXPECT_EQ(last_move_at(cave, 3, 4), 255);
  EXPECT_EQ(last_move_at(cave, 4, 4), static_cast<std::uint8_t>(Dir::Right));
}

TEST(Heavy, BoulderRestsOnDirtButRollsOffBrick) {
  Cave dirt = make_cave({"#####", "#  o#", "#  .#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(dirt, idle), events({}));
  EXPECT_EQ(cell_at(dirt, 3, 1), resting(CellKind::Boulder));

  Cave brick = make_cave({"#####", "#  o#", "#  %#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(brick, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(brick, 2, 1), falling(CellKind::Boulder));
  EXPECT_EQ(last_move_at(brick, 2, 1), static_cast<std::uint8_t>(Dir::Left));
}

TEST(Heavy, RollingTriesLeftThenRightAndNeedsBothCellsEmpty) {
  Cave cave = make_cave({"######", "# .o #", "#  % #", "#@  X#", "######"});
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(rows_of(cave)[1], "# . o#");
  Cave blocked = make_cave({"######", "# .o.#", "#  % #", "#@  X#", "######"});
  EXPECT_EQ(tick_single(blocked, idle), events({}));
  Cave below_blocked = make_cave({"######", "#  o #", "# .%.#", "#@  X#", "######"});
  EXPECT_EQ(tick_single(below_blocked, idle), events({}));
}

TEST(Heavy, RollsOffWallsMadeForItAndRestingHeavyObjectsOnly) {
  for (Cell floor : {resting(CellKind::GemWall), resting(CellKind::Hidden), resting(CellKind::Crystal),
                     resting(CellKind::Star), resting(CellKind::Nut), resting(CellKind::Boulder)}) {
    Cave cave = make_cave({"#####", "#..o#", "#. .#", "#...#", "#@.X#", "#####"});
    put(cave, 3, 1, Cell{});
    put(cave, 2, 1, Cell{CellKind::Crystal, 0});
    put(cave, 1, 1, Cell{});
    put(cave, 2, 2, floor);
    put(cave, 1, 2, Cell{});
    EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling})) << static_cast<int>(floor.kind);
    EXPECT_EQ(cell_at(cave, 1, 1), falling(CellKind::Crystal));
  }
  for (Cell floor : {resting(CellKind::Steel), resting(CellKind::Dirt), resting(CellKind::Moss),
                     resting(CellKind::Wheel), Cell{CellKind::Lamp, 0}}) {
    Cave cave = make_cave({"#####", "# * #", "#   #", "#   #", "#@.X#", "#####"});
    put(cave, 2, 2, floor);
    tick_single(cave, idle);
    EXPECT_EQ(cell_at(cave, 2, 1), resting(CellKind::Crystal)) << static_cast<int>(floor.kind);
  }
}

TEST(Heavy, FallingBoulderLandsOnARestingOneThenRollsOff) {
  Cave cave = make_cave({"#####", "#  o#", "#   #", "#  o#", "#  .#", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(cave, 3, 2), resting(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 2, 2), falling(CellKind::Boulder));
}

TEST(Heavy, TwoFallingBouldersLandAndFallAgainBecauseRowsGoTopDown) {
  Cave cave = make_cave({"#####", "#.o.#", "#.o.#", "#. .#", "#. .#", "#@.X#", "#####"});
  put(cave, 2, 1, falling(CellKind::Boulder));
  put(cave, 2, 2, falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(cave, 2, 1), resting(CellKind::Boulder));
  EXPECT_EQ(cell_at(cave, 2, 3), falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 2, 2), falling(CellKind::Boulder));
  EXPECT_EQ(cell_at(cave, 2, 4), falling(CellKind::Boulder));
}

TEST(Heavy, RestingBoulderOverADiggerWaitsUntilItLeaves) {
  Cave cave = make_cave({"#####", "#o  #", "#@ X#", "#####"});
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({}));
  EXPECT_EQ(cell_at(cave, 1, 1).kind, CellKind::Boulder);
  EXPECT_EQ(tick_single(cave, idle), events({E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 1, 2), falling(CellKind::Boulder));
}

TEST(Heavy, FallingObjectKillsADigger) {
  Cave cave = make_cave({"#####", "#*  #", "#   #", "#@ X#", "#####"});
  idle_ticks(cave, 1);
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Lost}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cave.outcome, CaveOutcome::Lost);
  EXPECT_EQ(rows_of(cave), rows({"#####", "#   #", "#!! #", "#!!X#", "#####"}));
}

TEST(Heavy, AcidDissolvesWhatStandsOnItFallingOrNot) {
  Cave cave = make_cave({"######", "#o o.#", "#A  .#", "#. A.#", "#@..X#", "######"});
  EXPECT_EQ(tick_single(cave, idle), events({E::Dissolved, E::StartedFalling}));
  EXPECT_EQ(rows_of(cave), rows({"######", "#   .#", "#A o.#", "#. A.#", "#@..X#", "######"}));
  EXPECT_EQ(tick_single(cave, idle), events({E::Dissolved}));
  EXPECT_EQ(rows_of(cave)[2], "#A  .#");
  EXPECT_EQ(cell_at(cave, 3, 3).kind, CellKind::Acid);
}

TEST(Heavy, FallingBoulderSmashesARestingStar) {
  Cave cave = make_cave({"#####", "#o..#", "#+..#", "#...#", "#@.X#", "#####"});
  put(cave, 1, 1, falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::StarSmashed}));
  EXPECT_EQ(cell_at(cave, 1, 1), Cell{});
  EXPECT_EQ(cell_at(cave, 1, 2), falling(CellKind::Boulder));
  EXPECT_EQ(last_move_at(cave, 1, 2), static_cast<std::uint8_t>(Dir::Down));
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
}

TEST(Heavy, CrystalsStarsAndNutsLandOnStarsAndNuts) {
  Cave cave = make_cave({"########", "#*+n*+n#", "#+++nnn#", "#......#", "#@....X#", "########"});
  for (int x = 1; x <= 6; ++x) put(cave, x, 1, falling(cell_at(cave, x, 1).kind));
  EXPECT_EQ(tick_single(cave, idle), EventList(6, E::Landed));
  EXPECT_EQ(rows_of(cave)[1], "#*+n*+n#");
  for (int x = 1; x <= 6; ++x) EXPECT_FALSE(is_falling(cell_at(cave, x, 1)));
  for (int x = 1; x <= 6; ++x) EXPECT_FALSE(is_falling(cell_at(cave, x, 2)));
}

TEST(Heavy, AFallingStarOrNutIsLandedOnLikeAnythingElse) {
  Cave cave = make_cave({"######", "#o.q.#", "#+.n.#", "#....#", "#....#", "#@..X#", "######"});
  put(cave, 1, 1, falling(CellKind::Boulder));
  put(cave, 1, 2, falling(CellKind::Star));
  put(cave, 3, 1, falling(CellKind::Bomb));
  put(cave, 3, 2, falling(CellKind::Nut));
  // The boulder lands on the falling star, the bomb lands on the falling nut and goes off,
  // then the star lands on the dirt.
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed, E::Explosion, E::Landed}));
  EXPECT_EQ(cell_at(cave, 1, 1), resting(CellKind::Boulder));
  EXPECT_EQ(rows_of(cave)[1], "#o!!!#");
}

TEST(Heavy, FallingBoulderCracksANutAndTheNewCrystalActsInTheSameTick) {
  Cave cave = make_cave({"#####", "#o..#", "#n..#", "#  .#", "#@.X#", "#####"});
  put(cave, 1, 1, falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::NutCracked, E::Landed, E::StartedFalling}));
  EXPECT_EQ(cell_at(cave, 1, 1), resting(CellKind::Boulder));
  EXPECT_EQ(cell_at(cave, 1, 2), Cell{});
  EXPECT_EQ(cell_at(cave, 1, 3), falling(CellKind::Crystal));
}

TEST(Heavy, BombsGoOffOnStarsAndNutsAndWhenTheyLand) {
  Cave cave = make_cave({"#########", "#q.Q....#", "#+.n....#", "#.......#", "#.......#", "#@.....X#",
                         "#########"});
  put(cave, 1, 1, falling(CellKind::Bomb));
  put(cave, 3, 1, falling(CellKind::Bigbomb));
  EXPECT_EQ(tick_single(cave, idle), events({E::Explosion, E::Explosion}));
  EXPECT_EQ(rows_of(cave), rows({"#########", "#!!!!!..#", "#!!!!!..#", "#!!!!!..#", "#.......#", "#@.....X#",
                                 "#########"}));

  Cave landing = make_cave({"#####", "#.q.#", "#...#", "#@.X#", "#####"});
  put(landing, 2, 1, falling(CellKind::Bomb));
  EXPECT_EQ(tick_single(landing, idle), events({E::Explosion}));
  EXPECT_EQ(rows_of(landing), rows({"#####", "#!!!#", "#!!!#", "#@.X#", "#####"}));
}

TEST(Heavy, AnyBombUnderAFallingObjectIsHit) {
  for (Cell bomb : {resting(CellKind::Bomb), falling(CellKind::Bomb)}) {
    Cave cave = make_cave({"#####", "#.o.#", "#.q.#", "#...#", "#...#", "#@.X#", "#####"});
    put(cave, 2, 1, falling(CellKind::Boulder));
    put(cave, 2, 2, bomb);
    EXPECT_EQ(tick_single(cave, idle), events({E::Explosion}));
    EXPECT_EQ(rows_of(cave), rows({"#####", "#!!!#", "#!!!#", "#!!!#", "#...#", "#@.X#", "#####"}));
  }
  Cave big = make_cave({"#######", "#..o..#", "#..Q..#", "#.....#", "#.....#", "#.....#", "#@...X#", "#######"});
  put(big, 3, 1, falling(CellKind::Crystal));
  EXPECT_EQ(tick_single(big, idle), events({E::Explosion}));
  EXPECT_EQ(rows_of(big), rows({"#######", "#!!!!!#", "#!!!!!#", "#!!!!!#", "#!!!!!#", "#.....#", "#@...X#",
                                "#######"}));
}

TEST(Heavy, CrushingCreaturesScoresAndLeavesCrystals) {
  struct Case {
    CellKind creature;
    const char* middle;  // row 2 of the leftovers
  };
  for (Case c : {Case{CellKind::Mite, "#.***.#"}, Case{CellKind::Gobbler, "#.***.#"}, Case{CellKind::Wisp, "#.*+*.#"},
                 Case{CellKind::Robot, "#.   .#"}}) {
    Cave cave = make_cave({"#######", "#..o..#", "#.....#", "#.....#", "#.....#", "#@...X#", "#######"});
    put(cave, 3, 1, falling(CellKind::Boulder));
    put(cave, 3, 2, Cell{c.creature, 3});
    EXPECT_EQ(tick_single(cave, idle), events({E::Crushed, E::Explosion}));
    EXPECT_EQ(cave.score, 50u);
    idle_ticks(cave, 3);
    EXPECT_EQ(cell_at(cave, 3, 2).kind, CellKind::Blast) << "still counting down in the fourth tick";
    idle_ticks(cave, 1);
    const bool robot = c.creature == CellKind::Robot;
    EXPECT_EQ(rows_of(cave)[1], robot ? "#.   .#" : "#.***.#");
    EXPECT_EQ(rows_of(cave)[2], c.middle);
    EXPECT_EQ(rows_of(cave)[3], robot ? "#.   .#" : "#.***.#");
  }
}

TEST(Heavy, ShifterTurnsBouldersToCrystalsToStarsToBoulders) {
  struct Case {
    CellKind in, out;
  };
  for (Case c : {Case{CellKind::Boulder, CellKind::Crystal}, Case{CellKind::Crystal, CellKind::Star},
                 Case{CellKind::Star, CellKind::Boulder}, Case{CellKind::Nut, CellKind::Nut},
                 Case{CellKind::Bomb, CellKind::Bomb}, Case{CellKind::Bigbomb, CellKind::Bigbomb}}) {
    Cave cave = make_cave({"#####", "#.o.#", "#.W.#", "#. .#", "#...#", "#...#", "#@.X#", "#####"});
    put(cave, 2, 1, falling(c.in));
    EXPECT_EQ(tick_single(cave, idle), events({E::Shifted}));
    EXPECT_EQ(cell_at(cave, 2, 1), Cell{});
    EXPECT_EQ(cell_at(cave, 2, 2).kind, CellKind::Shifter);
    EXPECT_EQ(cell_at(cave, 2, 3), falling(c.out));
    EXPECT_EQ(last_move_at(cave, 2, 3), static_cast<std::uint8_t>(Dir::Down));
  }
}

TEST(Heavy, ShifterWithNoRoomBelowIsLandedOn) {
  Cave cave = make_cave({"#####", "#.o.#", "#.W.#", "#...#", "#@.X#", "#####"});
  put(cave, 2, 1, falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::Landed}));
  EXPECT_EQ(cell_at(cave, 2, 1), resting(CellKind::Boulder));
}

TEST(Heavy, TimedShifterWorksFortyFiveTicksFromTheFirstArrival) {
  Cave cave = make_cave({"#####", "#.o.#", "#.V.#", "#. .#", "#...#", "#@.X#", "#####"});
  put(cave, 2, 1, falling(CellKind::Boulder));
  EXPECT_EQ(tick_single(cave, idle), events({E::Shifted}));
  EXPECT_TRUE(cave.timed_shifter_started);
  EXPECT_EQ(cave.timed_shifter_timer, 45u);
  EXPECT_EQ(cell_at(cave, 2, 3), falling(CellKind::Crystal));
  tick_single(cave, idle);
  EXPECT_EQ(cave.timed_shifter_timer, 44u);

  // With one tick left it still passes objects; once run out it is a wall.
  for (std::uint32_t left : {2u, 1u}) {
    Cave later = make_cave({"#####", "#.o.#", "#.V.#", "#. .#", "#...#", "#@.X#", "#####"});
    later.timed_shifter_started = true;
    later.timed_shifter_timer = left;
    put(later, 2, 1, falling(CellKind::Boulder));
    EXPECT_EQ(tick_single(later, idle), events({left == 2 ? E::Shifted : E::Landed}));
    EXPECT_EQ(later.timed_shifter_timer, left - 1);
  }
}

TEST(Heavy, FallingObjectBreaksALampAndFallsIntoIt) {
  Cave cave = make_cave({"######", "#.o*.#", "#.LL.#", "#....#", "#@..X#", "######"});
  put(cave, 2, 1, falling(CellKind::Boulder));
  put(cave, 3, 1, falling(CellKind::Crystal));
  put(cave, 3, 2, Cell{CellKind::Lamp, 1});  // already lit
  cave.unlit_lamps = 1;
  EXPECT_EQ(tick_single(cave, idle), events({E::LampBroken, E::LampBroken}));
  EXPECT_EQ(cave.unlit_lamps, 0u) << "only the unlit lamp was still owed";
  EXPECT_TRUE(cave.lamp_broken);
  EXPECT_FALSE(hatch_open(cave));
  EXPECT_EQ(rows_of(cave)[2], "#.o*.#");
  EXPECT_TRUE(is_falling(cell_at(cave, 2, 2)));
}

TEST(Heavy, EverythingElseIsLandedOn) {
  const Cell floors[] = {resting(CellKind::Dirt),     resting(CellKind::Brick),   resting(CellKind::Steel),
                         falling(CellKind::Boulder),  resting(CellKind::Boulder), resting(CellKind::Crystal),
                         falling(CellKind::Crystal),  resting(CellKind::Hatch),   make_blast(BlastLeaves::Empty, 3),
                         resting(CellKind::Dynamite), Cell{CellKind::Fuse, 5},    Cell{CellKind::Key, 1},
                         Cell{CellKind::Door, 2},     resting(CellKind::Ooze),    resting(CellKind::Drop),
                         resting(CellKind::GemWall),  resting(CellKind::Wheel),   resting(CellKind::Hidden),
                         resting(CellKind::Switch)};
  for (Cell floor : floors) {
    Cave cave = make_cave({"#####", "#.o.#", "#...#", "#...#", "#@.X#", "#####"});
    put(cave, 2, 1, falling(CellKind::Boulder));
    put(cave, 2, 2, floor);
    const EventList got = tick_single(cave, idle);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0], E::Landed) << static_cast<int>(floor.kind);
    EXPECT_EQ(cell_at(cave, 2, 1), resting(CellKind::Boulder)) << static_cast<int>(floor.kind);
  }
}

}  // namespace
}  // namespace korvedan
