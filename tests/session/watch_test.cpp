// Recording the run of a played cave, watching a recorded run (speed, pause, leaving, an older
// cave's run refused), and "show me how" after three losses in a row.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/cave_digest.hpp"
#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "core/stored_runs.hpp"
#include "game/session/session.hpp"

namespace korvedan {
namespace {

Cave built_in(std::size_t index, int players = 1, Difficulty difficulty = Difficulty::Normal) {
  return parse_cave(level_entry(index), players, difficulty).value();
}

std::vector<TickInputs> stored_tokens(std::size_t cave, Difficulty difficulty) {
  const Result<std::vector<TickInputs>> tokens = parse_input_tokens(stored_run_text(cave, difficulty), 1);
  EXPECT_TRUE(tokens) << (tokens ? "" : tokens.error());
  return tokens ? tokens.value() : std::vector<TickInputs>{};
}

FrameInput with(bool FrameInput::*command) {
  FrameInput input;
  input.*command = true;
  return input;
}

// Each tick's input is pressed in one frame and released in the next, as a player taps keys;
// the tick falls in the second frame.
void play_taps(Session& s, const std::vector<TickInputs>& inputs) {
  for (const TickInputs& in : inputs) {
    if (s.cave().outcome != CaveOutcome::Running) break;
    FrameInput tap;
    tap.pressed_dir[0] = in[0].dir;
    tap.grab_held[0] = in[0].grab != 0;
    tap.fire_pressed[0] = in[0].fire != 0;
    s.update(tap, 0.065f);
    FrameInput release;
    release.grab_held[0] = in[0].grab != 0;
    s.update(release, 0.065f);
  }
}

// A run of the first cave as its file would hold it: the given inputs on today's cave.
RecordedRun run_of_cave_1(std::vector<TickInputs> inputs, std::uint32_t score = 100) {
  return RecordedRun{{0, 1, Difficulty::Normal, score, cave_digest(built_in(0))}, std::move(inputs)};
}

std::vector<TickInputs> walking(Dir dir, std::size_t ticks) {
  return std::vector<TickInputs>(ticks, TickInputs{TickInput{0, 0, dir}, TickInput{}});
}

TEST(RunRecording, WinningCave1WithItsStoredRunRecordsItTokenForToken) {
  Session s{Progress{}};
  s.update(with(&FrameInput::confirm), 0.016f);
  ASSERT_TRUE(s.playing());
  const std::vector<TickInputs> run = stored_tokens(0, Difficulty::Normal);
  ASSERT_FALSE(run.empty());
  play_taps(s, run);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Won);

  ASSERT_EQ(s.run_inputs().size(), static_cast<std::size_t>(s.cave().tick));
  ASSERT_LE(s.run_inputs().size(), run.size());
  for (std::size_t i = 0; i < s.run_inputs().size(); ++i) {
    EXPECT_EQ(format_input_token(s.run_inputs()[i][0]), format_input_token(run[i][0])) << "tick " << i;
    EXPECT_EQ(s.run_inputs()[i][1], TickInput{}) << "alone, the second player stays idle";
  }
  const std::optional<RunHeader> won = s.take_won_run();
  ASSERT_TRUE(won);
  EXPECT_EQ(*won, (RunHeader{0, 1, Difficulty::Normal, s.cave().score, cave_digest(built_in(0))}));
  EXPECT_FALSE(s.take_won_run()) << "handed over once";

  // The end screen stands still; the run is not recorded any further.
  const std::size_t ticks = s.run_inputs().size();
  for (int i = 0; i < 4; ++i) s.update({}, 0.1f);
  EXPECT_EQ(s.run_inputs().size(), ticks);
  // A new cave starts a new recording.
  s.start_cave(1);
  EXPECT_TRUE(s.run_inputs().empty());
  EXPECT_FALSE(s.take_won_run());
}

TEST(RunRecording, BothPlayersAreRecordedAndALostCaveIsNoRunToKeep) {
  Progress two;
  two.two_players = true;
  Session s{two};
  s.start_cave(0);
  FrameInput both;
  both.held_dir = {Dir::Right, Dir::Left};
  both.fire_pressed[1] = true;
  s.update(both, 0.13f);
  ASSERT_EQ(s.run_inputs().size(), 1u);
  EXPECT_EQ(s.run_inputs()[0][0], (TickInput{0, 0, Dir::Right}));
  EXPECT_EQ(s.run_inputs()[0][1], (TickInput{0, 1, Dir::Left}));

  s.stage().cave.time_left = 1;
  for (int i = 0; i < 5 && s.cave().outcome == CaveOutcome::Running; ++i) s.update({}, 0.13f);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Lost);
  EXPECT_FALSE(s.take_won_run());
  const std::size_t ticks = s.run_inputs().size();
  s.update({}, 0.13f);  // a lost cave goes on moving, unrecorded
  EXPECT_EQ(s.run_inputs().size(), ticks);
}

TEST(Watching, TheRecordedRunReachesWonWithTheSameScoreAndWinsNothing) {
  Session player{Progress{}};
  player.start_cave(0);
  play_taps(player, stored_tokens(0, Difficulty::Normal));
  const std::optional<RunHeader> won = player.take_won_run();
  ASSERT_TRUE(won);
  const RecordedRun recorded{*won, player.run_inputs()};

  Session s{Progress{}};
  s.watch_own_run(recorded);
  ASSERT_TRUE(s.playing());
  ASSERT_TRUE(s.watch());
  EXPECT_EQ(s.watch()->kind, WatchKind::OwnBest);
  EXPECT_EQ(s.cave(), built_in(0));
  // Directions held (a swipe, a pad) do nothing to the run.
  FrameInput steering;
  steering.held_dir = {Dir::Left, Dir::Up};
  steering.grab_held = {true, true};
  for (int i = 0; i < 2000 && s.cave().outcome == CaveOutcome::Running; ++i) s.update(steering, 0.05f);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_EQ(s.cave().score, recorded.header.score);
  EXPECT_EQ(s.cave(), player.cave());
  EXPECT_EQ(s.progress(), Progress{}) << "watching opens no cave and keeps no score";
  EXPECT_FALSE(s.save_needed());
  EXPECT_FALSE(s.take_won_run());

  // The end waits half a second, then Space goes back to the title.
  s.update(with(&FrameInput::space_key), 0.1f);
  EXPECT_TRUE(s.watch());
  for (int i = 0; i < 6; ++i) s.update({}, 0.1f);
  s.update(with(&FrameInput::space_key), 0.016f);
  EXPECT_FALSE(s.watch());
  EXPECT_FALSE(s.playing());
  EXPECT_EQ(s.cave(), built_in(0)) << "the title offers the cave afresh";
}

TEST(Watching, RightDoublesTheSpeedUpToEightAndSpacePauses) {
  Session s{Progress{}};
  s.watch_own_run(run_of_cave_1(walking(Dir::None, 400)));
  ASSERT_TRUE(s.watch());
  s.update({}, 0.13f);
  EXPECT_EQ(s.watch()->next, 1u) << "normal speed: one tick in 0.13 s";

  s.update(with(&FrameInput::right_key), 0.13f);
  EXPECT_EQ(s.watch()->speed, 2u);
  EXPECT_EQ(s.watch()->next, 3u);
  for (unsigned expected : {4u, 8u, 8u}) {
    s.update(with(&FrameInput::right_key), 0.0f);
    EXPECT_EQ(s.watch()->speed, expected);
  }
  s.update({}, 0.13f);
  EXPECT_EQ(s.watch()->next, 11u) << "eight ticks in 0.13 s";
  EXPECT_EQ(s.cave().tick, 11u);

  s.update(with(&FrameInput::space_key), 0.13f);
  EXPECT_TRUE(s.watch()->paused);
  const Cave still = s.cave();
  for (int i = 0; i < 10; ++i) s.update({}, 0.1f);
  EXPECT_EQ(s.cave(), still);
  EXPECT_EQ(s.watch()->next, 11u);
  s.update(with(&FrameInput::space_key), 0.13f);
  EXPECT_FALSE(s.watch()->paused);
  EXPECT_EQ(s.watch()->next, 19u);
  EXPECT_TRUE(s.playing());
}

TEST(Watching, AnyOtherKeyOrAPadsBackEndsItAndReturnsToTheTitle) {
  for (bool FrameInput::*key : {&FrameInput::other_key, &FrameInput::back}) {
    Session s{Progress{}};
    s.watch_own_run(run_of_cave_1(walking(Dir::Right, 50)));
    s.update({}, 0.13f);
    ASSERT_TRUE(s.playing());
    FrameInput leave = with(key);
    leave.confirm = true;  // Enter, a click and a pad's face button confirm as well
    s.update(leave, 0.016f);
    EXPECT_FALSE(s.playing());
    EXPECT_FALSE(s.watch());
    EXPECT_EQ(s.cave(), built_in(0));
    EXPECT_FALSE(s.quit_requested()) << "leaving a run is not leaving the game";
  }
}

TEST(Watching, ARunOfAnOlderCaveOrAnotherCaveIsRefusedWithANote) {
  Session s{Progress{}};
  RecordedRun older = run_of_cave_1(walking(Dir::Right, 5));
  older.header.cave_hash ^= 1;
  s.watch_own_run(older);
  EXPECT_FALSE(s.playing());
  EXPECT_FALSE(s.watch());
  EXPECT_EQ(s.title_note(), TitleNote::OlderCave);

  Session hard{Progress{}};
  RecordedRun other = run_of_cave_1(walking(Dir::Right, 5));
  other.header.difficulty = Difficulty::Hard;
  hard.watch_own_run(other);
  EXPECT_FALSE(hard.watch());
  EXPECT_EQ(hard.title_note(), TitleNote::Unreadable);

  // The note goes after a few seconds.
  for (int i = 0; i < 29; ++i) s.update({}, 0.1f);
  EXPECT_EQ(s.title_note(), TitleNote::OlderCave);
  s.update({}, 0.2f);
  EXPECT_EQ(s.title_note(), TitleNote::None);
}

TEST(Watching, VOnTheTitleAsksForTheRunOnlyThere) {
  Session s{Progress{}};
  s.update(with(&FrameInput::watch_key), 0.016f);
  EXPECT_TRUE(s.take_watch_wanted());
  EXPECT_FALSE(s.take_watch_wanted());
  s.start_cave(0);
  s.update(with(&FrameInput::watch_key), 0.016f);
  EXPECT_FALSE(s.take_watch_wanted()) << "not while playing";
}

// Loses the cave being played by letting its time run out, then waits out the end's delay.
void lose(Session& s) {
  s.stage().cave.time_left = 1;
  for (int i = 0; i < 5 && s.cave().outcome == CaveOutcome::Running; ++i) s.update({}, 0.13f);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Lost);
  for (int i = 0; i < 6; ++i) s.update({}, 0.1f);
}

TEST(ShowHow, OfferedAfterTheThirdLossInARowOnTheSameCave) {
  Session s{Progress{}};
  s.update(with(&FrameInput::confirm), 0.016f);
  lose(s);
  EXPECT_FALSE(s.offers_show_how());
  s.update(with(&FrameInput::show_key), 0.016f);
  EXPECT_FALSE(s.watch()) << "H does nothing before it is offered";
  s.update(with(&FrameInput::confirm), 0.016f);  // again
  lose(s);
  EXPECT_EQ(s.losses_in_row(), 2u);
  EXPECT_FALSE(s.offers_show_how());
  s.update(with(&FrameInput::restart), 0.016f);
  lose(s);
  EXPECT_EQ(s.losses_in_row(), 3u);
  EXPECT_TRUE(s.offers_show_how());

  // Another cave starts the count again.
  s.start_cave(1);
  lose(s);
  EXPECT_EQ(s.losses_in_row(), 1u);
  EXPECT_FALSE(s.offers_show_how());
}

TEST(ShowHow, HPlaysTheBuiltInRunToAWinAlone) {
  Progress two;
  two.two_players = true;
  two.difficulty = Difficulty::Hard;
  Session s{two};
  s.start_cave(2);
  for (int i = 0; i < 3; ++i) {
    lose(s);
    s.update(with(&FrameInput::confirm), 0.016f);
  }
  lose(s);
  ASSERT_TRUE(s.offers_show_how());
  s.update(with(&FrameInput::show_key), 0.016f);
  ASSERT_TRUE(s.watch());
  EXPECT_EQ(s.watch()->kind, WatchKind::ShowHow);
  EXPECT_EQ(s.cave(), built_in(2, 1, Difficulty::Hard)) << "the stored runs are for one player";
  for (int i = 0; i < 4000 && s.cave().outcome == CaveOutcome::Running; ++i) s.update({}, 0.1f);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_LE(s.watch()->next, stored_tokens(2, Difficulty::Hard).size());
  EXPECT_EQ(s.progress().solved, 0u);
  EXPECT_FALSE(s.offers_show_how());
  s.update(with(&FrameInput::other_key), 0.016f);
  EXPECT_FALSE(s.playing());
  EXPECT_EQ(s.cave(), built_in(2, 2, Difficulty::Hard)) << "back to the players' own choice";
}

}  // namespace
}  // namespace korvedan
