// The stored runs built into the program, the recorded run's file form and the cave digest.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/cave_digest.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "core/recorded_run.hpp"
#include "core/stored_runs.hpp"

namespace korvedan {
namespace {

std::map<std::string, std::string> files_in_data_runs() {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KV_SOURCE_DIR) + "/data/runs")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    files[entry.path().filename().string()] = text.str();
  }
  return files;
}

TEST(StoredRuns, TheBuiltInRunsEqualTheFilesOfDataRuns) {
  const std::map<std::string, std::string> files = files_in_data_runs();
  ASSERT_FALSE(files.empty());
  ASSERT_EQ(stored_run_files().size(), files.size());
  for (const StoredRunFile& built_in : stored_run_files()) {
    const auto file = files.find(std::string(built_in.name));
    ASSERT_NE(file, files.end()) << built_in.name << " is built in but not in data/runs";
    EXPECT_EQ(built_in.text, file->second) << built_in.name;
  }
  EXPECT_TRUE(std::is_sorted(stored_run_files().begin(), stored_run_files().end(),
                             [](const StoredRunFile& a, const StoredRunFile& b) { return a.name < b.name; }));
}

TEST(StoredRuns, EveryCaveAndDifficultyHasOneFoundByItsName) {
  const std::map<std::string, std::string> files = files_in_data_runs();
  EXPECT_EQ(stored_run_name(0, Difficulty::Normal), "001-normal.txt");
  EXPECT_EQ(stored_run_name(118, Difficulty::Easy), "119-easy.txt");
  for (std::size_t cave = 0; cave < level_count; ++cave) {
    for (const Difficulty d : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
      const auto file = files.find(stored_run_name(cave, d));
      ASSERT_NE(file, files.end()) << stored_run_name(cave, d);
      EXPECT_EQ(stored_run_text(cave, d), file->second);
    }
  }
  EXPECT_TRUE(stored_run_text(level_count, Difficulty::Normal).empty()) << "no cave, no run";
}

RunHeader header_of_cave_1(int players = 1) {
  return {0, players, Difficulty::Normal, 1234, 0x00ff00ff00ff00ffull};
}

TEST(RecordedRunFile, TheFirstLineNamesCavePlayersDifficultyScoreAndHash) {
  EXPECT_EQ(run_first_line(header_of_cave_1()),
            "korvedan run cave 1 players 1 difficulty normal score 1234 hash 00ff00ff00ff00ff");
  const RunHeader last{118, 2, Difficulty::Hard, 0, 0xfedcba9876543210ull};
  EXPECT_EQ(run_first_line(last), "korvedan run cave 119 players 2 difficulty hard score 0 hash fedcba9876543210");
}

TEST(RecordedRunFile, OneAndTwoPlayerRunsSurviveTheirText) {
  std::vector<TickInputs> inputs;
  for (int i = 0; i < 70; ++i) {
    inputs.push_back({TickInput{static_cast<std::uint8_t>(i % 2), static_cast<std::uint8_t>(i % 3 == 0),
                                static_cast<Dir>(i % 5 == 4 ? 255 : i % 5)},
                      TickInput{static_cast<std::uint8_t>(i % 3 == 1), 0, static_cast<Dir>(i % 4)}});
  }
  const std::string two = format_recorded_run(header_of_cave_1(2), inputs);
  const Result<RecordedRun> read_two = parse_recorded_run(two);
  ASSERT_TRUE(read_two) << read_two.error();
  EXPECT_EQ(read_two.value(), (RecordedRun{header_of_cave_1(2), inputs}));
  EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 1 + 3) << "32 tokens a line";

  std::vector<TickInputs> alone = inputs;
  for (TickInputs& t : alone) t[1] = TickInput{};
  const Result<RecordedRun> read_one = parse_recorded_run(format_recorded_run(header_of_cave_1(), alone));
  ASSERT_TRUE(read_one) << read_one.error();
  EXPECT_EQ(read_one.value(), (RecordedRun{header_of_cave_1(), alone}));
  EXPECT_EQ(parse_recorded_run(run_first_line(header_of_cave_1())).value().inputs.size(), 0u);
}

TEST(RecordedRunFile, ADamagedFileIsRefusedWithItsLine) {
  const std::string good = run_first_line(header_of_cave_1());
  for (const std::string bad : {
           std::string("korvedan run cave 1 players 1 difficulty normal score 1234"),
           std::string("korvedan run cave 0 players 1 difficulty normal score 1234 hash 00ff00ff00ff00ff"),
           std::string("korvedan run cave 120 players 1 difficulty normal score 1 hash 00ff00ff00ff00ff"),
           std::string("korvedan run cave 1 players 3 difficulty normal score 1 hash 00ff00ff00ff00ff"),
           std::string("korvedan run cave 1 players 1 difficulty medium score 1 hash 00ff00ff00ff00ff"),
           std::string("korvedan run cave 1 players 1 difficulty normal score -1 hash 00ff00ff00ff00ff"),
           std::string("korvedan run cave 1 players 1 difficulty normal score 1 hash 00ff00ff00ff00f"),
           std::string("korvedan run cave 1 players 1 difficulty normal score 1 hash 00ff00ff00ff00fg"),
           std::string(""),
       }) {
    const Result<RecordedRun> read = parse_recorded_run(bad + "\nR R\n");
    ASSERT_FALSE(read) << bad;
    EXPECT_EQ(read.error().substr(0, 8), "line 1: ") << bad;
  }
  const Result<RecordedRun> bad_token = parse_recorded_run(good + "\nR R\nR X\n");
  ASSERT_FALSE(bad_token);
  EXPECT_EQ(bad_token.error().substr(0, 17), "line 3, column 3:") << bad_token.error();
  EXPECT_FALSE(parse_recorded_run(good + "\nR/L\n")) << "a two-player token in a one-player run";
}

TEST(CaveDigest, TellsCavesDifficultiesAndPlayerCountsApart) {
  const auto digest = [](std::size_t cave, int players, Difficulty d) {
    return cave_digest(parse_cave(level_entry(cave), players, d).value());
  };
  const std::uint64_t first = digest(0, 1, Difficulty::Normal);
  EXPECT_EQ(first, digest(0, 1, Difficulty::Normal)) << "the same parse, the same digest";
  EXPECT_NE(first, digest(0, 1, Difficulty::Easy));
  EXPECT_NE(first, digest(0, 2, Difficulty::Normal));
  EXPECT_NE(first, digest(1, 1, Difficulty::Normal));
  Cave moved = parse_cave(level_entry(0), 1, Difficulty::Normal).value();
  moved.cells[moved.cells.size() / 2].param ^= 1;
  EXPECT_NE(cave_digest(moved), first) << "one cell's parameter is enough";
}

}  // namespace
}  // namespace korvedan
