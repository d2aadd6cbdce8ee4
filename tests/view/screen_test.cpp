// Frame scaling at every window size the game meets, from 4K down to a single pixel.
#include "game/view/screen.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace korvedan {
namespace {

constexpr std::uint32_t garbage = 0xDEADBEEF;

// Every canvas pixel a different colour: red = x mod 256, green = y, blue = x / 256 + 7.
Canvas patterned_canvas() {
  Canvas c;
  for (std::uint32_t y = 0; y < Canvas::height; ++y) {
    for (std::uint32_t x = 0; x < Canvas::width; ++x) {
      c.set_pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                  Rgb{static_cast<std::uint8_t>(x & 255), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x / 256 + 7)});
    }
  }
  return c;
}

std::uint32_t canvas_at(std::uint32_t x, std::uint32_t y) {
  return (x & 255) << 16 | y << 8 | (x / 256 + 7);
}
std::uint32_t source_x(std::uint32_t pixel) { return (pixel >> 16 & 255) + ((pixel & 255) - 7) * 256; }
std::uint32_t source_y(std::uint32_t pixel) { return pixel >> 8 & 255; }

struct Presented {
  std::uint32_t w, h;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * w + x]; }
};

Presented present(std::uint32_t w, std::uint32_t h) {
  static const Canvas canvas = patterned_canvas();
  Presented p{w, h, std::vector<std::uint32_t>(std::size_t{w} * h, garbage)};
  present_frame(canvas, p.pixels, w, h);
  return p;
}

// Black outside [left, left + m) × [top, top + u); inside, no pixel is black (the pattern's blue is never 0).
void expect_picture_at(const Presented& p, std::uint32_t left, std::uint32_t top, std::uint32_t m, std::uint32_t u) {
  for (std::uint32_t y = 0; y < p.h; ++y) {
    for (std::uint32_t x = 0; x < p.w; ++x) {
      const bool inside = x >= left && x < left + m && y >= top && y < top + u;
      if (inside) {
        ASSERT_NE(p.at(x, y), 0u) << x << "," << y;
      } else {
        ASSERT_EQ(p.at(x, y), 0u) << x << "," << y;
      }
    }
  }
}

TEST(PresentFrame, InitialWindowIsAnExactThreefoldEnlargement) {
  const Presented p = present(960, 600);
  for (std::uint32_t y = 0; y < 600; ++y) {
    for (std::uint32_t x = 0; x < 960; ++x) ASSERT_EQ(p.at(x, y), canvas_at(x / 3, y / 3)) << x << "," << y;
  }
}

TEST(PresentFrame, WideWindowGetsBlackColumnsBothSides) {
  const Presented p = present(1000, 600);
  expect_picture_at(p, 20, 0, 960, 600);
  EXPECT_EQ(p.at(20, 0), canvas_at(0, 0));
  EXPECT_EQ(p.at(979, 599), canvas_at(319, 199));
  EXPECT_EQ(p.at(23, 5), canvas_at(1, 1));
}

TEST(PresentFrame, ScaleBelowTheFitIsRoundedDownFromTwoUp) {
  const Presented p = present(640, 500);  // min(2, 2.5) = 2
  expect_picture_at(p, 0, 50, 640, 400);
  EXPECT_EQ(p.at(639, 449), canvas_at(319, 199));
  EXPECT_EQ(p.at(3, 52), canvas_at(1, 1));

  const Presented big = present(3840, 2160);  // min(12, 10.8) → 10
  expect_picture_at(big, 320, 80, 3200, 2000);
  EXPECT_EQ(big.at(320 + 19, 80 + 29), canvas_at(1, 2));
}

TEST(PresentFrame, FractionalScaleRepeatsEveryOtherColumn) {
  const Presented p = present(500, 300);  // s = 1.5, picture 480 × 300 at left 10
  expect_picture_at(p, 10, 0, 480, 300);
  std::vector<std::uint32_t> columns;
  for (std::uint32_t x = 10; x < 16; ++x) columns.push_back(source_x(p.at(x, 0)));
  EXPECT_EQ(columns, (std::vector<std::uint32_t>{0, 0, 1, 2, 2, 3}));
  std::vector<std::uint32_t> rows;
  for (std::uint32_t y = 0; y < 6; ++y) rows.push_back(source_y(p.at(10, y)));
  EXPECT_EQ(rows, (std::vector<std::uint32_t>{0, 0, 1, 2, 2, 3}));
  EXPECT_EQ(p.at(489, 299), canvas_at(319, 199));
}

TEST(PresentFrame, SmallWindowSkipsSomeCanvasRowsAndColumns) {
  const Presented p = present(300, 200);  // s = 0.9375, picture 300 × 187 at top 6
  expect_picture_at(p, 0, 6, 300, 187);
  std::set<std::uint32_t> rows, columns;
  for (std::uint32_t y = 6; y < 193; ++y) rows.insert(source_y(p.at(0, y)));
  for (std::uint32_t x = 0; x < 300; ++x) columns.insert(source_x(p.at(x, 6)));
  EXPECT_EQ(rows.size(), 187u);
  EXPECT_EQ(columns.size(), 300u);
  EXPECT_EQ(*rows.begin(), 0u);
  EXPECT_EQ(*rows.rbegin(), 198u);  // 186 × 200 / 187
  EXPECT_EQ(*columns.rbegin(), 318u);
  // Each picture pixel is the canvas pixel its row and column map to.
  for (std::uint32_t y = 6; y < 193; ++y) {
    for (std::uint32_t x = 0; x < 300; ++x) {
      ASSERT_EQ(p.at(x, y), canvas_at(source_x(p.at(x, 6)), source_y(p.at(0, y))));
    }
  }
}

TEST(PresentFrame, SinglePixelShowsTheTopLeftCanvasPixel) {
  const Presented p = present(1, 1);
  EXPECT_EQ(p.at(0, 0), canvas_at(0, 0));
}

TEST(PresentFrame, TooShortBufferIsLeftAllBlack) {
  static const Canvas canvas = patterned_canvas();
  std::vector<std::uint32_t> buffer(1000, garbage);
  present_frame(canvas, buffer, 2000, 600);
  for (std::uint32_t pixel : buffer) ASSERT_EQ(pixel, 0u);
  std::vector<std::uint32_t> none;
  present_frame(canvas, none, 1, 1);  // nothing to write, nothing written
}

TEST(PresentFrame, LongerBufferIsBlackBeyondTheFrame) {
  static const Canvas canvas = patterned_canvas();
  std::vector<std::uint32_t> buffer(640 * 400 + 77, garbage);
  present_frame(canvas, buffer, 640, 400);
  EXPECT_EQ(buffer[640 * 400 - 1], canvas_at(319, 199));
  for (std::size_t i = 640 * 400; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 0u);
}

TEST(PresentFrame, LayoutsOfTheListedSizes) {
  struct Case {
    std::uint32_t w, h;
    float scale;
    std::uint32_t m, u, left, top;
  };
  for (const Case& c : {Case{960, 600, 3, 960, 600, 0, 0}, Case{1000, 600, 3, 960, 600, 20, 0},
                        Case{640, 500, 2, 640, 400, 0, 50}, Case{500, 300, 1.5f, 480, 300, 10, 0},
                        Case{300, 200, 0.9375f, 300, 187, 0, 6}, Case{1, 1, 1.0f / 320, 1, 1, 0, 0},
                        Case{1920, 1080, 5, 1600, 1000, 160, 40}, Case{639, 399, 1.995f, 638, 399, 0, 0}}) {
    const FrameLayout l = frame_layout(c.w, c.h);
    EXPECT_FLOAT_EQ(l.scale, c.scale) << c.w << "x" << c.h;
    EXPECT_EQ(l.width, c.m) << c.w << "x" << c.h;
    EXPECT_EQ(l.height, c.u) << c.w << "x" << c.h;
    EXPECT_EQ(l.left, c.left) << c.w << "x" << c.h;
    EXPECT_EQ(l.top, c.top) << c.w << "x" << c.h;
  }
}

// Any size the window can take: the picture stays inside, bars are black, pixels come from the canvas.
TEST(PresentFrame, CopesWithEverySmallAndOddSize) {
  for (std::uint32_t h = 1; h <= 41; h += 4) {
    for (std::uint32_t w = 1; w <= 330; w += 7) {
      const FrameLayout l = frame_layout(w, h);
      ASSERT_GE(l.width, 1u);
      ASSERT_GE(l.height, 1u);
      ASSERT_LE(l.left + l.width, w);
      ASSERT_LE(l.top + l.height, h);
      const Presented p = present(w, h);
      expect_picture_at(p, l.left, l.top, l.width, l.height);
      EXPECT_EQ(p.at(l.left, l.top), canvas_at(0, 0)) << w << "x" << h;
      for (std::uint32_t pixel : p.pixels) ASSERT_EQ(pixel >> 24, 0u);
    }
  }
  for (auto [w, h] : {std::pair{321u, 201u}, {100u, 100u}, {7u, 1000u}, {2000u, 3u}, {641u, 401u}}) {
    const FrameLayout l = frame_layout(w, h);
    const Presented p = present(w, h);
    expect_picture_at(p, l.left, l.top, l.width, l.height);
  }
}

}  // namespace
}  // namespace korvedan
