// What watching runs adds to the pictures: the band over a watched run, "H: ZEIG MIR WIE" in
// the lost box from the third loss in a row, and the title's note when V finds no run.
#include <gtest/gtest.h>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "core/cave_digest.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "game/view/view.hpp"
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

bool shows_centred(const Canvas& canvas, std::int32_t y, std::string_view text, Rgb colour, int scale = 1) {
  Canvas expected = canvas;
  draw_text_centred(expected, y, text, colour, scale);
  return expected.pixels() == canvas.pixels();  // drawing it again changes nothing
}

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
  EXPECT_TRUE(title_note_text(TitleNote::None).empty());
}

}  // namespace
}  // namespace korvedan
