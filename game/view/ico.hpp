// The Windows icon file (.ico): one picture at several square sizes in one file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace korvedan {

// One size of the icon: size × size pixels of 0xAARRGGBB, row-major from the top.
struct IconImage {
  std::uint32_t size = 0;
  std::vector<std::uint32_t> pixels;
};

// The .ico file of the given sizes (1 to 256), in their order. Sizes up to 128 are stored as
// 32-bit bitmaps with a transparency mask, which every Windows reads; 256 as a PNG, as
// Windows Vista and later expect for the largest size. A wrong pixel count is a programming error.
std::vector<std::uint8_t> encode_ico(std::span<const IconImage> images);

}  // namespace korvedan
