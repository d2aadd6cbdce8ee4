// The built-in 5 × 7 font: 46 upper-case glyphs drawn at any whole scale.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "art/canvas.hpp"

namespace korvedan {

// One character and its picture: 7 rows of 5 binary digits separated by single spaces,
// the leftmost digit the leftmost pixel.
struct Glyph {
  char32_t ch;
  std::string_view rows;
};

inline constexpr int glyph_count = 46;
inline constexpr int glyph_rows = 7;
inline constexpr int glyph_columns = 5;
inline constexpr int glyph_advance = 6;  // five ink columns and a blank one

// A to Z, 0 to 9, then / : ! . , - = + < >, searched in this order.
const std::array<Glyph, glyph_count>& glyph_table();

// Turns a glyph's row text into 7 row bytes (bit 4 is the leftmost column). A piece that is
// not a binary number fits no byte and stops the program; so does an eighth row.
std::array<std::uint8_t, glyph_rows> decode_glyph_rows(std::string_view rows);

// Width in unscaled pixels of a UTF-8 text: 6 × characters − 1, 0 for the empty text.
std::uint32_t text_width(std::string_view text);

// Draws UTF-8 text with its top-left corner at (x, y). Characters without a glyph (space,
// lower case, anything else) leave a blank cell of full width.
void draw_text(Canvas& canvas, std::int32_t x, std::int32_t y, std::string_view text, Rgb colour,
               std::int32_t scale);

// Centred on column 160 with a black shadow one scaled pixel down and right.
void draw_text_centred(Canvas& canvas, std::int32_t y, std::string_view text, Rgb colour,
                       std::int32_t scale);

}  // namespace korvedan
