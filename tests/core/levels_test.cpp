// The level table: every cave as the table lists it, playable by one and by two players.
#include "core/levels.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/parse.hpp"
#include "tests/core/expected_levels.hpp"

namespace korvedan {
namespace {

using testing::expected_levels;

std::set<char> letters_used(const LevelEntry& level) {
  std::set<char> used;
  for (std::string_view row : level.rows) {
    for (char c : row) {
      if (c != '#' && c != '.' && c != '@' && c != 'X') used.insert(c);
    }
  }
  return used;
}

TEST(Levels, EveryEntryHasItsNameCrystalsAndTime) {
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    SCOPED_TRACE("cave " + std::to_string(i + 1));
    EXPECT_EQ(level.name, expected_levels[i].name);
    EXPECT_EQ(level.crystals_needed, expected_levels[i].crystals);
    EXPECT_EQ(level.time, expected_levels[i].time);
  }
}

TEST(Levels, EveryCaveHasItsSizeAndExactlyItsLetters) {
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    SCOPED_TRACE("cave " + std::to_string(i + 1) + " " + std::string(level.name));
    ASSERT_EQ(static_cast<int>(level.rows.size()), expected_levels[i].height);
    for (std::string_view row : level.rows) EXPECT_EQ(static_cast<int>(row.size()), expected_levels[i].width);
    const std::string_view want = expected_levels[i].letters;
    EXPECT_EQ(letters_used(level), std::set<char>(want.begin(), want.end()));
  }
}

TEST(Levels, EveryCaveParsesForOneAndTwoPlayersOnEveryDifficulty) {
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    for (int players : {1, 2}) {
      for (Difficulty d : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
        const Result<Cave> cave = parse_cave(level, players, d);
        EXPECT_TRUE(cave.ok()) << "cave " << i + 1 << " " << level.name << ", " << players
                               << " players: " << (cave.ok() ? "" : cave.error());
      }
    }
  }
}

TEST(Levels, TheGivenCavesAreInTheirPlaces) {
  // A few rows read back exactly, so an edit to a given cave does not go unnoticed.
  EXPECT_EQ(level_entry(0).rows[1], "#@.......o.....*...#");
  EXPECT_EQ(level_entry(18).rows[6], "#...%WWW%......%WWW%.......#");
  EXPECT_EQ(level_entry(111).rows[20], "#...b                                  S...#");
}

TEST(LevelsDeathTest, AnIndexPastTheLastCaveStopsTheProgram) {
  EXPECT_DEATH(level_entry(level_count), "level index 119 is outside 0..118");
}

}  // namespace
}  // namespace korvedan
