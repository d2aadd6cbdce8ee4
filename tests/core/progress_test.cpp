// Opening caves by winning, best scores, and cycling the players who share the machine.
#include "core/progress.hpp"

#include <gtest/gtest.h>

namespace korvedan {
namespace {

using Best = std::vector<std::uint32_t>;

TEST(Progress, DefaultIsAFirstRun) {
  const Progress p;
  EXPECT_EQ(p.solved, 0u);
  EXPECT_TRUE(p.best.empty());
  EXPECT_FALSE(p.music_off);
  EXPECT_FALSE(p.two_players);
  EXPECT_EQ(p.difficulty, Difficulty::Normal);
  EXPECT_EQ(p.slot, 0u);
  EXPECT_TRUE(p.name.empty());
  EXPECT_TRUE(p.others.empty());
  EXPECT_FALSE(p.all_open);
  EXPECT_TRUE(p.is_open(0));
  EXPECT_FALSE(p.is_open(1));
}

TEST(Progress, WinningTheFirstCaveOpensTheSecond) {
  Progress p;
  EXPECT_TRUE(p.record_win(0, 1234));
  EXPECT_EQ(p.solved, 1u);
  EXPECT_EQ(p.best, Best{1234});
  EXPECT_TRUE(p.is_open(1));
  EXPECT_FALSE(p.is_open(2));
}

TEST(Progress, WinningAheadPadsBestWithZerosAndOpensUpToTheNextCave) {
  Progress p;
  p.all_open = true;
  p.solved = 2;
  p.best = {10, 20};
  EXPECT_TRUE(p.record_win(5, 700));
  EXPECT_EQ(p.solved, 6u);
  EXPECT_EQ(p.best, (Best{10, 20, 0, 0, 0, 700}));
  p.all_open = false;
  for (std::size_t c = 0; c <= 6; ++c) EXPECT_TRUE(p.is_open(c)) << c;
  EXPECT_FALSE(p.is_open(7));
  EXPECT_FALSE(p.is_open(118));
  p.all_open = true;
  EXPECT_TRUE(p.is_open(118));
}

TEST(Progress, AWorseOrEqualScoreChangesNothing) {
  Progress p;
  p.solved = 7;
  p.best = {1, 2, 3, 400};
  const Progress before = p;
  EXPECT_FALSE(p.record_win(3, 399));
  EXPECT_FALSE(p.record_win(3, 400));
  EXPECT_EQ(p, before);
  EXPECT_TRUE(p.record_win(3, 401));
  EXPECT_EQ(p.best[3], 401u);
  EXPECT_EQ(p.solved, 7u);
}

TEST(Progress, PaddingAloneIsNoChange) {
  // A cave won with score 0 below solved only lengthens the list, which is nothing worth saving.
  Progress p;
  p.solved = 9;
  EXPECT_FALSE(p.record_win(4, 0));
  EXPECT_EQ(p.best, (Best{0, 0, 0, 0, 0}));
  EXPECT_EQ(p.solved, 9u);
}

TEST(Progress, AnUnnamedPlayerWithoutWinsIsForgottenAndTheSlotsCycle) {
  Progress p;
  p.switch_profile();
  EXPECT_EQ(p.slot, 1u);
  EXPECT_TRUE(p.others.empty());
  EXPECT_EQ(p.solved, 0u);
  for (int i = 0; i < 7; ++i) p.switch_profile();
  EXPECT_EQ(p.slot, 0u);
  EXPECT_EQ(p, Progress{});
}

TEST(Progress, ANamedPlayerComesBackUnchanged) {
  Progress p;
  p.slot = 3;
  p.name = "ANNA";
  p.solved = 5;
  p.best = {10, 20, 30};
  p.others = {Profile{4, "BEN", 2, {7, 8}}};
  p.switch_profile();
  EXPECT_EQ(p.slot, 4u);
  EXPECT_EQ(p.name, "BEN");
  EXPECT_EQ(p.solved, 2u);
  EXPECT_EQ(p.best, (Best{7, 8}));
  ASSERT_EQ(p.others.size(), 1u);
  EXPECT_EQ(p.others[0], (Profile{3, "ANNA", 5, {10, 20, 30}}));

  // 4 → 5 … → 3: BEN is kept (named), slots 5, 6, 7, 0, 1, 2 start fresh and are dropped again.
  for (int i = 0; i < 7; ++i) p.switch_profile();
  EXPECT_EQ(p.slot, 3u);
  EXPECT_EQ(p.name, "ANNA");
  EXPECT_EQ(p.solved, 5u);
  EXPECT_EQ(p.best, (Best{10, 20, 30}));
  ASSERT_EQ(p.others.size(), 1u);
  EXPECT_EQ(p.others[0], (Profile{4, "BEN", 2, {7, 8}}));
}

TEST(Progress, APlayerWithWinsButNoNameIsKept) {
  Progress p;
  p.solved = 1;
  p.best = {50};
  p.switch_profile();
  ASSERT_EQ(p.others.size(), 1u);
  EXPECT_EQ(p.others[0], (Profile{0, "", 1, {50}}));
  EXPECT_TRUE(p.name.empty());
  EXPECT_TRUE(p.best.empty());
  EXPECT_EQ(p.solved, 0u);
}

TEST(Progress, TheFirstWaitingProfileOfASlotIsTaken) {
  Progress p;
  p.slot = 7;
  p.name = "ZED";
  p.others = {Profile{0, "FIRST", 3, {}}, Profile{0, "SECOND", 4, {}}};
  p.switch_profile();
  EXPECT_EQ(p.slot, 0u);
  EXPECT_EQ(p.name, "FIRST");
  ASSERT_EQ(p.others.size(), 2u);
  EXPECT_EQ(p.others[0].name, "SECOND");
  EXPECT_EQ(p.others[1], (Profile{7, "ZED", 0, {}}));
}

TEST(Progress, SettingsSurviveASwitch) {
  Progress p;
  p.music_off = true;
  p.two_players = true;
  p.difficulty = Difficulty::Hard;
  p.all_open = true;
  p.switch_profile();
  EXPECT_TRUE(p.music_off);
  EXPECT_TRUE(p.two_players);
  EXPECT_EQ(p.difficulty, Difficulty::Hard);
  EXPECT_TRUE(p.all_open);
}

TEST(Progress, DifficultyStepsRound) {
  EXPECT_EQ(next_difficulty(Difficulty::Easy), Difficulty::Normal);
  EXPECT_EQ(next_difficulty(Difficulty::Normal), Difficulty::Hard);
  EXPECT_EQ(next_difficulty(Difficulty::Hard), Difficulty::Easy);
}

}  // namespace
}  // namespace korvedan
