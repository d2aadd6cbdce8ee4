// The canvas primitives: clipping at every edge, sprite transparency, shading arithmetic.
#include "art/canvas.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace korvedan {
namespace {

constexpr Rgb red{200, 10, 20};

// Every pixel that is not white, as a set of coordinates counted by the predicate.
int count_pixels(const Canvas& c, Rgb colour) {
  int n = 0;
  for (std::uint32_t y = 0; y < Canvas::height; ++y) {
    for (std::uint32_t x = 0; x < Canvas::width; ++x) n += c.pixel(x, y) == colour;
  }
  return n;
}

bool all_alpha_opaque(const Canvas& c) {
  for (std::size_t i = 3; i < c.pixels().size(); i += 4) {
    if (c.pixels()[i] != 255) return false;
  }
  return true;
}

TEST(Canvas, NewCanvasIsOpaqueWhite) {
  const Canvas c;
  ASSERT_EQ(c.pixels().size(), 320u * 200u * 4u);
  for (std::uint8_t byte : c.pixels()) ASSERT_EQ(byte, 255);
}

TEST(Canvas, SetPixelWritesColourAtRowMajorOffsetAndDropsOutsiders) {
  Canvas c;
  c.set_pixel(3, 2, red);
  const std::size_t at = (3 + 2 * 320) * 4;
  EXPECT_EQ(c.pixels()[at], 200);
  EXPECT_EQ(c.pixels()[at + 1], 10);
  EXPECT_EQ(c.pixels()[at + 2], 20);
  EXPECT_EQ(c.pixels()[at + 3], 255);

  const auto before = c.pixels();
  for (auto [x, y] : {std::pair{320, 0}, {0, 200}, {-1, 0}, {0, -1}, {INT_MAX, 5}, {5, INT_MIN}}) {
    c.set_pixel(x, y, red);
  }
  EXPECT_EQ(c.pixels(), before);
  c.set_pixel(319, 199, red);
  EXPECT_EQ(c.pixel(319, 199), red);
}

TEST(Canvas, FillRectClipsAtEveryEdge) {
  Canvas c;
  c.fill_rect(-5, -5, 10, 10, red);
  EXPECT_EQ(count_pixels(c, red), 25);
  EXPECT_EQ(c.pixel(4, 4), red);
  EXPECT_NE(c.pixel(5, 4), red);
  EXPECT_NE(c.pixel(4, 5), red);

  Canvas d;
  d.fill_rect(315, 195, 10, 10, red);
  EXPECT_EQ(count_pixels(d, red), 25);
  EXPECT_EQ(d.pixel(315, 195), red);
  EXPECT_EQ(d.pixel(319, 199), red);
  EXPECT_NE(d.pixel(314, 199), red);

  Canvas e;
  e.fill_rect(100, 50, INT_MAX, 2, red);  // the right end overflows 32 bits
  EXPECT_EQ(count_pixels(e, red), 2 * 220);
  e.fill_rect(INT_MIN, 0, INT_MAX, 200, red);  // ends left of the canvas
  EXPECT_EQ(count_pixels(e, red), 2 * 220);
}

TEST(Canvas, FillRectDrawsNothingWhenEmptyOrOutside) {
  Canvas c;
  const auto before = c.pixels();
  c.fill_rect(10, 10, 0, 5, red);
  c.fill_rect(10, 10, 5, 0, red);
  c.fill_rect(10, 10, -3, 5, red);
  c.fill_rect(320, 0, 5, 5, red);
  c.fill_rect(0, 200, 5, 5, red);
  c.fill_rect(-5, 0, 5, 5, red);
  c.fill_rect(0, -5, 5, 5, red);
  EXPECT_EQ(c.pixels(), before);
}

Sprite solid_sprite(Rgb colour) {
  Sprite s = Sprite::blank(16, 16);
  for (auto& p : s.pixels) p = colour;
  return s;
}

TEST(Canvas, BlitClipsPerPixelOverEveryEdge) {
  const Sprite s = solid_sprite(red);
  Canvas right;
  right.blit(s, 312, 0);
  EXPECT_EQ(count_pixels(right, red), 8 * 16);
  EXPECT_EQ(right.pixel(312, 0), red);
  EXPECT_EQ(right.pixel(319, 15), red);

  Canvas above;
  above.blit(s, 0, -16);
  EXPECT_EQ(count_pixels(above, red), 0);

  Canvas corner;
  corner.blit(s, -10, 190);
  EXPECT_EQ(count_pixels(corner, red), 6 * 10);
  EXPECT_EQ(corner.pixel(5, 199), red);

  Canvas far;
  far.blit(s, INT_MAX - 3, INT_MAX - 3);  // coordinates must not wrap round onto the canvas
  far.blit(s, INT_MIN, 0);
  EXPECT_EQ(count_pixels(far, red), 0);
}

TEST(Canvas, BlitSkipsTransparentPixelsAndNeverBlends) {
  Sprite s = Sprite::blank(16, 16);
  s.at(1, 0) = red;
  s.at(2, 3) = Rgb{0, 0, 0};
  Canvas c;
  c.fill_rect(0, 0, 320, 200, Rgb{9, 9, 9});
  c.blit(s, 100, 50);
  EXPECT_EQ(c.pixel(101, 50), red);
  EXPECT_EQ(c.pixel(102, 53), (Rgb{0, 0, 0}));
  EXPECT_EQ(count_pixels(c, Rgb{9, 9, 9}), 320 * 200 - 2);
}

TEST(Sprite, MirroredFlipsLeftToRight) {
  Sprite s = Sprite::blank(16, 16);
  s.at(0, 2) = red;
  s.at(5, 15) = Rgb{1, 2, 3};
  const Sprite m = s.mirrored();
  EXPECT_EQ(m.width, 16u);
  EXPECT_EQ(m.at(15, 2), red);
  EXPECT_EQ(m.at(10, 15), (Rgb{1, 2, 3}));
  EXPECT_FALSE(m.at(0, 2).has_value());
  EXPECT_EQ(m.mirrored(), s);
}

TEST(Canvas, ShadeRowsMultipliesAndShiftsKeepingAlpha) {
  Canvas c;
  c.set_pixel(7, 7, Rgb{0, 0, 0});
  c.shade_rows(0, 200, 96);
  EXPECT_EQ(c.pixel(0, 0), (Rgb{95, 95, 95}));
  EXPECT_EQ(c.pixel(319, 199), (Rgb{95, 95, 95}));
  EXPECT_EQ(c.pixel(7, 7), (Rgb{0, 0, 0}));
  EXPECT_TRUE(all_alpha_opaque(c));
  c.shade_rows(0, 200, 96);  // darkens again: 95 × 96 >> 8
  EXPECT_EQ(c.pixel(0, 0), (Rgb{35, 35, 35}));
  EXPECT_EQ(c.pixel(7, 7), (Rgb{0, 0, 0}));
}

TEST(Canvas, ShadeRowsTouchesOnlyItsRowsAndKeepsTheLowByte) {
  Canvas c;
  c.shade_rows(10, 2, 70);
  EXPECT_EQ(c.pixel(0, 9), (Rgb{255, 255, 255}));
  EXPECT_EQ(c.pixel(0, 10), (Rgb{69, 69, 69}));
  EXPECT_EQ(c.pixel(319, 11), (Rgb{69, 69, 69}));
  EXPECT_EQ(c.pixel(0, 12), (Rgb{255, 255, 255}));

  Canvas bright;
  bright.fill_rect(0, 0, 320, 200, Rgb{255, 200, 1});
  bright.shade_rows(195, 100, 300);  // runs past the bottom; factors above 256 wrap the byte
  EXPECT_EQ(bright.pixel(3, 199), (Rgb{42, 234, 1}));  // 76500 >> 8 = 298 → 42; 60000 >> 8 = 234
  EXPECT_EQ(bright.pixel(3, 194), (Rgb{255, 200, 1}));
  EXPECT_TRUE(all_alpha_opaque(bright));
}

}  // namespace
}  // namespace korvedan
