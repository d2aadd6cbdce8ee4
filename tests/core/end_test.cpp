// The end of a cave: time running out, the hatch opening, won and lost.
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
using E = CaveEvent;

TEST(TimeUp, TheLastTickBlowsUpTheDiggerAndLoses) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"}, 1, Difficulty::Normal, 0, 2);
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cave.time_left, 1u);
  EXPECT_EQ(tick_single(cave, idle), events({E::TimeUp, E::Explosion, E::Lost}));
  EXPECT_EQ(cave.time_left, 0u);
  EXPECT_EQ(cave.outcome, CaveOutcome::Lost);
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
  EXPECT_EQ(cell_at(cave, 2, 2), make_blast(BlastLeaves::Empty, 3));
  EXPECT_EQ(tick_single(cave, idle), events({}));
  EXPECT_EQ(cave.time_left, 0u);
}

TEST(TimeUp, NoTimeAtAllEndsTheFirstTick) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"}, 1, Difficulty::Hard, 0, 1);
  ASSERT_EQ(cave.time_left, 0u);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::DirtDug, E::TimeUp, E::Explosion, E::Lost}));
  EXPECT_EQ(cave.time_left, 0u);
}

TEST(TimeUp, DiggersGoOffOneByOneAndOneAlreadyCaughtOnlyOnce) {
  Cave close = make_cave({"######", "#@...#", "#...X#", "######"}, 2, Difficulty::Normal, 0, 1);
  EXPECT_EQ(tick(close, idle, idle), events({E::TimeUp, E::Explosion, E::Lost}));
  EXPECT_EQ(close.diggers[1].status, DiggerStatus::Dead);

  Cave apart = make_cave({"#######", "#@....#", "#....X#", "#######"}, 2, Difficulty::Normal, 0, 3);
  tick(apart, idle, go(Dir::Right));
  tick(apart, idle, go(Dir::Right));
  EXPECT_EQ(tick(apart, idle, idle), events({E::TimeUp, E::Explosion, E::Explosion, E::Lost}));
}

TEST(TimeUp, OneDiggerOutWinsWithNothingForTheTimeThatRanOut) {
  Cave cave = make_cave({"######", "#@ X.#", "#....#", "######"}, 2, Difficulty::Normal, 0, 2);
  ASSERT_EQ(cell_at(cave, 2, 1).kind, CellKind::Digger);
  EXPECT_EQ(tick(cave, idle, go(Dir::Right)), events({E::DiggerLeft}));
  EXPECT_EQ(cave.time_left, 1u);
  EXPECT_EQ(tick(cave, idle, idle), events({E::TimeUp, E::Explosion, E::Won}));
  EXPECT_EQ(cave.outcome, CaveOutcome::Won);
  EXPECT_EQ(cave.score, 0u) << "the time left after the last tick's count";
  EXPECT_EQ(cave.time_left, 0u);
}

TEST(TimeUp, TheScoreDoesNotGrowWhenTheTimeRunsOutBehindTheFirstOut) {
  // Player 1 takes a crystal and leaves; player 2 stays in until the time is up.
  Cave cave = make_cave({"########", "#X*@ ..#", "#......#", "########"}, 2, Difficulty::Normal, 0, 5);
  ASSERT_EQ(cell_at(cave, 4, 1).kind, CellKind::Digger);
  EXPECT_EQ(tick(cave, go(Dir::Left), idle), events({E::Collected}));
  EXPECT_EQ(tick(cave, go(Dir::Left), idle), events({E::DiggerLeft}));
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Out);
  EXPECT_EQ(cave.score, 10u);
  EXPECT_EQ(idle_ticks(cave, 2), events({}));
  ASSERT_EQ(cave.time_left, 1u);
  EXPECT_EQ(tick(cave, idle, idle), events({E::TimeUp, E::Explosion, E::Won}));
  EXPECT_EQ(cave.diggers[1].status, DiggerStatus::Dead);
  EXPECT_EQ(cave.score, 10u);
}

TEST(TimeUp, TheHatchOpeningIsToldBeforeTheTimeRunsOut) {
  Cave cave = make_cave({"######", "#@*..#", "#...X#", "######"}, 1, Difficulty::Normal, 1, 1);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)),
            events({E::Collected, E::HatchOpened, E::TimeUp, E::Explosion, E::Lost}));
}

TEST(End, HatchOpenedIsRaisedOnceWhenItOpens) {
  Cave cave = make_cave({"######", "#@**.#", "#...X#", "######"}, 1, Difficulty::Normal, 1);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Collected, E::HatchOpened}));
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Collected}));
}

TEST(End, AfterTheEndTheCaveGoesOnWithoutTheClock) {
  Cave cave = make_cave({"#######", "#@X o #", "#.....#", "#######"}, 1, Difficulty::Normal, 0, 50);
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::Won}));
  EXPECT_EQ(cave.score, 50u);
  set_cell(cave, 4, 2, Cell{});
  EXPECT_EQ(tick_single(cave, go(Dir::Right)), events({E::StartedFalling})) << "boulders still fall";
  EXPECT_EQ(cave.time_left, 50u);
  EXPECT_EQ(cave.tick, 2u);
  EXPECT_EQ(cave.score, 50u);
}

}  // namespace
}  // namespace korvedan
