// The help and options pages: golden pictures in both languages, the title's F1 hint, the lost
// box's cause line, and the text table's rules.
#include "game/view/help_view.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "game/view/png.hpp"
#include "game/view/texts.hpp"
#include "game/view/view.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;

const SpriteSheet& sheet() {
  static const SpriteSheet sprites = SpriteSheet::build();
  return sprites;
}

std::vector<std::uint8_t> picture(const Session& s) {
  Canvas canvas;
  draw_view(canvas, s, sheet());
  std::vector<std::uint32_t> pixels(Canvas::width * Canvas::height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = canvas.pixels().data() + 4 * i;
    pixels[i] = std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
  }
  return encode_png(Canvas::width, Canvas::height, pixels);
}

std::vector<std::uint8_t> read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Compares with tests/view/golden/NAME.png byte for byte; a different picture is written as
// NAME.got.png beside it, to be looked at.
void expect_golden(const Session& s, const std::string& name) {
  const fs::path dir = fs::path(KV_SOURCE_DIR) / "tests" / "view" / "golden";
  const std::vector<std::uint8_t> got = picture(s);
  const fs::path expected = dir / (name + ".png");
  const fs::path beside = dir / (name + ".got.png");
  if (read_file(expected) == got) {
    fs::remove(beside);
    return;
  }
  std::ofstream(beside, std::ios::binary).write(reinterpret_cast<const char*>(got.data()),
                                               static_cast<std::streamsize>(got.size()));
  ADD_FAILURE() << name << " differs from " << expected << "; the picture drawn is " << beside;
}

Session help_session(Language language, std::uint8_t page, bool all_open) {
  Progress p;
  p.settings.language = language;
  p.all_open = all_open;
  Session s{p};
  s.stage().help = HelpScreen{page, 0, false, std::nullopt};
  return s;
}

TEST(HelpPictures, BothPagesInBothLanguages) {
  for (const Language l : {Language::German, Language::English}) {
    const std::string suffix = l == Language::German ? "-de" : "-en";
    expect_golden(help_session(l, 0, false), "help-first-cave" + suffix);
    expect_golden(help_session(l, 0, true), "help-all-open-1" + suffix);
    expect_golden(help_session(l, 1, true), "help-all-open-2" + suffix);

    Session options = help_session(l, 1, false);
    options.stage().progress.settings.music_volume = 7;
    options.stage().progress.settings.keys[0][4] = "KeyK";
    options.stage().help->row = static_cast<std::uint8_t>(option_first_key_row + 4);
    expect_golden(options, "options" + suffix);
    options.stage().help->choosing_key = true;
    options.stage().help->refusal = KeyRefusal::Taken;
    expect_golden(options, "options-refused" + suffix);
  }
}

TEST(HelpPictures, TheLostBoxSaysWhy) {
  for (const Language l : {Language::German, Language::English}) {
    for (const LostCause cause : {LostCause::Crushed, LostCause::Caught, LostCause::BlownUp, LostCause::Drop,
                                  LostCause::Acid, LostCause::Lamp}) {
      // Every cause in German; in English one stands for the rest (the texts are checked above).
      if (l == Language::English && cause != LostCause::Lamp) continue;
      Progress p;
      p.settings.language = l;
      Session s{p};
      s.start_cave(0);
      s.stage().cave.outcome = CaveOutcome::Lost;
      s.stage().end_clock = 1.0f;
      s.stage().lost_cause = cause;
      expect_golden(s, "lost-" + std::to_string(static_cast<int>(cause)) + (l == Language::German ? "-de" : "-en"));
    }
  }
}

TEST(HelpPictures, AnUnknownCauseOrTimeUpDrawsTheBoxAsBefore) {
  Session s{Progress{}};
  s.start_cave(0);
  s.stage().cave.outcome = CaveOutcome::Lost;
  s.stage().end_clock = 1.0f;
  const std::vector<std::uint8_t> plain = picture(s);
  s.stage().time_up = true;
  s.stage().lost_cause = LostCause::Crushed;
  const std::vector<std::uint8_t> time_up = picture(s);
  s.stage().time_up = false;
  EXPECT_NE(picture(s), plain);  // the cause line is there
  s.stage().lost_cause = LostCause::Unknown;
  EXPECT_EQ(picture(s), plain);
  EXPECT_NE(time_up, plain);
}

bool in_font(char c) {
  if (c == ' ') return true;
  for (const Glyph& g : glyph_table()) {
    if (g.ch == static_cast<char32_t>(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

TEST(Texts, EveryTextHasBothLanguagesInTheFontAndFitsItsPlace) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(Text::Count); ++i) {
    const auto id = static_cast<Text>(i);
    for (const Language l : {Language::German, Language::English}) {
      const std::string_view t = text(id, l);
      EXPECT_FALSE(t.empty()) << i;
      for (char c : t) EXPECT_TRUE(in_font(c)) << i << ": '" << c << "' in " << t;
      EXPECT_LE(text_width(t), 318u) << t;
    }
  }
  // The help's lines share the width with a second column: 22 characters at most.
  for (const CellKind kind : help_kinds) {
    const std::optional<HelpLine> line = help_line(kind);
    ASSERT_TRUE(line.has_value());
    for (const Language l : {Language::German, Language::English}) {
      EXPECT_LE(text_width(text(line->line, l)), 131u) << text(line->line, l);
    }
  }
  EXPECT_EQ(text(Text::Lost, Language::German), "DAS WAR NICHTS!");
  EXPECT_EQ(text(Text::Lost, Language::English), "THAT WENT WRONG!");
}

TEST(TitleHint, F1HelpStandsAcrossFromTheBuildLabel) {
  Canvas canvas;
  Session s{Progress{}};
  draw_view(canvas, s, sheet());
  // The hint's last glyph ends at x = 313 on the build label's row, in its colour.
  const std::uint32_t w = text_width("F1: HILFE");
  const std::int32_t x0 = 314 - static_cast<std::int32_t>(w);
  bool lavender_ink = false;
  for (std::int32_t y = 5; y < 12; ++y) {
    for (std::int32_t x = x0; x < 314; ++x) {
      const std::uint8_t* p = canvas.pixels().data() + 4 * (y * 320 + x);
      lavender_ink |= p[0] == colours::lavender.r && p[1] == colours::lavender.g && p[2] == colours::lavender.b;
    }
  }
  EXPECT_TRUE(lavender_ink);
}

}  // namespace
}  // namespace korvedan
