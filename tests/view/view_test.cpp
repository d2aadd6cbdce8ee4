// The screens as pixels: texts, colours, blinking, sliding sprites, the camera and the boxes.
#include "game/view/view.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "core/cave_digest.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "game/view/cell_sprites.hpp"
#include "game/view/view_watch.hpp"

namespace korvedan {
namespace {

const SpriteSheet& sheet() {
  static const SpriteSheet built = SpriteSheet::build();
  return built;
}

Canvas drawn(const Session& session) {
  Canvas canvas;
  draw_view(canvas, session, sheet());
  return canvas;
}

// True when every ink pixel of `text` drawn at (x, y) has `colour` on the canvas and no other
// pixel of its box does: the text is there, in that colour, and nothing else of that colour.
bool shows_text(const Canvas& canvas, std::int32_t x, std::int32_t y, std::string_view text, Rgb colour) {
  Canvas ink;
  const Rgb marker{1, 2, 3};
  ink.fill_rect(0, 0, 320, 200, marker);
  draw_text(ink, x, y, text, {200, 201, 202}, 1);
  const auto width = static_cast<std::int32_t>(text_width(text));
  for (std::int32_t py = y; py < y + 7; ++py) {
    for (std::int32_t px = x; px < x + width; ++px) {
      if (px < 0 || py < 0 || px >= 320 || py >= 200) continue;
      const bool inked = !(ink.pixel(px, py) == marker);
      if (inked != (canvas.pixel(px, py) == colour)) return false;
    }
  }
  return true;
}

bool shows_centred(const Canvas& canvas, std::int32_t y, std::string_view text, Rgb colour, int scale = 1) {
  Canvas expected = canvas;
  draw_text_centred(expected, y, text, colour, scale);
  return expected.pixels() == canvas.pixels();  // drawing it again changes nothing
}

Session playing(std::vector<std::string_view> rows, std::uint32_t crystals = 5, std::uint32_t time = 1000) {
  Session s{Progress{}};
  const LevelEntry level{"TEST", rows, crystals, time};
  s.stage().cave = parse_cave(level, 1, Difficulty::Normal).value();
  s.stage().playing = true;
  s.stage().camera = s.camera_target();
  return s;
}

const std::vector<std::string_view> small_cave = {
    "##########", "#@....o..#", "#........#", "#.......X#", "##########"};

TEST(View, StatusBarPadsScoreCrystalsAndTime) {
  Session s = playing(small_cave, 12, 1000);
  s.stage().cave.score = 42;
  s.stage().cave.crystals = 3;
  s.stage().cave.time_left = 95;  // 12.35 seconds, shown rounded up
  const Canvas c = drawn(s);
  EXPECT_TRUE(shows_text(c, 316 - static_cast<std::int32_t>(text_width("PUNKTE 00042")), 3, "PUNKTE 00042",
                         colours::text_white));
  EXPECT_TRUE(shows_text(c, 18, 13, "03/12", colours::teal));
  const std::string time = "ZEIT 013";
  const std::int32_t time_x = 316 - static_cast<std::int32_t>(text_width(time));
  // Under 20 seconds the time blinks: red while floor(4H) is even, white while it is odd.
  EXPECT_TRUE(shows_text(c, time_x, 13, time, colours::alarm_red));
  s.stage().screen_clock = 0.25f;
  EXPECT_TRUE(shows_text(drawn(s), time_x, 13, time, colours::text_white));
}

TEST(View, TimeTurnsWhiteAboveTwentySecondsAndOnceTheCaveEnds) {
  Session s = playing(small_cave);
  s.stage().cave.time_left = 155;  // 20.15 s → 21 shown
  EXPECT_TRUE(shows_text(drawn(s), 316 - static_cast<std::int32_t>(text_width("ZEIT 021")), 13, "ZEIT 021",
                         colours::text_white));
  s.stage().cave.time_left = 150;  // 19.5 s → 20 shown, blinking
  const std::int32_t x = 316 - static_cast<std::int32_t>(text_width("ZEIT 020"));
  EXPECT_TRUE(shows_text(drawn(s), x, 13, "ZEIT 020", colours::alarm_red));
  s.stage().cave.outcome = CaveOutcome::Lost;
  EXPECT_TRUE(shows_text(drawn(s), x, 13, "ZEIT 020", colours::text_white));
}

TEST(View, OpenHatchTurnsTheCountGoldAndBlinksItsMessage) {
  Session s = playing(small_cave, 2);
  s.stage().cave.crystals = 2;
  Canvas c = drawn(s);
  EXPECT_TRUE(shows_text(c, 18, 13, "02/02", colours::gold));
  EXPECT_TRUE(shows_text(c, 54, 13, "LUKE OFFEN!", colours::gold));
  s.stage().screen_clock = 0.34f;  // floor(3H) odd: the message is off
  EXPECT_FALSE(shows_text(drawn(s), 54, 13, "LUKE OFFEN!", colours::gold));
}

TEST(View, DynamiteCountIsRedOnlyWhenSticksAreCarried) {
  Session s = playing(small_cave);
  EXPECT_TRUE(shows_text(drawn(s), 132, 13, "DYNAMIT 0", colours::text_white));
  s.stage().cave.dynamite = 2;
  EXPECT_TRUE(shows_text(drawn(s), 132, 13, "DYNAMIT 2", colours::alarm_red));
}

TEST(View, CameraLeftOfTheCaveLeavesBlackColumns) {
  Session s = playing(small_cave);
  s.stage().camera = {-8.0f, 0.0f};
  const Canvas c = drawn(s);
  for (std::uint32_t y = 24; y < 24 + 5 * 16; ++y) {
    for (std::uint32_t x = 0; x < 8; ++x) ASSERT_EQ(c.pixel(x, y), colours::black) << x << "," << y;
  }
  // The steel edge starts right after the black strip.
  EXPECT_EQ(c.pixel(8, 24), *sheet().sprite({SpriteKind::Steel}).at(0, 0));
}

TEST(View, AFallenBoulderSlidesIntoItsCellOverOneTick) {
  Session s = playing({"#######", "#@ o  #", "#     #", "#    X#", "#######"});
  s.stage().camera = {0, 0};
  s.session_tick({}, {});  // the boulder falls from row 1 to row 2
  ASSERT_EQ(cell_at(s.cave(), 3, 2).kind, CellKind::Boulder);
  const Sprite& boulder = sheet().sprite({SpriteKind::Boulder});
  const std::uint32_t x = 3 * 16 + 8;  // the middle of the boulder picture
  s.stage().tick_clock = 0;
  const Canvas start = drawn(s);
  EXPECT_EQ(start.pixel(x, 24 + 16 + 8), *boulder.at(8, 8));  // still drawn over the old cell
  s.stage().tick_clock = tick_period;
  const Canvas end = drawn(s);
  EXPECT_EQ(end.pixel(x, 24 + 32 + 8), *boulder.at(8, 8));   // arrived
  EXPECT_NE(end.pixel(x, 24 + 16 + 8), *boulder.at(8, 8));
  s.stage().tick_clock = 0;
  s.stage().cave.outcome = CaveOutcome::Won;  // once won, everything stands in place
  EXPECT_EQ(drawn(s).pixel(x, 24 + 32 + 8), *boulder.at(8, 8));
}

TEST(View, GamepadNoteCountsAtMostTwoPads) {
  Session s{Progress{}};
  const Canvas none = drawn(s);
  Canvas bare = none;
  s.stage().pads_in_use = 2;
  s.stage().pro_pads_in_use = 1;
  const Canvas two = drawn(s);
  EXPECT_TRUE(shows_text(two, 314 - static_cast<std::int32_t>(text_width("2 GAMEPADS")), 5, "2 GAMEPADS",
                         colours::text_white));
  s.stage().pro_pads_in_use = 2;
  EXPECT_TRUE(shows_text(drawn(s), 314 - static_cast<std::int32_t>(text_width("2 PRO CONTROLLER")), 5,
                         "2 PRO CONTROLLER", colours::text_white));
  s.stage().pads_in_use = 1;
  s.stage().pro_pads_in_use = 0;
  EXPECT_TRUE(shows_text(drawn(s), 314 - static_cast<std::int32_t>(text_width("1 GAMEPAD")), 5, "1 GAMEPAD",
                         colours::text_white));
  EXPECT_FALSE(shows_text(none, 314 - static_cast<std::int32_t>(text_width("1 GAMEPAD")), 5, "1 GAMEPAD",
                          colours::text_white));
}

TEST(View, CaveLineHasNoArrowBeyondTheFirstAndLastCave) {
  Session s{Progress{}};
  EXPECT_TRUE(shows_centred(drawn(s), 98, "  SCHACHT 1 VON 119 >", colours::text_white));
  s.stage().cave_index = level_count - 1;
  EXPECT_TRUE(shows_centred(drawn(s), 98, "< SCHACHT 119 VON 119  ", colours::text_white));
  // A locked cave's name is lavender and it says so in red.
  const Canvas locked = drawn(s);
  EXPECT_TRUE(shows_centred(locked, 109, level_entry(level_count - 1).name, colours::lavender, 2));
  EXPECT_TRUE(shows_centred(locked, 127, "NOCH VERSCHLOSSEN", colours::alarm_red));
}

TEST(View, TitleShowsTheProfileOrTheNameBeingTyped) {
  Progress progress;
  progress.best = {100, 20};
  progress.solved = 2;
  progress.slot = 3;
  Session s{progress};
  EXPECT_TRUE(shows_centred(drawn(s), 86, "SPIELER 4 - 2 GESCHAFFT - 120 PUNKTE", colours::text_white));
  s.stage().name_edit = "TILDO";
  EXPECT_TRUE(shows_centred(drawn(s), 86, "NAME: TILDO<", colours::gold));
  s.stage().screen_clock = 0.4f;  // the cursor blinks off
  EXPECT_TRUE(shows_centred(drawn(s), 86, "NAME: TILDO ", colours::gold));
}

TEST(View, LostBoxWaitsSevenTenthsOfASecondButTheWonBoxDoesNot) {
  Session s = playing(small_cave);
  s.stage().cave.outcome = CaveOutcome::Lost;
  s.stage().end_clock = 0.69f;
  const Canvas early = drawn(s);
  s.stage().end_clock = 0.7f;
  const Canvas late = drawn(s);
  const std::int32_t top = (142 - 12) / 2;
  EXPECT_FALSE(shows_centred(early, top + 32, "DAS WAR NICHTS!", colours::alarm_red, 2));
  EXPECT_TRUE(shows_centred(late, top + 32, "DAS WAR NICHTS!", colours::alarm_red, 2));
  EXPECT_TRUE(shows_centred(late, top + 54, "LEERTASTE ODER TIPPEN: NOCHMAL", colours::text_white));
  s.stage().time_up = true;
  EXPECT_TRUE(shows_centred(drawn(s), top + 32, "ZEIT ABGELAUFEN!", colours::alarm_red, 2));

  s.stage().cave.outcome = CaveOutcome::Won;
  s.stage().end_clock = 0;
  s.stage().cave.score = 321;
  const std::int32_t won_top = (142 - 24) / 2;
  const Canvas won = drawn(s);
  EXPECT_TRUE(shows_centred(won, won_top + 32, "GESCHAFFT!", colours::gold, 2));
  EXPECT_TRUE(shows_centred(won, won_top + 54, "PUNKTE 321   BESTWERT 0", colours::text_white));
}

TEST(View, PauseBoxDarkensTheBand) {
  Session s = playing(small_cave);
  const Canvas before = drawn(s);
  s.stage().paused = true;
  const Canvas paused = drawn(s);
  const std::int32_t top = (142 - 12) / 2;
  EXPECT_TRUE(shows_centred(paused, top + 32, "PAUSE", colours::text_white, 2));
  // A pixel inside the band but away from the text is the old pixel at 70/256.
  const Rgb old = before.pixel(2, static_cast<std::uint32_t>(top + 24));
  const Rgb now = paused.pixel(2, static_cast<std::uint32_t>(top + 24));
  EXPECT_EQ(now.r, static_cast<std::uint8_t>(old.r * 70u >> 8));
  EXPECT_EQ(now.b, static_cast<std::uint8_t>(old.b * 70u >> 8));
}

TEST(CellSprites, HiddenWallsBlinkOutAsTheSwitchRunsDown) {
  Session s = playing({"#######", "#@ I  #", "#    X#", "#######"});
  auto hidden_shown = [&](std::uint32_t timer) {
    s.stage().cave.switch_timer = timer;
    return cell_sprite(s.cave(), 3, 1, 0).has_value();
  };
  EXPECT_TRUE(hidden_shown(50));
  EXPECT_TRUE(hidden_shown(13));
  EXPECT_FALSE(hidden_shown(12));  // 12 = 0b1100: bit 1 clear
  EXPECT_TRUE(hidden_shown(11));
  EXPECT_TRUE(hidden_shown(10));
  EXPECT_FALSE(hidden_shown(9));
  EXPECT_FALSE(hidden_shown(0));
}

TEST(CellSprites, BlastStagesAndTimedShifterStates) {
  Session s = playing({"#######", "#@ V  #", "#    X#", "#######"});
  s.stage().cave.cells[static_cast<std::size_t>(1 * 7 + 2)] = make_blast(BlastLeaves::Crystal, 3);
  EXPECT_EQ(cell_sprite(s.cave(), 2, 1, 0)->sub, 0);
  s.stage().cave.cells[static_cast<std::size_t>(1 * 7 + 2)] = make_blast(BlastLeaves::Crystal, 0);
  EXPECT_EQ(cell_sprite(s.cave(), 2, 1, 0)->sub, 3);
  EXPECT_EQ(cell_sprite(s.cave(), 3, 1, 0)->sub, 0);  // not started
  s.stage().cave.timed_shifter_started = true;
  s.stage().cave.timed_shifter_timer = 10;
  EXPECT_EQ(cell_sprite(s.cave(), 3, 1, 0.3f)->sub, 3);  // floor(7 × 0.3) = 2 → phase 3
  s.stage().cave.timed_shifter_timer = 0;
  EXPECT_EQ(cell_sprite(s.cave(), 3, 1, 0)->kind, SpriteKind::TimedShifterOff);
}

// ---- Watching runs: the band, "H: ZEIG MIR WIE" from the third loss, the title's note ----

// The first cave lost by time `losses` times in a row, its box showing.
Session lost(unsigned losses) {
  Session s{Progress{}};
  s.start_cave(0);
  s.stage().cave.outcome = CaveOutcome::Lost;
  s.stage().time_up = true;
  s.stage().end_clock = 1.0f;
  s.stage().losses_in_row = losses;
  return s;
}

TEST(WatchView, TheLostBoxGainsTheShowHowLineOnlyFromTheThirdLoss) {
  const Canvas today = drawn(lost(0));
  EXPECT_EQ(drawn(lost(1)).pixels(), today.pixels());
  EXPECT_EQ(drawn(lost(2)).pixels(), today.pixels()) << "the first two losses show the box as it always was";

  const Canvas third = drawn(lost(3));
  const std::int32_t top = (142 - 24) / 2;  // two lines under the title
  EXPECT_TRUE(shows_centred(third, top + 32, "ZEIT ABGELAUFEN!", colours::alarm_red, 2));
  EXPECT_TRUE(shows_centred(third, top + 54, "LEERTASTE ODER TIPPEN: NOCHMAL", colours::text_white));
  EXPECT_TRUE(shows_centred(third, top + 66, "H: ZEIG MIR WIE", colours::text_white));
  EXPECT_NE(third.pixels(), today.pixels());
}

TEST(WatchView, AWatchedRunShowsItsBandWithSpeedOrPause) {
  Session played{Progress{}};
  played.start_cave(0);
  const Canvas playing = drawn(played);

  Session s{Progress{}};
  const Cave cave = parse_cave(level_entry(0), 1, Difficulty::Normal).value();
  s.watch_own_run(RecordedRun{{0, 1, Difficulty::Normal, 1, cave_digest(cave)}, {}});
  ASSERT_TRUE(s.watch());
  const Canvas band = drawn(s);
  EXPECT_TRUE(shows_centred(band, 189, "WIEDERHOLUNG", colours::gold));
  // Above the band the cave is drawn as when it is played.
  for (std::uint32_t y = 0; y < 186; ++y) {
    for (std::uint32_t x = 0; x < 320; ++x) ASSERT_EQ(band.pixel(x, y), playing.pixel(x, y)) << x << "," << y;
  }
  s.stage().watch->speed = 4;
  EXPECT_TRUE(shows_centred(drawn(s), 189, "WIEDERHOLUNG   4X", colours::gold));
  s.stage().watch->paused = true;
  EXPECT_TRUE(shows_centred(drawn(s), 189, "WIEDERHOLUNG   PAUSE", colours::gold));
  s.stage().watch->paused = false;
  s.stage().watch->speed = 1;
  s.stage().watch->kind = WatchKind::ShowHow;
  EXPECT_TRUE(shows_centred(drawn(s), 189, "SO GEHT ES", colours::gold));
}

TEST(WatchView, TheTitleShowsTheNoteInsteadOfTheBlinkingStartLine) {
  Session s{Progress{}};
  const Canvas title = drawn(s);
  s.show_title_note(TitleNote::NoRun);
  const Canvas note = drawn(s);
  EXPECT_TRUE(shows_centred(note, 139, "NOCH KEINE WIEDERHOLUNG FUER DIESEN SCHACHT", colours::alarm_red));
  for (std::uint32_t y = 0; y < 200; ++y) {
    if (y >= 139 && y < 148) continue;  // the line and its shadow
    for (std::uint32_t x = 0; x < 320; ++x) ASSERT_EQ(note.pixel(x, y), title.pixel(x, y)) << x << "," << y;
  }
  s.show_title_note(TitleNote::OlderCave);
  EXPECT_TRUE(shows_centred(drawn(s), 139, "WIEDERHOLUNG EINER AELTEREN FASSUNG DES SCHACHTS", colours::alarm_red));
  EXPECT_TRUE(title_note_text(TitleNote::None, Language::German).empty());
}

}  // namespace
}  // namespace korvedan
