// Enlarging one sprite over the floor for export as a picture file.
#include "game/view/sprite_export.hpp"

#include "base/fatal.hpp"
#include "game/view/screen.hpp"

namespace korvedan {

std::vector<std::uint32_t> sprite_over_floor(const Sprite& sprite, const Sprite& floor) {
  for (const Sprite* s : {&sprite, &floor}) {
    if (s->width != 16 || s->height != 16) fatal("exported sprites are 16 × 16");
  }
  std::vector<std::uint32_t> pixels(std::size_t{sprite_export_size} * sprite_export_size);
  for (std::uint32_t y = 0; y < sprite_export_size; ++y) {
    for (std::uint32_t x = 0; x < sprite_export_size; ++x) {
      const std::uint32_t sx = x / sprite_export_scale, sy = y / sprite_export_scale;
      const std::optional<Rgb>& own = sprite.at(sx, sy);
      const std::optional<Rgb>& under = floor.at(sx, sy);
      pixels[std::size_t{y} * sprite_export_size + x] = own ? packed_pixel(*own) : under ? packed_pixel(*under) : 0;
    }
  }
  return pixels;
}

}  // namespace korvedan
