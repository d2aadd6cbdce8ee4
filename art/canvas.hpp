// The 320 × 200 picture every frame is drawn into, its colours and the 16 × 16 sprite pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace korvedan {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A small picture: each pixel is a colour or transparent (std::nullopt).
struct Sprite {
  std::vector<std::optional<Rgb>> pixels;  // width × height, row by row
  std::uint32_t width = 0, height = 0;

  static Sprite blank(std::uint32_t width, std::uint32_t height);

  const std::optional<Rgb>& at(std::uint32_t x, std::uint32_t y) const { return pixels[y * width + x]; }
  std::optional<Rgb>& at(std::uint32_t x, std::uint32_t y) { return pixels[y * width + x]; }

  // The left-right flip: pixel (x, y) is this sprite's pixel (width − 1 − x, y).
  Sprite mirrored() const;

  bool operator==(const Sprite&) const = default;
};

// Pixels are R, G, B, A bytes, row-major from the top-left. Nothing ever writes the A byte, so
// it stays 255; drawing outside the canvas is silently dropped.
class Canvas {
 public:
  static constexpr std::uint32_t width = 320;
  static constexpr std::uint32_t height = 200;
  static constexpr std::uint32_t row_bytes = width * 4;

  Canvas();  // every byte 255: opaque white

  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  Rgb pixel(std::uint32_t x, std::uint32_t y) const;

  void set_pixel(std::int32_t x, std::int32_t y, Rgb colour);
  void fill_rect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Rgb colour);
  void blit(const Sprite& sprite, std::int32_t x, std::int32_t y);
  // Darkens rows y … y + h − 1 in place: each channel c becomes the low byte of (c × factor) >> 8.
  void shade_rows(std::int32_t y, std::int32_t h, std::uint32_t factor);

 private:
  std::vector<std::uint8_t> pixels_;
};

}  // namespace korvedan
