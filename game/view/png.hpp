// A minimal PNG writer: 8-bit RGB or RGBA, no filter, deflate stored blocks, no compression.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace korvedan {

// The zlib checksum: a starts at 1, b at 0, both modulo 65521; the value is b × 65536 + a.
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// The checksum of PNG chunks: reflected polynomial 0xEDB88320, all ones in, complemented out.
class Crc32 {
 public:
  void update(std::span<const std::uint8_t> bytes);
  std::uint32_t value() const { return ~state_; }

 private:
  std::uint32_t state_ = 0xFFFFFFFFu;
};

std::uint32_t crc32(std::span<const std::uint8_t> bytes);

// The PNG file of a width × height picture of 0x00RRGGBB pixels, row-major. Fewer pixels than
// width × height is a programming error.
std::vector<std::uint8_t> encode_png(std::uint32_t width, std::uint32_t height,
                                     std::span<const std::uint32_t> pixels);

// The same with transparency, for pictures shown outside the game (its icons): pixels are
// 0xAARRGGBB, alpha 0 fully transparent, 255 opaque.
std::vector<std::uint8_t> encode_png_with_alpha(std::uint32_t width, std::uint32_t height,
                                                std::span<const std::uint32_t> pixels);

}  // namespace korvedan
