// Drawing on the canvas: single pixels, rectangles, sprites and darkened rows, all clipped.
#include "art/canvas.hpp"

#include <algorithm>

namespace korvedan {

Sprite Sprite::blank(std::uint32_t width, std::uint32_t height) {
  Sprite s;
  s.width = width;
  s.height = height;
  s.pixels.assign(std::size_t{width} * height, std::nullopt);
  return s;
}

Sprite Sprite::mirrored() const {
  Sprite out = blank(width, height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) out.at(x, y) = at(width - 1 - x, y);
  }
  return out;
}

Canvas::Canvas() : pixels_(std::size_t{width} * height * 4, 255) {}

Rgb Canvas::pixel(std::uint32_t x, std::uint32_t y) const {
  const std::uint8_t* p = &pixels_[(std::size_t{y} * width + x) * 4];
  return {p[0], p[1], p[2]};
}

void Canvas::set_pixel(std::int32_t x, std::int32_t y, Rgb colour) {
  if (x < 0 || y < 0 || x >= std::int32_t{width} || y >= std::int32_t{height}) return;
  std::uint8_t* p = &pixels_[(static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)) * 4];
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

void Canvas::fill_rect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Rgb colour) {
  if (w <= 0 || h <= 0) return;
  // 64-bit ends: x + w may not fit in 32 bits.
  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(width, std::int64_t{x} + w);
  const std::int64_t y1 = std::min<std::int64_t>(height, std::int64_t{y} + h);
  for (std::int64_t py = y0; py < y1; ++py) {
    std::uint8_t* p = &pixels_[static_cast<std::size_t>((py * width + x0) * 4)];
    for (std::int64_t px = x0; px < x1; ++px, p += 4) {
      p[0] = colour.r;
      p[1] = colour.g;
      p[2] = colour.b;
    }
  }
}

void Canvas::blit(const Sprite& sprite, std::int32_t x, std::int32_t y) {
  // Clip the sprite's rectangle once (in 64 bits, so no sum can wrap), then copy row by row.
  const std::int64_t sx0 = std::max<std::int64_t>(0, -std::int64_t{x});
  const std::int64_t sy0 = std::max<std::int64_t>(0, -std::int64_t{y});
  const std::int64_t sx1 = std::min<std::int64_t>(sprite.width, std::int64_t{width} - x);
  const std::int64_t sy1 = std::min<std::int64_t>(sprite.height, std::int64_t{height} - y);
  for (std::int64_t sy = sy0; sy < sy1; ++sy) {
    const std::optional<Rgb>* source = &sprite.pixels[static_cast<std::size_t>(sy * sprite.width + sx0)];
    std::uint8_t* p = &pixels_[static_cast<std::size_t>(((y + sy) * width + x + sx0) * 4)];
    for (std::int64_t sx = sx0; sx < sx1; ++sx, ++source, p += 4) {
      if (!*source) continue;  // transparent: the canvas shows through
      p[0] = (*source)->r;
      p[1] = (*source)->g;
      p[2] = (*source)->b;
    }
  }
}

void Canvas::shade_rows(std::int32_t y, std::int32_t h, std::uint32_t factor) {
  // Callers pass y ≥ 0; a negative start is clipped to the top row like everything else.
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t y1 = std::min<std::int64_t>(height, std::int64_t{y} + h);
  for (std::int64_t py = y0; py < y1; ++py) {
    std::uint8_t* p = &pixels_[static_cast<std::size_t>(py) * row_bytes];
    for (std::uint32_t px = 0; px < width; ++px, p += 4) {
      for (int channel = 0; channel < 3; ++channel) {
        p[channel] = static_cast<std::uint8_t>((std::uint32_t{p[channel]} * factor) >> 8);
      }
    }
  }
}

}  // namespace korvedan
