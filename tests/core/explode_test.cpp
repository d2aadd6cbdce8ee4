// Explosions: what a blast spares, what it leaves, lamps and diggers caught, and chains.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/tick.hpp"
#include "tests/core/cave_fixture.hpp"

namespace korvedan {
namespace {

using testing::events;
using testing::make_cave;
using testing::rows;
using testing::rows_of;
using testing::contains;
using testing::idle;
using E = CaveEvent;

TEST(Explode, SparesSteelHatchesKeysDoorsWheelsSwitchesAndAcid) {
  Cave cave = make_cave({"#######", "#XrR..#", "#S.A..#", "#O....#", "#@....#", "#######"});
  cave.tick = 5;
  EventList got;
  explode(cave, 2, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion}));
  EXPECT_EQ(rows_of(cave), rows({"#######", "#XrR..#", "#S!A..#", "#O!!..#", "#@....#", "#######"}));
  EXPECT_EQ(cave.moved_at[2 * 7 + 2], 5u);
  EXPECT_EQ(cave.moved_at[3 * 7 + 3], 5u);
  EXPECT_EQ(cave.moved_at[2 * 7 + 3], 0u) << "the acid was not touched";
  EXPECT_EQ(cell_at(cave, 2, 3), make_blast(BlastLeaves::Empty, 3));
}

TEST(Explode, TheEdgeStaysSteelEvenReachingPastIt) {
  Cave cave = make_cave({"######", "#....#", "#....#", "#...@#", "#X...#", "######"});
  EventList got;
  explode(cave, 1, 1, 2, BlastLeaves::Empty, got);
  EXPECT_EQ(rows_of(cave), rows({"######", "#!!!.#", "#!!!.#", "#!!!@#", "#X...#", "######"}));
}

TEST(Explode, SetsLastMoveAsideForTheBlasts) {
  Cave cave = make_cave({"######", "#....#", "#.@..#", "#...X#", "######"});
  tick_single(cave, testing::go(Dir::Right));
  ASSERT_EQ(last_move_at(cave, 3, 2), static_cast<std::uint8_t>(Dir::Right));
  EventList got;
  explode(cave, 2, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(last_move_at(cave, 3, 2), 255);
}

TEST(Explode, StarLeavesAStarInTheMiddleAndGemWallsAlwaysLeaveCrystals) {
  Cave cave = make_cave({"#######", "#E....#", "#.....#", "#.....#", "#@...X#", "#######"});
  EventList got;
  explode(cave, 2, 2, 1, BlastLeaves::Star, got);
  EXPECT_EQ(cell_at(cave, 2, 2), make_blast(BlastLeaves::Star, 3));
  for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}) {
    EXPECT_EQ(cell_at(cave, x, y), make_blast(BlastLeaves::Crystal, 3)) << x << "," << y;
  }
  Cave plain = make_cave({"#######", "#.....#", "#.E...#", "#.....#", "#@...X#", "#######"});
  explode(plain, 3, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(cell_at(plain, 2, 2), make_blast(BlastLeaves::Crystal, 3));
  EXPECT_EQ(cell_at(plain, 3, 2), make_blast(BlastLeaves::Empty, 3));
}

TEST(Explode, EveryLampCaughtBreaksButOnlyUnlitOnesWereOwed) {
  Cave cave = make_cave({"#######", "#LL...#", "#.....#", "#@...X#", "#######"});
  set_cell(cave, 2, 1, Cell{CellKind::Lamp, 1});
  cave.unlit_lamps = 1;
  EventList got;
  explode(cave, 2, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion, E::LampBroken, E::LampBroken}));
  EXPECT_EQ(cave.unlit_lamps, 0u);
  EXPECT_TRUE(cave.lamp_broken);
}

TEST(Explode, KillsDiggersAndAnArmedOneKeepsItsStick) {
  Cave cave = make_cave({"######", "#@...#", "#...X#", "######"});
  cave.diggers[0].armed = true;
  cave.diggers[0].fuse = 4;
  EventList got;
  explode(cave, 2, 1, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion}));
  EXPECT_EQ(cave.diggers[0], (DiggerState{1, 1, Dir::Down, DiggerStatus::Dead, true, 4}));
}

TEST(Explode, BombsCreaturesAndSticksGoOffInTheChainButRobotsDoNot) {
  struct Case {
    Cell caught;
    int explosions;
  };
  const Case cases[] = {{{CellKind::Bomb, 0}, 2},    {{CellKind::Bigbomb, 0}, 2}, {{CellKind::Dynamite, 0}, 2},
                        {{CellKind::Fuse, 7}, 2},    {{CellKind::Mite, 3}, 2},    {{CellKind::Gobbler, 3}, 2},
                        {{CellKind::Wisp, 1}, 2},    {{CellKind::Robot, 0}, 1},   {{CellKind::Boulder, 1}, 1},
                        {{CellKind::Crystal, 0}, 1}, {{CellKind::Moss, 0}, 1}};
  for (const Case& c : cases) {
    Cave cave = make_cave({"#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#",
                           "#@.....X#", "#########"});
    set_cell(cave, 4, 3, c.caught);
    EventList got;
    explode(cave, 3, 3, 1, BlastLeaves::Empty, got);
    EXPECT_EQ(got, EventList(static_cast<std::size_t>(c.explosions), E::Explosion)) << static_cast<int>(c.caught.kind);
    const bool chained = c.explosions == 2;
    EXPECT_EQ(cell_at(cave, 5, 3).kind, chained ? CellKind::Blast : CellKind::Dirt) << static_cast<int>(c.caught.kind);
    const bool reaches_two = c.caught.kind == CellKind::Bigbomb;
    EXPECT_EQ(cell_at(cave, 6, 3).kind, reaches_two ? CellKind::Blast : CellKind::Dirt);
    const BlastLeaves leaves = c.caught.kind == CellKind::Wisp ? BlastLeaves::Crystal : BlastLeaves::Empty;
    EXPECT_EQ(cell_at(cave, 4, 3), make_blast(leaves, 3)) << "a wisp leaves crystals round itself";
  }
}

TEST(Explode, TheCentreIsNeverChainedAgain) {
  Cave cave = make_cave({"######", "#....#", "#.q..#", "#....#", "#@..X#", "######"});
  EventList got;
  explode(cave, 2, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion}));
}

// A bomb in the middle catches bomb A (above left) and wisp B (below right); A catches
// bigbomb C. Depth first means C goes off before B, so where C and B overlap B's crystals win.
TEST(Explode, ChainsRunDepthFirstAndTheLaterBlastDecidesWhatIsLeft) {
  Cave cave = make_cave({"########", "#...Q..#", "#..q...#", "#...q..#", "#....m.#", "#@....X#", "########"});
  EventList got;
  explode(cave, 4, 3, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, EventList(4, E::Explosion));
  for (int x = 4; x <= 6; ++x) EXPECT_EQ(cell_at(cave, x, 3), make_blast(BlastLeaves::Crystal, 3)) << x;
  EXPECT_EQ(cell_at(cave, 2, 3), make_blast(BlastLeaves::Empty, 3));
  EXPECT_EQ(cell_at(cave, 5, 5), make_blast(BlastLeaves::Crystal, 3));
  EXPECT_EQ(cell_at(cave, 6, 5).kind, CellKind::Hatch);
  EXPECT_EQ(cell_at(cave, 4, 1), make_blast(BlastLeaves::Empty, 3));
  EXPECT_EQ(cell_at(cave, 1, 5).kind, CellKind::Digger);
}

TEST(Explode, ChainedExplosionsRaiseTheirLampEventsAfterTheFirstOnes) {
  Cave cave = make_cave({"########", "#L.....#", "#.q..L.#", "#......#", "#@....X#", "########"});
  EventList got;
  explode(cave, 1, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion, E::LampBroken, E::Explosion}));
  Cave far = make_cave({"########", "#L.....#", "#.qL...#", "#......#", "#@....X#", "########"});
  got.clear();
  explode(far, 1, 2, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got, events({E::Explosion, E::LampBroken, E::Explosion, E::LampBroken}));
  EXPECT_EQ(far.unlit_lamps, 0u);
}

TEST(Explode, ALongChainOfBombsGoesOffWhole) {
  // Every bomb of a full cave goes off in one chain; the chain must not run out of room.
  std::vector<std::string> lines(36, std::string(67, 'q'));
  lines.front() = lines.back() = std::string(67, '#');
  for (std::size_t y = 1; y + 1 < lines.size(); ++y) lines[y].front() = lines[y].back() = '#';
  lines[1][1] = '@';
  lines[34][65] = 'X';
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  Cave cave = parse_cave(LevelEntry{"BOMBS", views, 0, 100}, 1, Difficulty::Normal).value();
  EventList got;
  explode(cave, 33, 17, 1, BlastLeaves::Empty, got);
  EXPECT_EQ(got.size(), 65u * 34u - 2u + 1u - 1u) << "every bomb once, plus the first blast";
  for (std::int32_t y = 1; y < 35; ++y) {
    for (std::int32_t x = 1; x < 66; ++x) {
      if (x == 65 && y == 34) continue;
      EXPECT_EQ(cell_at(cave, x, y).kind, CellKind::Blast) << x << "," << y;
    }
  }
}

// A cave the parser takes that is bombs wall to wall: a chain as long as the cave has cells,
// which once went one nested call per bomb and overflowed the stack.
TEST(Explode, AChainThroughA260By260CaveOfBombsDoesNotOverflowTheStack) {
  constexpr std::size_t side = 260;
  std::vector<std::string> lines(side, std::string(side, 'q'));
  lines.front() = lines.back() = std::string(side, '#');
  for (std::size_t y = 1; y + 1 < side; ++y) lines[y].front() = lines[y].back() = '#';
  lines[side - 2][1] = '@';
  lines[side - 2][side - 2] = 'X';
  lines[2][side / 2] = ' ';  // the bomb above this gap falls onto the one below and sets it off
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  Result<Cave> parsed = parse_cave(LevelEntry{"BOMBS", views, 0, 100}, 1, Difficulty::Normal);
  ASSERT_TRUE(parsed.ok()) << parsed.error();
  Cave cave = std::move(parsed).value();
  const std::size_t bombs = (side - 2) * (side - 2) - 3;
  // The bomb under the gap starts to fall, then lands on the next one: the whole cave goes off.
  EventList got = tick_single(cave, idle);
  for (int i = 0; i < 3 && !contains(got, E::Explosion); ++i) got = tick_single(cave, idle);
  ASSERT_TRUE(contains(got, E::Explosion));
  EXPECT_EQ(static_cast<std::size_t>(std::count(got.begin(), got.end(), E::Explosion)), bombs)
      << "every bomb goes off once";
  std::size_t blasts = 0;
  for (const Cell& cell : cave.cells) blasts += cell.kind == CellKind::Blast;
  EXPECT_EQ(blasts, (side - 2) * (side - 2) - 1) << "every cell inside but the hatch";
  EXPECT_EQ(cave.diggers[0].status, DiggerStatus::Dead);
}

}  // namespace
}  // namespace korvedan
