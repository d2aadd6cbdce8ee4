// The game keeps a won cave's run beside the save and plays it back with V: the file's place
// and first line, a lower score leaving the better run alone, a runs folder that cannot be
// written, and a file that cannot be used.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/cave_digest.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "core/stored_runs.hpp"
#include "game/app/game.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

FrameInput with(bool FrameInput::*command) {
  FrameInput input;
  input.*command = true;
  return input;
}

class RunKeeping : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kv-runs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }

  Game new_game(Progress progress = {}) { return Game(std::move(progress), RunFiles(dir / "save.json", errors)); }

  // From the title: starts the cave shown and taps its stored run in, a tick every two frames.
  void win_with_stored_run(Game& game, Difficulty difficulty = Difficulty::Normal) {
    game.frame(with(&FrameInput::confirm), 0.016f);
    const auto run = parse_input_tokens(stored_run_text(game.session().cave_index(), difficulty), 1).value();
    for (const TickInputs& in : run) {
      if (game.session().cave().outcome != CaveOutcome::Running) break;
      FrameInput tap;
      tap.pressed_dir[0] = in[0].dir;
      tap.grab_held[0] = tap.grab_held[0] || in[0].grab != 0;
      tap.fire_pressed[0] = in[0].fire != 0;
      game.frame(tap, 0.065f);
      FrameInput release;
      release.grab_held[0] = in[0].grab != 0;
      game.frame(release, 0.065f);
    }
    ASSERT_EQ(game.session().cave().outcome, CaveOutcome::Won);
  }

  fs::path dir;
  std::ostringstream errors;
};

TEST_F(RunKeeping, AWonCaveWritesItsRunBesideTheSaveUnderTheProfileSlot) {
  Game game = new_game();
  win_with_stored_run(game);
  const fs::path file = dir / "runs" / "0" / "001-normal-1p.txt";
  ASSERT_TRUE(fs::is_regular_file(file)) << errors.str();
  const std::uint32_t score = game.session().cave().score;
  const std::uint64_t start = cave_digest(parse_cave(level_entry(0), 1, Difficulty::Normal).value());
  const std::string text = read_text(file);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(start));
  EXPECT_EQ(first_line(text),
            "korvedan run cave 1 players 1 difficulty normal score " + std::to_string(score) + " hash " + hash);
  EXPECT_EQ(text, format_recorded_run({0, 1, Difficulty::Normal, score, start}, game.session().run_inputs()));
  EXPECT_EQ(errors.str(), "");
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(file.parent_path(), ignored)) {
    EXPECT_EQ(entry.path().filename(), file.filename()) << "no temporary file is left";
  }
}

TEST_F(RunKeeping, ABetterRunKeptStaysAndAWorseOneOrAnOlderCavesIsReplaced) {
  Game first = new_game();
  win_with_stored_run(first);
  const fs::path file = dir / "runs" / "0" / "001-normal-1p.txt";
  const std::string won = read_text(file);
  const std::uint32_t score = first.session().cave().score;

  // The kept run scored more: winning again with less leaves it as it is.
  const std::string score_text = " score " + std::to_string(score) + " ";
  std::string better = won;
  better.replace(better.find(score_text), score_text.size(), " score " + std::to_string(score + 1) + " ");
  { std::ofstream(file, std::ios::binary) << better; }
  Game again = new_game();
  win_with_stored_run(again);
  EXPECT_EQ(read_text(file), better);
  // The same score changes nothing either.
  { std::ofstream(file, std::ios::binary) << won; }
  const fs::file_time_type written = fs::last_write_time(file);
  Game equal = new_game();
  win_with_stored_run(equal);
  EXPECT_EQ(fs::last_write_time(file), written);

  // A kept run that scored less, or one recorded on an older version of the cave, gives way.
  std::string worse = won;
  worse.replace(worse.find(score_text), score_text.size(), " score " + std::to_string(score - 1) + " ");
  { std::ofstream(file, std::ios::binary) << worse; }
  Game beats = new_game();
  win_with_stored_run(beats);
  EXPECT_EQ(read_text(file), won);
  std::string older = better;
  older[first_line(older).size() - 1] = older[first_line(older).size() - 1] == '0' ? '1' : '0';
  { std::ofstream(file, std::ios::binary) << older; }
  Game newer = new_game();
  win_with_stored_run(newer);
  EXPECT_EQ(read_text(file), won);
  EXPECT_EQ(errors.str(), "");
}

TEST_F(RunKeeping, AnUnwritableRunsFolderIsReportedLikeASaveAndTheGameGoesOn) {
  { std::ofstream(dir / "runs") << "a file where the folder should be"; }
  Game game = new_game();
  win_with_stored_run(game);
  const std::string path = (dir / "runs" / "0" / "001-normal-1p.txt").string();
  const std::string said = errors.str();
  EXPECT_EQ(said.rfind("could not save: " + path + ": ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(game.session().progress().solved, 1u) << "the win counts all the same";
  for (int i = 0; i < 6; ++i) game.frame({}, 0.1f);
  game.frame(with(&FrameInput::confirm), 0.016f);
  EXPECT_TRUE(game.session().playing());
  EXPECT_EQ(game.session().cave_index(), 1u);
}

TEST_F(RunKeeping, VOnTheTitlePlaysTheKeptRunToTheSameScore) {
  Game game = new_game();
  win_with_stored_run(game);
  const std::uint32_t score = game.session().cave().score;
  game.frame(with(&FrameInput::back), 0.016f);
  ASSERT_FALSE(game.session().playing());

  game.frame(with(&FrameInput::watch_key), 0.016f);
  ASSERT_TRUE(game.session().watch());
  EXPECT_EQ(game.session().watch()->kind, WatchKind::OwnBest);
  for (int i = 0; i < 4000 && game.session().cave().outcome == CaveOutcome::Running; ++i) game.frame({}, 0.05f);
  EXPECT_EQ(game.session().cave().outcome, CaveOutcome::Won);
  EXPECT_EQ(game.session().cave().score, score);
  game.frame(with(&FrameInput::other_key), 0.016f);
  EXPECT_FALSE(game.session().playing());
  EXPECT_EQ(errors.str(), "");
}

TEST_F(RunKeeping, VWithoutARunOrWithADamagedOneShowsANote) {
  Game game = new_game();
  game.frame(with(&FrameInput::watch_key), 0.016f);
  EXPECT_FALSE(game.session().playing());
  EXPECT_EQ(game.session().title_note(), TitleNote::NoRun);

  const fs::path file = dir / "runs" / "0" / "001-normal-1p.txt";
  fs::create_directories(file.parent_path());
  { std::ofstream(file) << "not a run\n"; }
  Game damaged = new_game();
  damaged.frame(with(&FrameInput::watch_key), 0.016f);
  EXPECT_FALSE(damaged.session().playing());
  EXPECT_EQ(damaged.session().title_note(), TitleNote::Unreadable);
  EXPECT_EQ(errors.str(), "run could not be read (" + file.string() + ": line 1: not the first line of a recorded run)\n");

  // Without a place for runs (no save path) V finds none and a win keeps none, quietly.
  Game nowhere{Progress{}};
  nowhere.frame(with(&FrameInput::watch_key), 0.016f);
  EXPECT_EQ(nowhere.session().title_note(), TitleNote::NoRun);
}

}  // namespace
}  // namespace korvedan
