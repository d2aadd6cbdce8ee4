// The bitmap font: glyph decoding, character cells, scaling, centring and clipping.
#include "art/font.hpp"

#include <gtest/gtest.h>

#include <string>

#include "art/colours.hpp"

namespace korvedan {
namespace {

constexpr Rgb ink{10, 20, 30};
constexpr Rgb white{255, 255, 255};

// Columns of the canvas that hold any pixel of the colour.
std::vector<std::uint32_t> inked_columns(const Canvas& c, Rgb colour) {
  std::vector<std::uint32_t> columns;
  for (std::uint32_t x = 0; x < Canvas::width; ++x) {
    for (std::uint32_t y = 0; y < Canvas::height; ++y) {
      if (c.pixel(x, y) == colour) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

TEST(Font, TableHoldsTheCharactersInSearchOrder) {
  std::u32string order;
  for (const Glyph& g : glyph_table()) order += g.ch;
  EXPECT_EQ(order, U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/:!.,-=+<>");
}

TEST(Font, DecodesRowsAsBinaryWithLeftmostDigitHighest) {
  const auto a = decode_glyph_rows("01110 10001 10001 11111 10001 10001 10001");
  EXPECT_EQ(a, (std::array<std::uint8_t, 7>{0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}));
  // A leading "+" is accepted, and rows that are missing stay empty.
  EXPECT_EQ(decode_glyph_rows("+11111 00001"), (std::array<std::uint8_t, 7>{31, 1, 0, 0, 0, 0, 0}));
  for (const Glyph& g : glyph_table()) {
    for (std::uint8_t row : decode_glyph_rows(g.rows)) EXPECT_LT(row, 32) << static_cast<char>(g.ch);
  }
}

TEST(FontDeathTest, RejectsRowsThatAreNotBinaryOrTooMany) {
  EXPECT_DEATH(decode_glyph_rows("01110 10201 10001 11111 10001 10001 10001"), "glyph rows are binary");
  EXPECT_DEATH(decode_glyph_rows("01110  10001"), "glyph rows are binary");       // an empty piece
  EXPECT_DEATH(decode_glyph_rows("111111111 00000"), "glyph rows are binary");    // no byte holds it
  EXPECT_DEATH(decode_glyph_rows("+ 00000"), "glyph rows are binary");
  EXPECT_DEATH(decode_glyph_rows("0 0 0 0 0 0 0 0"), "index out of bounds");
}

TEST(Font, TextWidthCountsCharactersNotBytes) {
  EXPECT_EQ(text_width(""), 0u);
  EXPECT_EQ(text_width("A"), 5u);
  EXPECT_EQ(text_width("AB 12 C 3"), 53u);
  EXPECT_EQ(text_width("\xC3\x84" "\xC3\x96"), 11u);         // ÄÖ: two characters in four bytes
  EXPECT_EQ(text_width("\xE2\x82\xAC" "\xF0\x9F\x98\x80"), 11u);  // € and an emoji
  EXPECT_EQ(text_width("\xFF" "A"), 11u);  // a broken byte is one blank character
}

// The font takes any whole sequence as one (glyphless) character, even an overlong,
// surrogate or too large one, and gives a broken sequence one blank cell for its first byte.
TEST(Font, TextWidthOfBadUtf8CountsWholeSequencesOnceAndBrokenOnesPerByte) {
  const auto cells = [](std::uint32_t n) { return n * glyph_advance - 1; };
  EXPECT_EQ(text_width("\xC0\x80"), cells(1));                  // overlong NUL
  EXPECT_EQ(text_width("\xE0\x80\xAF" "A"), cells(2));          // overlong "/"
  EXPECT_EQ(text_width("\xED\xA0\x80"), cells(1));              // a surrogate
  EXPECT_EQ(text_width("\xF7\xBF\xBF\xBF"), cells(1));          // above U+10FFFF
  EXPECT_EQ(text_width("\xE2\x80"), cells(2));                  // truncated: each byte alone
  EXPECT_EQ(text_width("\xC3(A"), cells(3));                     // a bad continuation byte
  EXPECT_EQ(text_width("\x80\xBF\xF8"), cells(3));              // stray bytes
}

TEST(Font, DrawsGlyphBitsAtScaleOne) {
  Canvas c;
  draw_text(c, 10, 20, "A", ink, 1);
  const auto rows = decode_glyph_rows(glyph_table()[0].rows);
  for (int m = 0; m < 7; ++m) {
    for (int col = 0; col < 5; ++col) {
      const bool set = rows[static_cast<std::size_t>(m)] & (16 >> col);
      EXPECT_EQ(c.pixel(static_cast<std::uint32_t>(10 + col), static_cast<std::uint32_t>(20 + m)), set ? ink : white)
          << m << "," << col;
    }
  }
}

TEST(Font, SpaceLeavesItsCellUntouched) {
  Canvas c;
  draw_text(c, 0, 0, "A A", ink, 1);
  for (std::uint32_t x : inked_columns(c, ink)) EXPECT_TRUE(x <= 4 || (x >= 12 && x <= 16)) << x;
  EXPECT_EQ(inked_columns(c, ink).front(), 0u);
  EXPECT_EQ(inked_columns(c, ink).back(), 16u);
}

TEST(Font, UnknownCharactersDrawNothingButAdvance) {
  Canvas with_lower, plain;
  draw_text(with_lower, 4, 4, "aB", ink, 2);
  draw_text(plain, 4 + 12, 4, "B", ink, 2);
  EXPECT_EQ(with_lower.pixels(), plain.pixels());
  Canvas umlaut;
  draw_text(umlaut, 4, 4, "\xC3\x84" "B", ink, 2);  // Ä has no glyph: one blank cell, not two
  EXPECT_EQ(umlaut.pixels(), plain.pixels());
}

TEST(Font, ScaleThreeMakesThreeByThreeSquaresAndEighteenPixelCells) {
  Canvas c;
  draw_text(c, 0, 0, "II", ink, 3);
  // I's top row is 01110: columns 1–3 of the cell, so pixels 3–11 in rows 0–2.
  for (std::uint32_t y = 0; y < 3; ++y) {
    EXPECT_EQ(c.pixel(2, y), white);
    for (std::uint32_t x = 3; x < 12; ++x) EXPECT_EQ(c.pixel(x, y), ink);
    EXPECT_EQ(c.pixel(12, y), white);
    EXPECT_EQ(c.pixel(18 + 3, y), ink);  // the second I, one 18-pixel cell further
    EXPECT_EQ(c.pixel(18 + 2, y), white);
  }
  // Its stem (column 2 of the cell) in rows 1–5: pixels 6–8 from y = 3 to 17.
  EXPECT_EQ(c.pixel(6, 17), ink);
  EXPECT_EQ(c.pixel(5, 17), white);
  EXPECT_EQ(c.pixel(9, 17), white);
}

TEST(Font, CentredTextHasAShadowDownAndRight) {
  Canvas c;
  draw_text_centred(c, 40, "GESCHAFFT!", colours::gold, 2);
  Canvas expected;
  draw_text(expected, 103, 42, "GESCHAFFT!", colours::black, 2);
  draw_text(expected, 101, 40, "GESCHAFFT!", colours::gold, 2);
  EXPECT_EQ(c.pixels(), expected.pixels());
  EXPECT_EQ(c.pixel(101, 42), colours::gold);  // G's second row starts in its first column
  EXPECT_EQ(inked_columns(c, colours::gold).front(), 101u);
  // The last cell, "!", has ink only in its middle column: 103 + 9 × 12 + 2 × 2, two wide.
  EXPECT_EQ(inked_columns(c, colours::black).back(), 216u);
}

TEST(Font, TextPastTheRightEdgeIsClippedNotWrapped) {
  Canvas c;
  draw_text(c, 300, 10, std::string(100, 'W'), ink, 1);
  draw_text(c, -8, 30, "HH", ink, 1);  // the first H lies wholly left of the canvas
  for (std::uint32_t x : inked_columns(c, ink)) EXPECT_TRUE(x >= 300 || x <= 2) << x;
  for (std::uint32_t y = 0; y < Canvas::height; ++y) {
    if (y >= 10 && y < 17) continue;
    if (y >= 30 && y < 37) continue;
    for (std::uint32_t x = 0; x < Canvas::width; ++x) ASSERT_EQ(c.pixel(x, y), white) << x << "," << y;
  }
  // The fourth W begins at 318: its top row 10001 inks 318 only, its sixth row 11011 318 and 319.
  EXPECT_EQ(c.pixel(318, 10), ink);
  EXPECT_EQ(c.pixel(319, 10), white);
  EXPECT_EQ(c.pixel(319, 15), ink);
  // The second H begins at −2: its top row inks x = 2, its bar (row 3) x = 0 to 2.
  EXPECT_EQ(c.pixel(2, 30), ink);
  EXPECT_EQ(c.pixel(0, 30), white);
  EXPECT_EQ(c.pixel(0, 33), ink);
}

}  // namespace
}  // namespace korvedan
