// The session: title menus, name entry, playing with latched input and whole ticks, end screens,
// the sounds heard in the visible window and the camera.
#include "game/session/session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"

namespace korvedan {
namespace {

Cave small_cave(std::vector<std::string_view> rows, std::uint32_t crystals_needed = 0,
                std::uint32_t time = 1000, int players = 1) {
  const LevelEntry entry{"PROBE", rows, crystals_needed, time};
  Result<Cave> cave = parse_cave(entry, players, Difficulty::Normal);
  if (!cave) {
    ADD_FAILURE() << cave.error();
    return Cave{};
  }
  return std::move(cave).value();
}

Cave built_in(std::size_t index, int players = 1, Difficulty difficulty = Difficulty::Normal) {
  return parse_cave(level_entry(index), players, difficulty).value();
}

// A session already playing the given cave, as if it had been started as cave `index`.
Session playing(Cave cave, std::size_t index = 0, Progress progress = {}) {
  Session s(std::move(progress));
  s.stage().cave_index = index;
  s.stage().cave = std::move(cave);
  s.stage().playing = true;
  s.stage().camera = s.camera_target();
  return s;
}

FrameInput pressing(Dir dir, std::size_t player = 0) {
  FrameInput input;
  input.pressed_dir[player] = dir;
  input.held_dir[player] = dir;
  return input;
}

FrameInput holding(Dir dir, std::size_t player = 0) {
  FrameInput input;
  input.held_dir[player] = dir;
  return input;
}

FrameInput with(bool FrameInput::*command) {
  FrameInput input;
  input.*command = true;
  return input;
}

bool has_event(const Session& s, CaveEvent event) {
  return std::find(s.frame_events().begin(), s.frame_events().end(), event) != s.frame_events().end();
}

// Neutral frames until the cave ends or `frames` have passed.
void idle_until_the_end(Session& s, int frames = 200) {
  for (int i = 0; i < frames && s.cave().outcome == CaveOutcome::Running; ++i) s.update({}, 0.1f);
}

// Runs past the end screen's input delay without confirming.
void wait_out_the_end(Session& s) {
  for (int i = 0; i < 6; ++i) s.update({}, 0.1f);
}

const std::vector<std::string_view> corridor_win = {
    "#######",
    "#@.*.X#",
    "#######",
};

const std::vector<std::string_view> open_room = {
    "#####",
    "#...#",
    "#.@.#",
    "#...#",
    "#..X#",
    "#####",
};

// ---- Starting ----------------------------------------------------------------------------

TEST(Session, NewShowsTheTitleWithTheFirstUnwonCave) {
  Progress progress;
  progress.solved = 3;
  const Session s(progress);
  EXPECT_EQ(s.cave_index(), 3u);
  EXPECT_EQ(s.cave(), built_in(3));
  EXPECT_FALSE(s.playing() || s.paused() || s.time_up() || s.save_needed() || s.quit_requested());
  EXPECT_FALSE(s.name_edit().has_value());
  EXPECT_TRUE(s.frame_events().empty());
  EXPECT_EQ(s.latched_dir(), (std::array<Dir, 2>{Dir::None, Dir::None}));
  EXPECT_EQ(s.latched_fire(), (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_EQ(s.tick_clock() + s.screen_clock() + s.end_clock() + s.repeat_clock(), 0.0f);
  EXPECT_EQ(s.camera(), s.camera_target());
  EXPECT_EQ(s.progress(), progress);
}

TEST(Session, CavesAreBuiltForThePlayersAndDifficultyChosen) {
  Progress progress;
  progress.two_players = true;
  progress.difficulty = Difficulty::Hard;
  Session s(progress);
  EXPECT_EQ(s.cave().diggers.size(), 2u);
  EXPECT_EQ(s.cave().time_left, 900u * 75 / 100);
  s.stage().progress.two_players = false;
  s.stage().progress.difficulty = Difficulty::Easy;
  s.start_cave(1);
  EXPECT_EQ(s.cave(), built_in(1, 1, Difficulty::Easy));
}

TEST(Session, StartCaveResetsThePlayButNotTheScreenClocks) {
  Session s = playing(small_cave(open_room));
  s.stage().paused = true;
  s.stage().time_up = true;
  s.stage().tick_clock = 0.1f;
  s.stage().end_clock = 3;
  s.stage().screen_clock = 7;
  s.stage().repeat_clock = 0.2f;
  s.stage().latched_dir = {Dir::Up, Dir::Left};
  s.stage().latched_fire = {1, 1};
  s.stage().camera = {999, 999};
  s.start_cave(2);
  EXPECT_EQ(s.cave_index(), 2u);
  EXPECT_EQ(s.cave(), built_in(2));
  EXPECT_TRUE(s.playing());
  EXPECT_FALSE(s.paused() || s.time_up());
  EXPECT_EQ(s.tick_clock(), 0.0f);
  EXPECT_EQ(s.end_clock(), 0.0f);
  EXPECT_EQ(s.screen_clock(), 7.0f);
  EXPECT_EQ(s.repeat_clock(), 0.2f);
  EXPECT_EQ(s.latched_dir(), (std::array<Dir, 2>{Dir::None, Dir::None}));
  EXPECT_EQ(s.latched_fire(), (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_EQ(s.camera(), s.camera_target());
}

TEST(SessionDeathTest, ACaveIndexOutsideTheTableStopsTheProgram) {
  Session s{Progress{}};
  EXPECT_DEATH(s.start_cave(level_count), "cave index 119 is outside 0\\.\\.118");
}

TEST(Session, NeutralInputOnlyAdvancesClocks) {
  Session title{Progress{}};
  Session expected = title;
  title.update({}, 0.05f);
  expected.stage().screen_clock = 0.05f;
  EXPECT_EQ(title, expected);

  Session s = playing(small_cave(open_room));
  expected = s;
  s.update({}, 0.05f);
  expected.stage().screen_clock = 0.05f;
  expected.stage().tick_clock = 0.05f;
  EXPECT_EQ(s, expected);
}

// ---- Playing a real cave from the title to the next one ------------------------------------

std::vector<TickInput> stored_run(const char* file) {
  std::ifstream in(std::string(KV_SOURCE_DIR) + "/data/runs/" + file);
  std::stringstream text;
  text << in.rdbuf();
  const auto tokens = parse_input_tokens(text.str(), 1);
  EXPECT_TRUE(tokens.ok()) << file;
  std::vector<TickInput> inputs;
  if (tokens.ok()) {
    for (const TickInputs& t : tokens.value()) inputs.push_back(t[0]);
  }
  return inputs;
}

// Each tick's input is a tap in one frame and released in the next: the tick falls in the second.
void play_taps(Session& s, const std::vector<TickInput>& inputs) {
  for (const TickInput& in : inputs) {
    if (s.cave().outcome != CaveOutcome::Running) break;
    FrameInput tap = pressing(in.dir);
    tap.held_dir[0] = Dir::None;
    tap.grab_held[0] = in.grab != 0;
    tap.fire_pressed[0] = in.fire != 0;
    s.update(tap, 0.065f);
    FrameInput release;
    release.grab_held[0] = in.grab != 0;
    s.update(release, 0.065f);
  }
}

TEST(Session, TheFirstCaveIsWonFromTheTitleAndTheSecondFollows) {
  Session s{Progress{}};
  s.update(with(&FrameInput::confirm), 0.016f);
  ASSERT_TRUE(s.playing());
  EXPECT_EQ(s.cave_index(), 0u);

  const std::vector<TickInput> run = stored_run("001-normal.txt");
  ASSERT_FALSE(run.empty());
  play_taps(s, run);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_TRUE(has_event(s, CaveEvent::Won));
  EXPECT_EQ(s.progress().solved, 1u);
  ASSERT_EQ(s.progress().best.size(), 1u);
  EXPECT_EQ(s.progress().best[0], s.cave().score);
  EXPECT_GT(s.cave().score, 0u);
  EXPECT_TRUE(s.save_needed());
  EXPECT_FALSE(s.time_up());

  // A won cave stands still and the end screen ignores confirm for half a second.
  const std::uint32_t tick_at_win = s.cave().tick;
  for (int i = 0; i < 4; ++i) s.update(with(&FrameInput::confirm), 0.1f);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_EQ(s.cave().tick, tick_at_win);
  EXPECT_EQ(s.cave_index(), 0u);
  s.update(with(&FrameInput::confirm), 0.2f);
  EXPECT_EQ(s.cave_index(), 1u);
  EXPECT_TRUE(s.playing());
  EXPECT_EQ(s.cave(), built_in(1));

  // Winning the first cave again with no better score saves nothing.
  s.stage().save_needed = false;
  s.update(with(&FrameInput::back), 0.016f);
  EXPECT_FALSE(s.playing());
  s.update(pressing(Dir::Left), 0.016f);
  s.update(with(&FrameInput::confirm), 0.016f);
  ASSERT_EQ(s.cave_index(), 0u);
  const Progress before = s.progress();
  play_taps(s, run);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_FALSE(s.save_needed());
  EXPECT_EQ(s.progress(), before);
}

TEST(Session, WinningTheLastCaveReturnsToTheTitle) {
  Session s = playing(small_cave(corridor_win, 1), level_count - 1);
  for (int i = 0; i < 12 && s.cave().outcome == CaveOutcome::Running; ++i) {
    s.update(holding(Dir::Right), 0.1f);
  }
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Won);
  EXPECT_EQ(s.progress().solved, 119u);
  EXPECT_EQ(s.progress().best.size(), 119u);
  wait_out_the_end(s);
  s.update(with(&FrameInput::confirm), 0.016f);
  EXPECT_FALSE(s.playing());
  EXPECT_EQ(s.cave_index(), level_count - 1);
}

// ---- Input between ticks -------------------------------------------------------------------

TEST(Session, ATapBetweenTicksMovesOnceAndAHeldKeyMovesEveryTick) {
  Session s = playing(small_cave(open_room));
  s.update(pressing(Dir::Right), 0.05f);   // pressed and released within the frame
  EXPECT_EQ(s.latched_dir()[0], Dir::Right);
  s.update({}, 0.05f);
  EXPECT_EQ(s.cave().tick, 0u);
  s.update({}, 0.05f);                     // 0.15 s: the tick falls due
  EXPECT_EQ(s.cave().tick, 1u);
  EXPECT_EQ(s.cave().diggers[0].x, 3);
  EXPECT_EQ(s.latched_dir()[0], Dir::None);
  EXPECT_NEAR(s.tick_clock(), 0.02f, 1e-5f);
  for (int i = 0; i < 3; ++i) s.update({}, 0.05f);
  EXPECT_EQ(s.cave().tick, 2u);
  EXPECT_EQ(s.cave().diggers[0].x, 3);  // the tap was used up

  s.update(holding(Dir::Down), 0.13f);
  s.update(holding(Dir::Down), 0.13f);
  EXPECT_EQ(s.cave().diggers[0].y, 4);
  EXPECT_EQ(s.cave().tick, 4u);
}

TEST(Session, ALaterTapReplacesAnEarlierOneAndATapBeatsTheHeldDirection) {
  Session s = playing(small_cave(open_room));
  s.update(pressing(Dir::Up), 0.03f);
  s.update(pressing(Dir::Left), 0.03f);
  FrameInput hold_right = holding(Dir::Right);
  s.update(hold_right, 0.08f);
  EXPECT_EQ(s.cave().diggers[0].x, 1);
  EXPECT_EQ(s.cave().diggers[0].y, 2);
}

TEST(Session, FirePressedTwiceBetweenTicksFiresOnce) {
  Session s = playing(small_cave({
      "########",
      "#@dd..X#",
      "########",
  }));
  s.update(holding(Dir::Right), 0.13f);
  s.update(holding(Dir::Right), 0.13f);
  ASSERT_EQ(s.cave().dynamite, 2u);
  FrameInput fire;
  fire.fire_pressed[0] = true;
  s.update(fire, 0.05f);
  s.update(fire, 0.05f);
  s.update({}, 0.05f);
  EXPECT_EQ(s.cave().dynamite, 1u);
  EXPECT_TRUE(s.cave().diggers[0].armed);
  EXPECT_TRUE(has_event(s, CaveEvent::DynamiteLit));
}

TEST(Session, BothKeySetsSteerTheSingleDigger) {
  Session s = playing(small_cave(open_room));
  s.update(pressing(Dir::Up, 1), 0.13f);  // W
  EXPECT_EQ(s.cave().diggers[0].y, 1);
  FrameInput both = pressing(Dir::Right, 0);
  both.pressed_dir[1] = Dir::Down;
  both.held_dir[1] = Dir::Down;
  s.update(both, 0.13f);  // the arrow keys win
  EXPECT_EQ(s.cave().diggers[0].x, 3);
  EXPECT_EQ(s.cave().diggers[0].y, 1);
  FrameInput grab = holding(Dir::Left, 1);
  grab.grab_held[1] = true;
  s.update(grab, 0.13f);  // player 2's grab digs without stepping
  EXPECT_EQ(s.cave().diggers[0].x, 3);
  EXPECT_EQ(cell_at(s.cave(), 2, 1).kind, CellKind::Empty);
}

TEST(Session, AloneEitherKeySetFires) {
  for (std::size_t key_set = 0; key_set < 2; ++key_set) {
    SCOPED_TRACE(key_set);
    Session s = playing(small_cave({
        "#######",
        "#@d..X#",
        "#######",
    }));
    s.update(holding(Dir::Right), 0.13f);
    ASSERT_EQ(s.cave().dynamite, 1u);
    FrameInput fire;
    fire.fire_pressed[key_set] = true;
    s.update(fire, 0.13f);
    EXPECT_EQ(s.cave().dynamite, 0u);
    EXPECT_TRUE(s.cave().diggers[0].armed);
    EXPECT_TRUE(has_event(s, CaveEvent::DynamiteLit));
  }
}

TEST(Session, TwoPlayersEachSteerTheirOwn) {
  Progress two;
  two.two_players = true;
  Session s = playing(small_cave({
      "#######",
      "#.....#",
      "#.@...#",
      "#.....#",
      "#...X.#",
      "#######",
  }, 0, 1000, 2), 0, two);
  ASSERT_EQ(s.cave().diggers.size(), 2u);
  const DiggerState second = s.cave().diggers[1];
  FrameInput input = pressing(Dir::Up, 0);
  input.pressed_dir[1] = Dir::Down;
  s.update(input, 0.13f);
  EXPECT_EQ(s.cave().diggers[0].y, 1);
  EXPECT_EQ(s.cave().diggers[1].y, second.y + 1);
}

TEST(Session, AStallRunsTheLatchedInputOnlyOnce) {
  Session s = playing(small_cave(open_room));
  s.update(pressing(Dir::Left), 0.05f);
  s.update({}, 0.27f);  // more than two periods: two ticks, the tap goes into the first
  EXPECT_EQ(s.cave().tick, 2u);
  EXPECT_EQ(s.cave().diggers[0].x, 1);
  EXPECT_LT(s.tick_clock(), tick_period);
}

// ---- Pause, restart, leaving ---------------------------------------------------------------

TEST(Session, PauseStopsTheClockAndTheLatch) {
  Session s = playing(small_cave(open_room));
  s.update(with(&FrameInput::pause), 0.05f);
  ASSERT_TRUE(s.paused());
  const Session frozen = s;
  for (int i = 0; i < 5; ++i) s.update(pressing(Dir::Up), 0.1f);
  EXPECT_EQ(s.cave(), frozen.cave());
  EXPECT_EQ(s.tick_clock(), frozen.tick_clock());
  EXPECT_EQ(s.latched_dir(), frozen.latched_dir());
  s.update(with(&FrameInput::music), 0.1f);  // M still works while paused
  EXPECT_TRUE(s.progress().music_off);
  EXPECT_TRUE(s.save_needed());
  s.update(with(&FrameInput::pause), 0.1f);
  EXPECT_FALSE(s.paused());
  EXPECT_EQ(s.cave().tick, 0u);
  s.update({}, 0.05f);  // the clock goes on from where it stopped
  EXPECT_EQ(s.cave().tick, 1u);
}

TEST(Session, RestartAndEscapeWorkInEveryPlayingState) {
  Session s = playing(small_cave(open_room), 4);
  s.update(with(&FrameInput::pause), 0.05f);
  s.update(with(&FrameInput::restart), 0.05f);
  EXPECT_FALSE(s.paused());
  EXPECT_EQ(s.cave(), built_in(4));

  s.update(holding(Dir::Right), 0.13f);
  const Cave left_behind = s.cave();
  s.update(with(&FrameInput::back), 0.05f);
  EXPECT_FALSE(s.playing());
  EXPECT_EQ(s.cave(), left_behind);
  EXPECT_EQ(s.cave_index(), 4u);
  EXPECT_FALSE(s.quit_requested());  // Escape in a cave only goes back to the title
}

TEST(Session, LosingByTimeSetsTimeUpAndTheLostCaveGoesOn) {
  Session s = playing(small_cave({
      "######",
      "#@..X#",
      "######",
  }, 5, 3));
  bool heard_time_up = false, heard_lost = false;
  for (int i = 0; i < 10 && s.cave().outcome == CaveOutcome::Running; ++i) {
    s.update({}, 0.13f);
    heard_time_up |= has_event(s, CaveEvent::TimeUp);
    heard_lost |= has_event(s, CaveEvent::Lost);
  }
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Lost);
  EXPECT_TRUE(s.time_up());
  EXPECT_TRUE(heard_time_up && heard_lost);
  EXPECT_EQ(s.end_clock(), 0.0f);

  // Pause does nothing on the end screen, the cave keeps ticking, confirm waits half a second.
  const std::uint32_t tick_at_loss = s.cave().tick;
  s.update(with(&FrameInput::pause), 0.13f);
  EXPECT_FALSE(s.paused());
  EXPECT_EQ(s.cave().tick, tick_at_loss + 1);
  s.update(with(&FrameInput::confirm), 0.13f);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Lost);
  wait_out_the_end(s);
  s.update(with(&FrameInput::confirm), 0.016f);
  EXPECT_EQ(s.cave(), built_in(0));
  EXPECT_FALSE(s.time_up());
  EXPECT_TRUE(s.playing());
}

TEST(Session, LosingToABoulderLeavesTimeUpClear) {
  Session s = playing(small_cave({
      "######",
      "#.o.X#",
      "#. ..#",
      "#. ..#",
      "#@...#",
      "######",
  }));
  s.update(pressing(Dir::Right), 0.13f);
  idle_until_the_end(s, 20);
  ASSERT_EQ(s.cave().outcome, CaveOutcome::Lost);
  EXPECT_EQ(s.cave().diggers[0].status, DiggerStatus::Dead);
  EXPECT_FALSE(s.time_up());
  EXPECT_GT(s.cave().time_left, 900u);
  s.update(with(&FrameInput::restart), 0.016f);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Running);
}

TEST(Session, AnEndScreenTakesConfirmOnlyAfterMoreThanHalfASecond) {
  // Frames of 0.125 s add up to exactly 0.5 s.
  Session won = playing(small_cave(corridor_win, 1), 3);
  for (int i = 0; i < 12 && won.cave().outcome == CaveOutcome::Running; ++i) won.update(holding(Dir::Right), 0.1f);
  ASSERT_EQ(won.cave().outcome, CaveOutcome::Won);
  for (int i = 0; i < 4; ++i) won.update(with(&FrameInput::confirm), 0.125f);
  ASSERT_EQ(won.end_clock(), 0.5f);
  EXPECT_EQ(won.cave_index(), 3u) << "confirm at exactly 0.5 s";
  EXPECT_EQ(won.cave().outcome, CaveOutcome::Won);
  won.update(with(&FrameInput::confirm), 0.001f);
  EXPECT_EQ(won.cave_index(), 4u);
  EXPECT_EQ(won.cave(), built_in(4));

  Session lost = playing(small_cave({
      "######",
      "#@..X#",
      "######",
  }, 5, 1), 3);
  lost.update({}, 0.13f);
  ASSERT_EQ(lost.cave().outcome, CaveOutcome::Lost);
  for (int i = 0; i < 4; ++i) lost.update(with(&FrameInput::confirm), 0.125f);
  ASSERT_EQ(lost.end_clock(), 0.5f);
  EXPECT_EQ(lost.cave().outcome, CaveOutcome::Lost) << "confirm at exactly 0.5 s";
  lost.update(with(&FrameInput::confirm), 0.001f);
  EXPECT_EQ(lost.cave(), built_in(3));
  EXPECT_TRUE(lost.playing());
}

// ---- The title -----------------------------------------------------------------------------

TEST(Session, HoldingRightOnTheTitleRepeatsAfterADelay) {
  Session s{Progress{}};
  s.update(pressing(Dir::Right), 0.02f);
  EXPECT_EQ(s.cave_index(), 1u);
  std::vector<int> steps_at;
  for (int frame = 2; frame <= 40; ++frame) {
    const std::size_t before = s.cave_index();
    s.update(holding(Dir::Right), 0.02f);
    if (s.cave_index() != before) steps_at.push_back(frame);
  }
  // 0.46 s after the press, then every 0.06 s.
  EXPECT_EQ(steps_at, (std::vector<int>{23, 26, 29, 32, 35, 38}));
  s.update({}, 0.02f);
  EXPECT_EQ(s.repeat_clock(), 0.0f);
  // Player 2's keys repeat too, and Left goes back.
  const std::size_t at = s.cave_index();
  for (int i = 0; i < 23; ++i) s.update(holding(Dir::Left, 1), 0.02f);
  EXPECT_EQ(s.cave_index(), at - 1);
}

TEST(Session, TheTitleRepeatsOnlyAfterMoreThanTheDelay) {
  Session s{Progress{}};
  s.update(holding(Dir::Right), title_repeat_delay);  // held exactly 0.45 s: no repeat yet
  ASSERT_EQ(s.repeat_clock(), 0.45f);
  EXPECT_EQ(s.cave_index(), 0u);
  s.update(holding(Dir::Right), 0.001f);
  EXPECT_EQ(s.cave_index(), 1u);

  // Held half a second in frames of 0.125 s: one repeat, at the fourth frame.
  Session half{Progress{}};
  half.stage().cave_index = 5;
  std::vector<std::size_t> caves;
  for (int frame = 0; frame < 4; ++frame) {
    half.update(holding(Dir::Left, 1), 0.125f);
    caves.push_back(half.cave_index());
  }
  EXPECT_EQ(caves, (std::vector<std::size_t>{5, 5, 5, 4}));
}

TEST(Session, UpAndDownNeverRepeat) {
  Session s{Progress{}};
  s.update(pressing(Dir::Up), 0.02f);
  for (int i = 0; i < 60; ++i) s.update(holding(Dir::Up), 0.02f);
  EXPECT_TRUE(s.progress().two_players);
  EXPECT_EQ(s.repeat_clock(), 0.0f);
  s.update(pressing(Dir::Down), 0.02f);
  for (int i = 0; i < 60; ++i) s.update(holding(Dir::Down), 0.02f);
  EXPECT_EQ(s.progress().difficulty, Difficulty::Hard);
  s.update(pressing(Dir::Down, 1), 0.02f);
  EXPECT_EQ(s.progress().difficulty, Difficulty::Easy);
  s.update(pressing(Dir::Down), 0.02f);
  EXPECT_EQ(s.progress().difficulty, Difficulty::Normal);
  EXPECT_TRUE(s.save_needed());
  EXPECT_EQ(s.cave_index(), 0u);
}

TEST(Session, BrowsingStopsAtBothEnds) {
  Session s{Progress{}};
  s.update(pressing(Dir::Left), 0.02f);
  EXPECT_EQ(s.cave_index(), 0u);
  s.stage().cave_index = level_count - 1;
  s.update(pressing(Dir::Right), 0.02f);
  EXPECT_EQ(s.cave_index(), level_count - 1);
  EXPECT_FALSE(s.save_needed());  // browsing changes nothing worth saving
}

TEST(Session, ALockedCaveStartsOnlyWithAllCavesOpen) {
  Session s{Progress{}};
  s.update(pressing(Dir::Right), 0.02f);
  s.update(with(&FrameInput::confirm), 0.02f);
  EXPECT_FALSE(s.playing());
  s.update(with(&FrameInput::open_all_key), 0.02f);
  EXPECT_TRUE(s.progress().all_open);
  EXPECT_TRUE(s.save_needed());
  s.update(with(&FrameInput::confirm), 0.02f);
  EXPECT_TRUE(s.playing());
  EXPECT_EQ(s.cave(), built_in(1));
  s.update(with(&FrameInput::back), 0.02f);
  s.update(with(&FrameInput::open_all_key), 0.02f);
  EXPECT_FALSE(s.progress().all_open);
}

TEST(Session, TabSwitchesPlayersAndOffersTheirCave) {
  Progress progress;
  progress.name = "ANNA";
  progress.solved = 4;
  progress.others = {Profile{1, "BEN", 2, {5, 6}}};
  Session s(progress);
  EXPECT_EQ(s.cave_index(), 4u);
  s.update(with(&FrameInput::players_key), 0.02f);
  EXPECT_EQ(s.progress().name, "BEN");
  EXPECT_EQ(s.progress().slot, 1u);
  EXPECT_EQ(s.cave_index(), 2u);
  EXPECT_TRUE(s.save_needed());
  for (int i = 0; i < 7; ++i) s.update(with(&FrameInput::players_key), 0.02f);
  EXPECT_EQ(s.progress().name, "ANNA");
  EXPECT_EQ(s.cave_index(), 4u);
}

TEST(Session, EscapeOnTheTitleAsksToQuit) {
  Session s{Progress{}};
  s.update(with(&FrameInput::back), 0.02f);
  EXPECT_TRUE(s.quit_requested());
  EXPECT_FALSE(s.playing());
}

TEST(Session, MusicKeyOnTheTitle) {
  Session s{Progress{}};
  s.update(with(&FrameInput::music), 0.02f);
  EXPECT_TRUE(s.progress().music_off);
  s.update(with(&FrameInput::music), 0.02f);
  EXPECT_FALSE(s.progress().music_off);
  EXPECT_TRUE(s.save_needed());
}

// ---- Name entry ----------------------------------------------------------------------------

TEST(Session, RenamingAPlayer) {
  Progress progress;
  progress.name = "OLD";
  Session s(progress);
  FrameInput n_and_confirm = with(&FrameInput::name_key);
  n_and_confirm.confirm = true;
  n_and_confirm.back = true;
  s.update(n_and_confirm, 0.02f);
  ASSERT_TRUE(s.name_edit().has_value());
  EXPECT_EQ(*s.name_edit(), "");
  EXPECT_FALSE(s.playing());          // nothing else happens in the frame N was pressed
  EXPECT_FALSE(s.quit_requested());
  EXPECT_EQ(s.progress().name, "OLD");

  // In name entry the other keys do nothing.
  FrameInput everything = pressing(Dir::Up);
  everything.music = everything.players_key = everything.open_all_key = true;
  s.update(everything, 0.02f);
  EXPECT_EQ(s.progress(), progress);
  EXPECT_FALSE(s.save_needed());
  EXPECT_FALSE(s.progress().two_players);

  s.stage().name_edit = "ab1!c d-\xC3\xA4" "efghijklmnop";
  s.update(with(&FrameInput::confirm), 0.02f);
  EXPECT_FALSE(s.name_edit().has_value());
  EXPECT_EQ(s.progress().name, "AB1CDEFGHI");
  EXPECT_TRUE(s.save_needed());
  EXPECT_FALSE(s.playing());
}

TEST(Session, EscapeLeavesTheNameAndAnEmptyCommitClearsIt) {
  Progress progress;
  progress.name = "KEEP";
  Session s(progress);
  s.update(with(&FrameInput::name_key), 0.02f);
  s.stage().name_edit = "OTHER";
  s.update(with(&FrameInput::back), 0.02f);
  EXPECT_FALSE(s.name_edit().has_value());
  EXPECT_EQ(s.progress().name, "KEEP");
  EXPECT_FALSE(s.quit_requested());
  s.update(with(&FrameInput::name_key), 0.02f);
  s.stage().name_edit = "!?";
  s.update(with(&FrameInput::confirm), 0.02f);
  EXPECT_EQ(s.progress().name, "");
  EXPECT_TRUE(s.save_needed());
}

TEST(Session, NameFilter) {
  EXPECT_EQ(filter_name("abc"), "ABC");
  EXPECT_EQ(filter_name("Z9 z-9"), "Z9Z9");
  EXPECT_EQ(filter_name("12345678901234"), "1234567890");
  EXPECT_EQ(filter_name("\xC3\x84\xC3\x96X"), "X");
  EXPECT_EQ(filter_name(""), "");
}

// ---- Sounds heard in the visible window ----------------------------------------------------

// How many events of this kind one tick of a copy of the cave raises.
int events_in_next_tick(const Cave& cave, CaveEvent event) {
  Cave copy = cave;
  const EventList events = tick(copy, {}, {});
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

TEST(Session, CreatureStepsAreHeardOnlyInsideTheVisibleWindow) {
  // A mite in a tunnel walks left from column 22; the window shows columns 0..20.
  Session s = playing(small_cave({
      "##############################",
      "#@...........................#",
      "#..............       b......#",
      "#...........................X#",
      "##############################",
  }));
  s.stage().camera = {0, 0};
  auto mite_x = [&] {
    for (std::int32_t x = 0; x < s.cave().width; ++x) {
      if (cell_at(s.cave(), x, 2).kind == CellKind::Mite) return x;
    }
    return -1;
  };
  const int expected_x[] = {21, 20, 19};
  const bool heard[] = {false, false, true};
  for (int step = 0; step < 3; ++step) {
    s.stage().frame_events.clear();
    s.session_tick({}, {});
    if (mite_x() != 22 - step) ADD_FAILURE() << "the mite moved early";
    ASSERT_EQ(events_in_next_tick(s.cave(), CaveEvent::CreatureStep), 1);
    s.session_tick({}, {});  // creatures move every second tick on Normal
    EXPECT_EQ(mite_x(), expected_x[step]);
    EXPECT_EQ(has_event(s, CaveEvent::CreatureStep), heard[step]) << "step " << step;
  }
}

TEST(Session, ManyStepsInAFrameAreOneEvent) {
  Session s = playing(small_cave({
      "##########",
      "#@.......#",
      "#........#",
      "#.   b...#",
      "#.   b...#",
      "#.......X#",
      "##########",
  }));
  s.update({}, 0.13f);
  ASSERT_EQ(events_in_next_tick(s.cave(), CaveEvent::CreatureStep), 2);
  s.update(pressing(Dir::Right), 0.13f);
  EXPECT_EQ(std::count(s.frame_events().begin(), s.frame_events().end(), CaveEvent::CreatureStep), 1);
  // Events of several ticks in one frame are kept once each, in the order first raised.
  s.stage().frame_events.clear();
  s.session_tick({0, 0, Dir::Right}, {});
  s.session_tick({0, 0, Dir::Right}, {});
  s.session_tick({0, 0, Dir::Right}, {});
  EXPECT_EQ(s.frame_events(),
            (EventList{CaveEvent::DirtDug, CaveEvent::CreatureStep}));
}

TEST(Session, WispStepsAreFilteredByTheirOwnSighting) {
  Session s = playing(small_cave({
      "##############################",
      "#@...........................#",
      "#.....................m      #",
      "#...........................X#",
      "##############################",
  }));
  s.stage().camera = {0, 0};
  s.session_tick({}, {});
  ASSERT_EQ(events_in_next_tick(s.cave(), CaveEvent::WispStep), 1);
  s.session_tick({}, {});
  EXPECT_FALSE(has_event(s, CaveEvent::WispStep));
  s.stage().camera = {10 * 16, 0};
  s.session_tick({}, {});
  s.session_tick({}, {});
  EXPECT_TRUE(has_event(s, CaveEvent::WispStep));
}

// Whether one creature step of `creature` (a cave letter) in a pocket at columns 23..27 is
// heard with the camera at `camera_x`; the window shows 21 columns from there.
bool creature_step_heard(char creature, float camera_x) {
  std::string pocket = "#@" + std::string(21, '.') + std::string(5, ' ') + std::string(3, '.') + "X#";
  pocket[25] = creature;
  const std::string dirt = "#" + std::string(pocket.size() - 2, '.') + "#";
  const std::string steel(pocket.size(), '#');
  Session s = playing(small_cave({steel, dirt, pocket, dirt, steel}));
  s.stage().camera = {camera_x, 0};
  s.session_tick({}, {});
  if (events_in_next_tick(s.cave(), CaveEvent::CreatureStep) != 1) ADD_FAILURE() << creature << " does not step";
  s.stage().frame_events.clear();
  s.session_tick({}, {});  // creatures move every second tick on Normal
  return has_event(s, CaveEvent::CreatureStep);
}

TEST(Session, MitesGobblersAndRobotsAreAllHeardOnlyInsideTheWindow) {
  for (const char creature : {'b', 'c', 'k'}) {
    EXPECT_FALSE(creature_step_heard(creature, 0)) << creature << " outside the window";
    EXPECT_TRUE(creature_step_heard(creature, 10 * 16)) << creature << " inside the window";
  }
}

// Whether a drop vanishing at column `drop_x` is heard with ooze (or dirt) at column 5 and
// the window on columns 0..20.
bool drop_heard(std::int32_t drop_x, char at_five) {
  std::string floor = "#" + std::string(29, '.') + "#";
  floor[5] = at_five;  // ooze here never drips: there is no room below it
  const std::string steel(31, '#');
  const std::string hall = "#@" + std::string(27, ' ') + "X#";
  Session s = playing(small_cave({steel, hall, floor, steel}));
  s.stage().camera = {0, 0};
  set_cell(s.stage().cave, drop_x, 1, Cell{CellKind::Drop, 0});  // on dirt: it vanishes in the next tick
  if (events_in_next_tick(s.cave(), CaveEvent::DropGone) != 1) ADD_FAILURE() << "no drop at " << drop_x;
  s.session_tick({}, {});
  return has_event(s, CaveEvent::DropGone);
}

TEST(Session, ADropIsHeardWhenOozeOrADropIsInsideTheWindow) {
  EXPECT_FALSE(drop_heard(25, '.')) << "a drop outside the window, no ooze inside";
  EXPECT_TRUE(drop_heard(10, '.')) << "a drop inside the window counts for itself";
  EXPECT_TRUE(drop_heard(25, '^')) << "ooze inside the window";
}

// ---- Camera --------------------------------------------------------------------------------

TEST(Session, ASmallCaveIsCentredAndATwentyWideCaveSitsAtZero) {
  Session s = playing(small_cave(open_room));
  EXPECT_EQ(s.camera_target(), (PixelPoint{(5 * 16 - 320) / 2.0f, (6 * 16 - 176) / 2.0f}));
  EXPECT_EQ(s.camera(), s.camera_target());
  s.start_cave(0);  // ERSTE SCHICHT, 20 × 12
  ASSERT_EQ(s.cave().width, 20);
  EXPECT_EQ(s.camera_target().x, 0.0f);
  for (int i = 0; i < 20; ++i) s.update(holding(Dir::Right), 0.1f);
  EXPECT_EQ(s.camera().x, 0.0f);
}

std::vector<std::string> wide_rows() {
  std::vector<std::string> rows(20, "#" + std::string(58, '.') + "#");
  rows.front() = rows.back() = std::string(60, '#');
  rows[10][30] = '@';
  rows[18][58] = 'X';
  return rows;
}

Cave wide_cave() {
  static const std::vector<std::string> rows = wide_rows();
  const std::vector<std::string_view> views(rows.begin(), rows.end());
  return small_cave(views);
}

TEST(Session, TheCameraFollowsTheDiggerAndSlidesWithIt) {
  Session s = playing(wide_cave());
  EXPECT_EQ(s.camera_target(), (PixelPoint{30 * 16 + 8 - 160, 10 * 16 + 8 - 88}));
  s.stage().camera = {0, 0};
  s.update({}, 0.05f);  // k = 0.35 of the way
  EXPECT_NEAR(s.camera().x, 328 * 0.35f, 1e-3f);
  EXPECT_NEAR(s.camera().y, 80 * 0.35f, 1e-3f);
  s.update({}, 0.5f);  // k capped at 1
  EXPECT_EQ(s.camera(), s.camera_target());

  // Just after a step right the digger is drawn at its old cell, halfway at half a period.
  s.stage().tick_clock = 0.12f;
  s.update(pressing(Dir::Right), 0.01f);
  ASSERT_EQ(s.cave().diggers[0].x, 31);
  ASSERT_LT(s.tick_clock(), 1e-5f);
  EXPECT_NEAR(s.camera_target().x, 328, 0.01f);
  s.stage().tick_clock = tick_period / 2;
  EXPECT_NEAR(s.camera_target().x, 336, 0.01f);
  s.stage().tick_clock = 0.2f;  // clamped
  EXPECT_NEAR(s.camera_target().x, 344, 0.01f);
}

TEST(Session, TheCameraIsClampedToTheCaveAndFollowsAllDiggersWhenNoneIsInside) {
  Session s = playing(wide_cave());
  s.stage().cave.diggers[0].x = 1;
  s.stage().cave.diggers[0].y = 1;
  EXPECT_EQ(s.camera_target(), (PixelPoint{0, 0}));
  s.stage().cave.diggers[0].x = 58;
  s.stage().cave.diggers[0].y = 18;
  EXPECT_EQ(s.camera_target(), (PixelPoint{60 * 16 - 320, 20 * 16 - 176}));
  s.stage().cave.diggers.push_back(DiggerState{10, 10, Dir::Down, DiggerStatus::Dead});
  EXPECT_EQ(s.camera_target(), (PixelPoint{640, 144}));  // only the one inside counts
  s.stage().cave.diggers[0].status = DiggerStatus::Out;
  EXPECT_EQ(s.camera_target(), (PixelPoint{(58 + 10) * 8 + 8 - 160, (18 + 10) * 8 + 8 - 88}));
}

TEST(Session, TheVisibleWindowCopesWithAnyCameraPosition) {
  Session s = playing(small_cave(open_room));
  for (const PixelPoint camera : {PixelPoint{-1e30f, 1e30f}, PixelPoint{3e9f, -3e9f},
                                  PixelPoint{std::nanf(""), 0}}) {
    s.stage().camera = camera;
    s.session_tick({}, {});
  }
  EXPECT_EQ(s.cave().tick, 3u);
}

}  // namespace
}  // namespace korvedan
