// The desktop icon: the game's own digger on a dark cave tile, and its sharp enlargement.
#include "art/icon.hpp"

#include <gtest/gtest.h>

#include "art/sprite_sheet.hpp"

namespace korvedan {
namespace {

int brightness(Rgb c) { return c.r + c.g + c.b; }

TEST(Icon, TheFirstPlayersDiggerOnADarkTileWithRoundedCorners) {
  const Sprite icon = icon_picture();
  ASSERT_EQ(icon.width, 16u);
  ASSERT_EQ(icon.height, 16u);
  const Sprite digger = build_sprite(digger_key(SpriteKind::DiggerFront, 0, 0));
  int brightest_cave = 0, digger_pixels = 0;
  for (std::uint32_t y = 0; y < 16; ++y) {
    for (std::uint32_t x = 0; x < 16; ++x) {
      const bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
      ASSERT_EQ(icon.at(x, y).has_value(), !corner) << x << "," << y;
      if (corner) continue;
      if (digger.at(x, y)) {
        EXPECT_EQ(icon.at(x, y), digger.at(x, y)) << x << "," << y;
        ++digger_pixels;
      } else {
        brightest_cave = std::max(brightest_cave, brightness(*icon.at(x, y)));
      }
    }
  }
  EXPECT_GT(digger_pixels, 100);
  // The helmet must stand out from every pixel of the cave behind it, even at 16 pixels.
  EXPECT_GT(brightness(*icon.at(7, 1)), 2 * brightest_cave);
}

TEST(Icon, EnlargingMakesEachPixelAWholeBlock) {
  Sprite small = Sprite::blank(2, 1);
  small.at(0, 0) = Rgb{1, 2, 3};
  const Sprite big = enlarged(small, 3);
  ASSERT_EQ(big.width, 6u);
  ASSERT_EQ(big.height, 3u);
  for (std::uint32_t y = 0; y < 3; ++y) {
    for (std::uint32_t x = 0; x < 6; ++x) {
      EXPECT_EQ(big.at(x, y), x < 3 ? std::optional<Rgb>(Rgb{1, 2, 3}) : std::nullopt) << x << "," << y;
    }
  }
  EXPECT_EQ(enlarged(icon_picture(), 1), icon_picture());
  const Sprite largest = enlarged(icon_picture(), 16);
  EXPECT_EQ(largest.width, 256u);
  EXPECT_EQ(largest.at(255, 255), std::nullopt);
  EXPECT_EQ(largest.at(7 * 16 + 15, 1 * 16), icon_picture().at(7, 1));
}

}  // namespace
}  // namespace korvedan
