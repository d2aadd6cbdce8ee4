// Composing the icon from the sprites, the way the title screen draws its cave.
#include "art/icon.hpp"

#include "art/sprite_sheet.hpp"

namespace korvedan {

namespace {

// As dark as the title screen's cave, so that the digger stands out at 16 pixels.
constexpr std::uint32_t cave_shade = 96;

bool is_corner(std::uint32_t x, std::uint32_t y) {
  constexpr std::uint32_t last = icon_design_size - 1;
  return (x == 0 || x == last) && (y == 0 || y == last);
}

}  // namespace

Sprite icon_picture() {
  Canvas canvas;
  canvas.blit(build_sprite({SpriteKind::Dirt}), 0, 0);
  canvas.shade_rows(0, icon_design_size, cave_shade);
  canvas.blit(build_sprite(digger_key(SpriteKind::DiggerFront, 0, 0)), 0, 0);
  Sprite icon = Sprite::blank(icon_design_size, icon_design_size);
  for (std::uint32_t y = 0; y < icon_design_size; ++y) {
    for (std::uint32_t x = 0; x < icon_design_size; ++x) {
      if (!is_corner(x, y)) icon.at(x, y) = canvas.pixel(x, y);
    }
  }
  return icon;
}

Sprite enlarged(const Sprite& sprite, std::uint32_t factor) {
  Sprite big = Sprite::blank(sprite.width * factor, sprite.height * factor);
  for (std::uint32_t y = 0; y < big.height; ++y) {
    for (std::uint32_t x = 0; x < big.width; ++x) big.at(x, y) = sprite.at(x / factor, y / factor);
  }
  return big;
}

}  // namespace korvedan
