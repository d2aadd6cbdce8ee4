// Drawing text with the 5 × 7 font: decoding the glyph rows and laying out character cells.
#include "art/font.hpp"

#include <charconv>
#include <optional>

#include "base/fatal.hpp"
#include "base/utf8.hpp"

namespace korvedan {

namespace {

// One binary row piece, an optional leading "+" allowed, as it must fit one byte.
std::optional<std::uint8_t> parse_binary_byte(std::string_view piece) {
  if (!piece.empty() && piece.front() == '+') piece.remove_prefix(1);
  std::uint8_t value = 0;
  const char* end = piece.data() + piece.size();
  const auto [stop, error] = std::from_chars(piece.data(), end, value, 2);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The next code point of a UTF-8 text. Any whole sequence is taken at its value, overlong,
// surrogate or too large alike (such a value has no glyph and is drawn as a blank cell); a
// broken sequence counts as one blank character for its first byte.
char32_t next_scalar(std::string_view text, std::size_t& pos) {
  const Utf8Step step = decode_utf8(text.substr(pos));
  const bool broken = step.error == Utf8Error::BadLead || step.error == Utf8Error::Truncated ||
                      step.error == Utf8Error::BadContinuation;
  pos += broken ? 1 : step.length;
  return broken ? replacement_char : step.code;
}

struct DecodedGlyph {
  char32_t ch;
  std::array<std::uint8_t, glyph_rows> rows;
};

// The table decoded once: the same rows as decoding on every use.
const std::array<DecodedGlyph, glyph_count>& decoded_glyphs() {
  static const std::array<DecodedGlyph, glyph_count> decoded = [] {
    std::array<DecodedGlyph, glyph_count> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
      out[i] = {glyph_table()[i].ch, decode_glyph_rows(glyph_table()[i].rows)};
    }
    return out;
  }();
  return decoded;
}

const DecodedGlyph* find_glyph(char32_t ch) {
  for (const DecodedGlyph& g : decoded_glyphs()) {
    if (g.ch == ch) return &g;
  }
  return nullptr;
}

}  // namespace

std::array<std::uint8_t, glyph_rows> decode_glyph_rows(std::string_view rows) {
  std::array<std::uint8_t, glyph_rows> out{};
  std::size_t index = 0;
  while (true) {
    const std::size_t space = rows.find(' ');
    const std::string_view piece = rows.substr(0, space);
    const std::optional<std::uint8_t> value = parse_binary_byte(piece);
    if (!value) fatal("glyph rows are binary");
    if (index >= out.size()) fatal("index out of bounds: a glyph has 7 rows");
    out[index++] = *value;
    if (space == std::string_view::npos) break;
    rows.remove_prefix(space + 1);
  }
  return out;
}

std::uint32_t text_width(std::string_view text) {
  std::uint32_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) next_scalar(text, pos);
  return count == 0 ? 0 : glyph_advance * count - 1;
}

void draw_text(Canvas& canvas, std::int32_t x, std::int32_t y, std::string_view text, Rgb colour,
               std::int32_t scale) {
  if (scale < 1) return;
  std::int64_t pen = x;
  for (std::size_t pos = 0; pos < text.size();) {
    // Everything further along lies right of the canvas.
    if (pen >= std::int64_t{Canvas::width}) return;
    const DecodedGlyph* glyph = find_glyph(next_scalar(text, pos));
    if (glyph && pen + std::int64_t{glyph_columns} * scale > 0) {
      for (int m = 0; m < glyph_rows; ++m) {
        for (int c = 0; c < glyph_columns; ++c) {
          if (!(glyph->rows[static_cast<std::size_t>(m)] & (1u << (glyph_columns - 1 - c)))) continue;
          const std::int64_t px = pen + std::int64_t{c} * scale;
          const std::int64_t py = std::int64_t{y} + std::int64_t{m} * scale;
          // Both start at or above the 32-bit minimum; past the far edges nothing shows.
          if (px >= std::int64_t{Canvas::width} || py >= std::int64_t{Canvas::height}) continue;
          canvas.fill_rect(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py), scale, scale, colour);
        }
      }
    }
    pen += std::int64_t{glyph_advance} * scale;
  }
}

void draw_text_centred(Canvas& canvas, std::int32_t y, std::string_view text, Rgb colour,
                       std::int32_t scale) {
  const std::int64_t w = std::int64_t{scale} * text_width(text);
  const auto x0 = static_cast<std::int32_t>(160 - w / 2);
  draw_text(canvas, x0 + scale, y + scale, text, Rgb{0, 0, 0}, scale);
  draw_text(canvas, x0, y, text, colour, scale);
}

}  // namespace korvedan
