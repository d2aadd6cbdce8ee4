// The tune's notation: note names, holds and rests, and the whole built-in table.
#include <gtest/gtest.h>

#include <array>

#include "sound/tune.hpp"

namespace korvedan {
namespace {

Result<std::vector<LeadStep>> parse_one(std::string_view melody) {
  const std::array<Bar, 1> bars{{{melody, {0, 4, 7}}}};
  return try_parse_lead(bars);
}

TEST(Tune, TheWholeTableParsesToTheLoopsSteps) {
  Result<std::vector<LeadStep>> parsed = try_parse_lead(bar_table());
  ASSERT_TRUE(parsed.ok()) << parsed.error();
  const std::vector<LeadStep>& steps = parsed.value();
  ASSERT_EQ(steps.size(), 256u);
  ASSERT_EQ(bar_table().size(), 16u);
  // Every bar strikes a new note at its start.
  for (std::size_t bar = 0; bar < 16; ++bar) {
    EXPECT_EQ(steps[bar * 16].sounding, 1u) << "bar " << bar;
    EXPECT_EQ(steps[bar * 16].age, 0u) << "bar " << bar;
  }
  // Bars 4, 5 and 12 repeat bars 0, 1 and 8 note for note.
  for (auto [copy, original] : {std::pair{4, 0}, {5, 1}, {12, 8}}) {
    for (int p = 0; p < 16; ++p) EXPECT_EQ(steps[copy * 16 + p], steps[original * 16 + p]) << copy << ":" << p;
  }
  EXPECT_EQ(parse_lead(bar_table()), steps);
}

TEST(Tune, BarZeroStepByStep) {
  const std::vector<LeadStep> steps = parse_lead(bar_table());
  const std::array<LeadStep, 16> expected{{
      {1, 64, 0}, {0, 64, 0}, {1, 64, 0}, {0, 64, 0}, {1, 67, 0}, {1, 67, 1}, {1, 64, 0}, {0, 64, 0},
      {1, 60, 0}, {1, 60, 1}, {1, 62, 0}, {1, 62, 1}, {1, 64, 0}, {1, 64, 1}, {1, 64, 2}, {0, 64, 0},
  }};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(steps[i].sounding, expected[i].sounding) << "step " << i;
    EXPECT_EQ(steps[i].age, expected[i].age) << "step " << i;
    if (expected[i].sounding) {
      EXPECT_EQ(steps[i].note, expected[i].note) << "step " << i;
    }
  }
}

TEST(Tune, NoteNames) {
  EXPECT_EQ(parse_note_name("A4"), 57);
  EXPECT_EQ(parse_note_name("C5"), 60);
  EXPECT_EQ(parse_note_name("C#5"), 61);
  EXPECT_EQ(parse_note_name("B4"), 59);
  EXPECT_EQ(parse_note_name("C-1"), -12);
  EXPECT_EQ(parse_note_name("C+5"), 60);
  EXPECT_EQ(parse_note_name("G0005"), 67);
  EXPECT_EQ(parse_note_name("B#6"), 84);
  EXPECT_EQ(parse_note_name("C178956970"), 2147483640);
}

TEST(Tune, TokensThatAreNoNotes) {
  for (std::string_view token : {"", "C", "c4", "Cb4", "C##4", "H4", "C#", "C+", "C-", "C4x", "C+-4", "C4.",
                                 "C2147483648", "C99999999999999999999", "C-2147483648", "C178956971"}) {
    EXPECT_EQ(parse_note_name(token), std::nullopt) << '"' << token << '"';
  }
  // The same tokens inside a bar; two spaces make an empty token.
  for (std::string_view melody : {"C5 - c4 .", "C5  - .", "C5 Cb4", "C##4", "C5 C", " C5", "C5 "}) {
    Result<std::vector<LeadStep>> parsed = parse_one(melody);
    ASSERT_FALSE(parsed.ok()) << '"' << melody << '"';
    EXPECT_EQ(parsed.error(), "lead notes are note names");
  }
}

TEST(TuneDeathTest, BadTuneDataStopsTheSetUp) {
  const std::array<Bar, 1> bars{{{"E5 - e5", {0, 4, 7}}}};
  EXPECT_DEATH(parse_lead(bars), "lead notes are note names");
}

TEST(Tune, HoldsAndRests) {
  Result<std::vector<LeadStep>> parsed = parse_one("- - E5 - . - D5 -");
  ASSERT_TRUE(parsed.ok());
  const std::vector<LeadStep>& s = parsed.value();
  ASSERT_EQ(s.size(), 8u);
  // A hold before any note is silent, with the unset note as 0.
  EXPECT_EQ(s[0], (LeadStep{0, 0, 1}));
  EXPECT_EQ(s[1], (LeadStep{0, 0, 2}));
  EXPECT_EQ(s[2], (LeadStep{1, 64, 0}));
  EXPECT_EQ(s[3], (LeadStep{1, 64, 1}));
  // A rest keeps the note number; a hold after it stays silent.
  EXPECT_EQ(s[4], (LeadStep{0, 64, 0}));
  EXPECT_EQ(s[5], (LeadStep{0, 64, 1}));
  EXPECT_EQ(s[6], (LeadStep{1, 62, 0}));
  EXPECT_EQ(s[7], (LeadStep{1, 62, 1}));
}

TEST(Tune, AHeldNoteCarriesOverTheBarLine) {
  const std::array<Bar, 2> bars{{{"C5 -", {0, 4, 7}}, {"- - .", {7, 11, 14}}}};
  Result<std::vector<LeadStep>> parsed = try_parse_lead(bars);
  ASSERT_TRUE(parsed.ok());
  ASSERT_EQ(parsed.value().size(), 5u);
  EXPECT_EQ(parsed.value()[2], (LeadStep{1, 60, 2}));
  EXPECT_EQ(parsed.value()[3], (LeadStep{1, 60, 3}));
  EXPECT_EQ(parsed.value()[4], (LeadStep{0, 60, 0}));
}

}  // namespace
}  // namespace korvedan
