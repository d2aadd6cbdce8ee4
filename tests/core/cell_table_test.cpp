// The cell table against the caves: the letters the rows may use, the letters only play
// makes, and the kinds that fall.
#include "core/cell_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

// The alphabet of the caves' rows, written out as the level designers use it.
constexpr std::string_view level_alphabet = " .%#o*+nqQ@XbmcdrgyRGYW~^VELkOISA";

// The letter at (3, 1), above a hole; the digger stands at (1, 1) unless it is the letter.
Result<Cave> cave_with(char letter) {
  const std::string middle = std::string("#") + (letter == '@' ? '.' : '@') + "X" + letter + "#";
  const std::vector<std::string_view> lines = {"#####", middle, "#.. #", "#####"};
  const LevelEntry entry{"ONE", lines, 0, 100};
  return parse_cave(entry, 1, Difficulty::Normal);
}

TEST(CellTable, ExactlyTheLevelLettersParseAndEachWritesBackAsItself) {
  std::string accepted;
  for (int c = 0x20; c < 0x7F; ++c) {
    const char letter = static_cast<char>(c);
    Result<Cave> cave = cave_with(letter);
    if (!cave) {
      EXPECT_NE(cave.error().find("unknown character"), std::string::npos)
          << letter << ": " << cave.error();
      continue;
    }
    accepted += letter;
    const Cell cell = cell_at(cave.value(), 3, 1);
    EXPECT_EQ(cell_letter(cell), letter);
    EXPECT_NE(level_letters(cell.kind).find(letter), std::string_view::npos) << letter;
  }
  std::string expected(level_alphabet);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(accepted, expected);
}

TEST(CellTable, CellsOnlyPlayMakesHaveLettersNoCaveMayUse) {
  const struct {
    Cell cell;
    char letter;
  } made[] = {
      {make_blast(BlastLeaves::Star, 2), '!'}, {{CellKind::Fuse, 3}, 'f'}, {{CellKind::Drop, 0}, ','},
      {{CellKind::Lamp, 1}, 'l'},              {{CellKind::Digger, 1}, '2'},
  };
  for (const auto& m : made) {
    EXPECT_EQ(cell_letter(m.cell), m.letter);
    EXPECT_EQ(level_alphabet.find(m.letter), std::string_view::npos) << m.letter;
    EXPECT_FALSE(cave_with(m.letter)) << m.letter;
  }
  EXPECT_EQ(cell_letter({CellKind::Key, 2}), 'y');
  EXPECT_EQ(cell_letter({CellKind::Door, 1}), 'G');
}

TEST(CellTable, TheCreaturesStartWithTheirHeadings) {
  EXPECT_EQ(cell_at(cave_with('b').value(), 3, 1), (Cell{CellKind::Mite, static_cast<std::uint8_t>(Dir::Left)}));
  EXPECT_EQ(cell_at(cave_with('m').value(), 3, 1), (Cell{CellKind::Wisp, static_cast<std::uint8_t>(Dir::Right)}));
  EXPECT_EQ(cell_at(cave_with('c').value(), 3, 1), (Cell{CellKind::Gobbler, static_cast<std::uint8_t>(Dir::Left)}));
  std::string creatures;
  for (const CellInfo& info : cell_table) {
    if (info.creature) creatures += level_letters(info.kind);
  }
  EXPECT_EQ(creatures, "bmck");
}

// Whatever the table calls heavy falls into the hole below it in one tick; nothing else
// leaves its place for it.
TEST(CellTable, TheHeavyKindsAreTheOnesThatFall) {
  for (const char letter : level_alphabet) {
    Result<Cave> parsed = cave_with(letter);
    ASSERT_TRUE(parsed) << letter;
    Cave cave = std::move(parsed).value();
    const CellKind kind = cell_at(cave, 3, 1).kind;
    if (is_creature(kind) || kind == CellKind::Empty) continue;
    EventList events;
    tick_single(cave, TickInput{0, 0, Dir::None}, events);
    const bool fell = cell_at(cave, 3, 1).kind != kind && cell_at(cave, 3, 2).kind == kind;
    EXPECT_EQ(fell, is_heavy(kind)) << letter;
  }
}

}  // namespace
}  // namespace korvedan
