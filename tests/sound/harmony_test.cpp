// Bass, arpeggio, drums, note frequencies and the jingle lookup.
#include <gtest/gtest.h>

#include <array>

#include "sound/harmony.hpp"
#include "sound/jingles.hpp"
#include "sound/notes.hpp"

namespace korvedan {
namespace {

TEST(Notes, Frequencies) {
  EXPECT_FLOAT_EQ(note_frequency(57), 440.0f);
  EXPECT_FLOAT_EQ(note_frequency(69), 880.0f);
  EXPECT_FLOAT_EQ(note_frequency(45), 220.0f);
  EXPECT_NEAR(note_frequency(60), 523.2511f, 0.001f);
  EXPECT_NEAR(note_frequency(88), 2637.02f, 0.01f);
  EXPECT_NEAR(note_frequency(-12), 440.0f / 32.0f / 1.6817928f, 1e-5f);
  EXPECT_NEAR(note_frequency(200) / (440.0f * 4096.0f * 0.94387431f), 1.0f, 1e-5f);
  // Notes outside the table follow the same curve as those inside it.
  EXPECT_NEAR(note_frequency(128) / note_frequency(127), 1.0594631f, 1e-6f);
  EXPECT_NEAR(note_frequency(0) / note_frequency(-1), 1.0594631f, 1e-6f);
}

TEST(Harmony, BassWithACChord) {
  const Bar& c = bar_table()[0];
  const std::array<NoteNumber, 16> expected{24, 24, 36, 36, 24, 24, 36, 36, 24, 24, 36, 36, 31, 31, 36, 36};
  for (int p = 0; p < 16; ++p) {
    EXPECT_EQ(bass_note(c, p), expected[static_cast<std::size_t>(p)]) << p;
    EXPECT_EQ(bass_note(c, 64 + p), expected[static_cast<std::size_t>(p)]) << p;  // bar 4 is the same
  }
  EXPECT_EQ(bass_note(bar_table()[1], 16), 31);  // G2 under the G chord
  EXPECT_EQ(bass_note(bar_table()[10], 173), 35);  // E chord, seventh pair: B2
}

TEST(Harmony, ArpeggioCyclesEveryTwentyMilliseconds) {
  const Bar& c = bar_table()[0];
  EXPECT_EQ(arpeggio_note(c, 0.0f), 60);
  EXPECT_EQ(arpeggio_note(c, 0.019f), 60);
  EXPECT_EQ(arpeggio_note(c, 0.021f), 64);
  EXPECT_EQ(arpeggio_note(c, 0.041f), 67);
  EXPECT_EQ(arpeggio_note(c, 0.061f), 60);
  const Bar& a_minor = bar_table()[2];
  EXPECT_EQ(arpeggio_note(a_minor, 10.0f), 76);  // floor(500) mod 3 = 2
  EXPECT_EQ(arpeggio_note(a_minor, 10.03f), 69);
}

TEST(Harmony, DrumPattern) {
  std::string kicks, snares, hats;
  for (int s = 0; s < 32; ++s) {
    kicks += kick_at(s) ? 'K' : '.';
    snares += snare_at(s) ? 'S' : '.';
    hats += hat_at(s) ? 'H' : '.';
  }
  EXPECT_EQ(kicks, "K.......K.K.....K.......K.K.....");
  EXPECT_EQ(snares, "....S.......S.......S.......S...");
  EXPECT_EQ(hats, "..H...H...H...H...H...H...H...H.");
}

TEST(Jingles, LookupAtTheBoundaries) {
  const auto hatch = hatch_jingle();
  ASSERT_EQ(hatch.size(), 5u);
  EXPECT_EQ(jingle_at(hatch, 0.0f).note, 60);
  EXPECT_EQ(jingle_at(hatch, 0.0f).since_note, 0.0f);
  EXPECT_EQ(jingle_at(hatch, 0.0599f).note, 60);
  EXPECT_EQ(jingle_at(hatch, 0.06f).note, 64);  // a note begins exactly where the last one ends
  EXPECT_EQ(jingle_at(hatch, 0.06f).since_note, 0.0f);
  EXPECT_EQ(jingle_at(hatch, 0.13f).note, 67);
  EXPECT_NEAR(jingle_at(hatch, 0.13f).since_note, 0.01f, 1e-6f);
  EXPECT_EQ(jingle_at(hatch, 0.2399f).note, 72);
  EXPECT_EQ(jingle_at(hatch, 0.2401f).note, 76);
  // Past the end the last note goes on, its time still counting.
  EXPECT_EQ(jingle_at(hatch, 5.0f).note, 76);
  EXPECT_NEAR(jingle_at(hatch, 5.0f).since_note, 4.76f, 1e-5f);

  float total = 0.0f;
  for (const JingleNote& n : won_fanfare()) total += n.seconds;
  EXPECT_NEAR(total, 1.1f, 1e-6f);
  EXPECT_EQ(jingle_at(won_fanfare(), 0.5f).note, 72);
  EXPECT_EQ(jingle_at(won_fanfare(), 0.55f).note, 67);
  EXPECT_EQ(jingle_at(won_fanfare(), 0.7f).note, 72);
  EXPECT_EQ(jingle_at(short_rise(), 0.049f).note, 72);
  EXPECT_EQ(jingle_at(short_rise(), 0.051f).note, 76);
  EXPECT_EQ(jingle_at(short_rise(), 0.1f).note, 79);
}

}  // namespace
}  // namespace korvedan
