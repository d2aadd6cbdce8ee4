// Cave ideas: every cave names one, variants take a mechanic out, and a run is watched for what it shows.
#include <gtest/gtest.h>

#include "cave_fixture.hpp"
#include "core/idea_variant.hpp"
#include "core/levels.hpp"
#include "core/run_watch.hpp"

namespace korvedan {
namespace {

using testing::go;
using testing::idle;
using testing::make_cave;

bool holds_letter(const LevelEntry& level, std::string_view letters) {
  for (std::string_view row : level.rows) {
    if (row.find_first_of(letters) != std::string_view::npos) return true;
  }
  return false;
}

TEST(CaveIdeas, EveryCaveSaysWhatItIsAboutAndRestsOnlyOnWhatItHolds) {
  const std::pair<Mechanic, std::string_view> letters_of[] = {
      {Mechanic::Keys, "rgy"},    {Mechanic::Doors, "RGY"},           {Mechanic::Shifters, "W"},
      {Mechanic::TimedShifters, "V"}, {Mechanic::Dynamite, "d"},      {Mechanic::Bombs, "qQ"},
      {Mechanic::CreaturesCrushed, "bmc"}, {Mechanic::NutsCracked, "n"}, {Mechanic::MossSet, "~"},
      {Mechanic::Ooze, "^"},      {Mechanic::Acid, "A"},              {Mechanic::Lamps, "L"},
      {Mechanic::Wheel, "O"},     {Mechanic::Switch, "S"},            {Mechanic::GemWalls, "E"},
  };
  for (std::size_t i = 0; i < level_count; ++i) {
    const LevelEntry& level = level_entry(i);
    SCOPED_TRACE(level.name);
    EXPECT_GE(level.idea.line.size(), 20u) << "an idea needs a line that says it";
    for (auto [mechanic, letters] : letters_of) {
      if (level.idea.mechanics.has(mechanic)) {
        EXPECT_TRUE(holds_letter(level, letters)) << mechanic_names[static_cast<std::size_t>(mechanic)];
      }
    }
    // What a cave is about is in the idea, not only in its letters. Moss may be a reward on the
    // way instead, when the rest of the cave already makes up the count: then the line says so.
    for (auto [mechanic, letters] : {letters_of[2], letters_of[3], letters_of[4], letters_of[8]}) {
      if (!holds_letter(level, letters)) continue;
      const bool named_reward =
          mechanic == Mechanic::MossSet && level.idea.line.find("moss room for a few more") != std::string_view::npos;
      EXPECT_TRUE(level.idea.mechanics.has(mechanic) || named_reward)
          << mechanic_names[static_cast<std::size_t>(mechanic)];
    }
  }
}

TEST(CaveIdeas, AVariantTakesOutOnlyTheMechanicsLetters) {
  const std::string_view rows[] = {"#######", "#@rRW #", "#bnd~q#", "#.^..X#", "#######"};
  LevelEntry level{"T", rows, 0, 100, {"a test cave of every kind", uses(Mechanic::Keys)}};
  EXPECT_EQ(rows_without(level, Mechanic::Keys)->at(1), "#@.RW #");
  EXPECT_EQ(rows_without(level, Mechanic::Doors)->at(1), "#@r#W #");
  EXPECT_EQ(rows_without(level, Mechanic::Shifters)->at(1), "#@rR% #");
  EXPECT_EQ(rows_without(level, Mechanic::CreaturesCrushed)->at(2), "# nd~q#");
  EXPECT_EQ(rows_without(level, Mechanic::NutsCracked)->at(2), "#bod~q#");
  EXPECT_EQ(rows_without(level, Mechanic::Dynamite)->at(2), "#bn.~q#");
  EXPECT_EQ(rows_without(level, Mechanic::MossSet)->at(2), "#bnd.q#");
  EXPECT_EQ(rows_without(level, Mechanic::Bombs)->at(2), "#bnd~o#");
  const auto untouched = rows_without(level, Mechanic::Keys);
  EXPECT_EQ(untouched->at(3), "#.^..X#");
  // Ooze is a hazard and the switch only shows what stands anyway: nothing to take out.
  EXPECT_FALSE(rows_without(level, Mechanic::Ooze));
  EXPECT_FALSE(rows_without(level, Mechanic::Switch));
  // Doors, shifters, creatures, nuts, sticks, moss and bombs are in the rows but not the idea.
  const Mechanics unused = unused_letters(level);
  EXPECT_FALSE(unused.has(Mechanic::Keys));
  for (Mechanic m : {Mechanic::Doors, Mechanic::Shifters, Mechanic::CreaturesCrushed, Mechanic::NutsCracked,
                     Mechanic::Dynamite, Mechanic::MossSet, Mechanic::Bombs}) {
    EXPECT_TRUE(unused.has(m)) << mechanic_names[static_cast<std::size_t>(m)];
  }
  EXPECT_FALSE(unused.has(Mechanic::Ooze));
}

// Ticks the cave once and returns what that tick showed.
Mechanics shown_by(Cave& cave, TickInput input) {
  const Cave before = cave;
  const EventList events = tick_single(cave, input);
  return mechanics_shown_in(before, cave, events);
}

TEST(RunWatch, ALitStickCountsOnlyWhenItsBlastOpensSomething) {
  // The fuse left in the dirt blasts only dirt and empty cells.
  Cave open = make_cave({"#######", "#.....#", "#.@...#", "#.....#", "#....X#", "#######"});
  open.dynamite = 1;
  Mechanics seen;
  seen.bits |= shown_by(open, TickInput{0, 1, Dir::None}).bits;
  for (int i = 0; i < 14; ++i) seen.bits |= shown_by(open, i < 2 ? go(Dir::Right) : idle).bits;
  EXPECT_FALSE(seen.has(Mechanic::Dynamite));
  // Beside brick the same stick opens the wall.
  Cave walled = make_cave({"#######", "#%%%..#", "#%@...#", "#%%%..#", "#....X#", "#######"});
  walled.dynamite = 1;
  seen = shown_by(walled, TickInput{0, 1, Dir::None});
  for (int i = 0; i < 14; ++i) seen.bits |= shown_by(walled, i < 2 ? go(Dir::Right) : idle).bits;
  EXPECT_TRUE(seen.has(Mechanic::Dynamite));
  EXPECT_FALSE(seen.has(Mechanic::Bombs));
}

TEST(RunWatch, CrushingCrackingAndABombGoingOffAreSeen) {
  Cave crush = make_cave({"#######", "#@.o..#", "#..  .#", "#..b.X#", "#######"});
  Mechanics seen;
  for (int i = 0; i < 8; ++i) seen.bits |= shown_by(crush, idle).bits;
  EXPECT_TRUE(seen.has(Mechanic::CreaturesCrushed));
  EXPECT_FALSE(seen.has(Mechanic::NutsCracked));

  Cave crack = make_cave({"#######", "#@.o..#", "#.. ..#", "#..n.X#", "#######"});
  seen = {};
  for (int i = 0; i < 4; ++i) seen.bits |= shown_by(crack, idle).bits;
  EXPECT_TRUE(seen.has(Mechanic::NutsCracked));

  Cave bomb = make_cave({"#######", "#@.q..#", "#.. ..#", "#....X#", "#######"});
  seen = {};
  for (int i = 0; i < 4; ++i) seen.bits |= shown_by(bomb, idle).bits;
  EXPECT_TRUE(seen.has(Mechanic::Bombs));
  EXPECT_FALSE(seen.has(Mechanic::Dynamite));
}

TEST(RunWatch, TheTwoCellsUnderAnOozeAreWhereADropLandsUnseen) {
  const Cave cave = make_cave({"#######", "#^^..@#", "#  %..#", "#  ...#", "#  ..X#", "#######"});
  EXPECT_TRUE(under_ooze(cave, 1, 2));   // where the drops form
  EXPECT_TRUE(under_ooze(cave, 1, 3));   // the one below, with an open cell between
  EXPECT_FALSE(under_ooze(cave, 1, 4));  // a drop seen falling for two cells first
  EXPECT_TRUE(under_ooze(cave, 2, 2));
  EXPECT_FALSE(under_ooze(cave, 3, 2));  // no ooze above
  // Brick between the ooze and the cell below it keeps the drops off.
  const Cave shielded = make_cave({"#######", "#^..@.#", "#%....#", "#.....#", "#....X#", "#######"});
  EXPECT_FALSE(under_ooze(shielded, 1, 3));
}

TEST(RunWatch, ARouteUnderAnOozeIsCountedTickByTick) {
  const std::string_view rows[] = {"#######", "#@.^..#", "#.. ..#", "#.. ..#", "#....X#", "#######"};
  const LevelEntry level{"T", rows, 0, 100, {"a test cave with an ooze", uses(Mechanic::Ooze)}};
  // Right twice puts the digger beside the empty cell under the ooze; then down, under it.
  const std::vector<TickInput> inputs = {go(Dir::Right), go(Dir::Down), go(Dir::Right), idle};
  const auto watch = watch_run(level, Difficulty::Normal, inputs);
  ASSERT_TRUE(watch.ok());
  ASSERT_EQ(watch.value().under_ooze.size(), 2u);
  EXPECT_EQ(watch.value().under_ooze[0].tick, 3u);
  EXPECT_EQ(watch.value().under_ooze[0].x, 3);
  EXPECT_EQ(watch.value().under_ooze[0].y, 2);
  EXPECT_TRUE(idea_mechanics_missing(level, watch.value().shown).empty()) << "ooze is never required";
  const LevelEntry keyed{"T", rows, 0, 100, {"a test cave with keys", uses(Mechanic::Keys, Mechanic::Ooze)}};
  EXPECT_EQ(idea_mechanics_missing(keyed, watch.value().shown), std::vector<std::string>{"keys"});
}

}  // namespace
}  // namespace korvedan
