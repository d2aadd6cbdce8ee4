// The 48 × 48 sprite export: the sprite where it is opaque, the floor behind it, black behind both.
#include "game/view/sprite_export.hpp"

#include <gtest/gtest.h>

#include "art/sprite_sheet.hpp"

namespace korvedan {
namespace {

TEST(SpriteExport, EnlargesThreefoldOverTheFloor) {
  Sprite sprite = Sprite::blank(16, 16), floor = Sprite::blank(16, 16);
  sprite.at(0, 0) = Rgb{1, 2, 3};
  floor.at(0, 0) = Rgb{9, 9, 9};  // hidden under the sprite
  floor.at(1, 0) = Rgb{10, 20, 30};
  sprite.at(15, 15) = Rgb{255, 0, 128};
  const auto pixels = sprite_over_floor(sprite, floor);
  ASSERT_EQ(pixels.size(), 48u * 48u);
  auto at = [&](std::uint32_t x, std::uint32_t y) { return pixels[y * 48 + x]; };
  for (std::uint32_t y = 0; y < 3; ++y) {
    for (std::uint32_t x = 0; x < 3; ++x) {
      EXPECT_EQ(at(x, y), 0x010203u);
      EXPECT_EQ(at(x + 3, y), 0x0A141Eu);
      EXPECT_EQ(at(45 + x, 45 + y), 0xFF0080u);
    }
  }
  EXPECT_EQ(at(6, 0), 0u);  // neither sprite nor floor there
  EXPECT_EQ(at(44, 47), 0u);
}

TEST(SpriteExport, RealSpritesOverTheRealFloor) {
  const Sprite floor = build_sprite({SpriteKind::Floor});
  const Sprite digger = build_sprite({SpriteKind::DiggerFront});
  const auto pixels = sprite_over_floor(digger, floor);
  EXPECT_EQ(pixels[0], 0x100C20u);  // floor (0, 0): percent 115 of (14, 11, 28)
  EXPECT_EQ(pixels[3 * 48 + 5 * 3], 0xFACC30u);  // the helmet at sprite pixel (5, 1)
}

}  // namespace
}  // namespace korvedan
