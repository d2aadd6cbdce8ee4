// Why a cave was lost: one small cave per cause, played through the session by its inputs.
#include "game/session/lost_cause.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "game/session/session.hpp"
#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::go;
using testing::make_cave;

// Plays the cave by `moves` (then idly) until it is lost, at most 400 ticks.
LostCause cause_of(std::initializer_list<std::string_view> rows, std::initializer_list<TickInput> moves) {
  Session s{Progress{}};
  s.start_cave(0);
  s.stage().cave = make_cave(rows);
  auto next = moves.begin();
  for (int i = 0; i < 400 && s.cave().outcome == CaveOutcome::Running; ++i) {
    const TickInput input = next != moves.end() ? *next++ : TickInput{};
    s.session_tick(input, TickInput{});
  }
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Lost);
  return s.lost_cause();
}

TEST(LostCause, EachWayOfLosingIsToldApart) {
  EXPECT_EQ(cause_of({"#####", "# o #", "#   #", "# @X#", "#####"}, {}), LostCause::Crushed);
  EXPECT_EQ(cause_of({"#######", "#@  b #", "####X##", "#######"}, {}), LostCause::Caught);
  EXPECT_EQ(cause_of({"#######", "#@   k#", "#X    #", "#######"}, {}), LostCause::Caught);
  EXPECT_EQ(cause_of({"######", "#@d  #", "#   X#", "######"}, {go(Dir::Right), TickInput{0, 1, Dir::None}}),
            LostCause::BlownUp);
  EXPECT_EQ(cause_of({"#####", "# ^ #", "#   #", "# @X#", "#####"}, {}), LostCause::Drop);
  EXPECT_EQ(cause_of({"#####", "#@A #", "#  X#", "#####"}, {go(Dir::Right)}), LostCause::Acid);
  EXPECT_EQ(cause_of({"######", "#L@d #", "#   X#", "######"}, {go(Dir::Right), go(Dir::Left), TickInput{0, 1, Dir::None}}),
            LostCause::Lamp);
}

TEST(LostCause, GrabbingAcidIsNoStepIntoIt) {
  Session s{Progress{}};
  s.start_cave(0);
  s.stage().cave = make_cave({"#####", "#@A #", "#  X#", "#####"});
  s.session_tick(TickInput{1, 0, Dir::Right}, TickInput{});
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Running);
  EXPECT_EQ(s.lost_cause(), LostCause::Unknown);
}

TEST(LostCause, ARestartForgetsTheCauseAndTimeUpKeepsNone) {
  Session s{Progress{}};
  s.start_cave(0);
  s.stage().cave = make_cave({"#####", "#@A #", "#  X#", "#####"});
  s.session_tick(go(Dir::Right), TickInput{});
  ASSERT_EQ(s.lost_cause(), LostCause::Acid);
  s.start_cave(0);
  EXPECT_EQ(s.lost_cause(), LostCause::Unknown);

  s.stage().cave = make_cave({"#####", "#@  #", "#  X#", "#####"});
  s.stage().cave.time_left = 1;
  s.session_tick(TickInput{}, TickInput{});
  EXPECT_TRUE(s.time_up());
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Lost);
}

TEST(LostCause, TheDiggerThatDiedInTheLosingTickCounts) {
  // Player 1 is gone already; player 2 walks into acid and ends the cave.
  Cave cave = make_cave({"########", "#@ A  X#", "########"}, 2);
  ASSERT_EQ(cell_at(cave, 2, 1).kind, CellKind::Digger);
  cave.diggers[0].status = DiggerStatus::Dead;
  LossWatch before = watch_diggers(cave, TickInput{}, go(Dir::Right));
  EXPECT_FALSE(before[0].inside);
  EventList events;
  tick(cave, TickInput{}, go(Dir::Right), events);
  EXPECT_EQ(lost_cause(before, cave, events), LostCause::Acid);
}

}  // namespace
}  // namespace korvedan
