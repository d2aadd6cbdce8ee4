// Putting the 320 × 200 canvas into a window-sized buffer: nearest-neighbour scaling, centred.
#pragma once

#include <cstdint>
#include <span>

#include "art/canvas.hpp"

namespace korvedan {

// A window or screenshot pixel: 0x00RRGGBB.
constexpr std::uint32_t packed_pixel(Rgb c) {
  return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}

// Where the picture lands in a W × H buffer.
struct FrameLayout {
  float scale = 0;          // whole from 2 up, fractional below
  std::uint32_t width = 0;  // the picture's size in the buffer
  std::uint32_t height = 0;
  std::uint32_t left = 0;   // the black bars on the left and at the top
  std::uint32_t top = 0;
};

// The layout for a buffer of at least 1 × 1 pixels.
FrameLayout frame_layout(std::uint32_t w, std::uint32_t h);

// Fills a w × h buffer (row-major) with the canvas scaled by nearest neighbour, centred, with
// black bars around it. A buffer shorter than w × h is left all black.
void present_frame(const Canvas& canvas, std::span<std::uint32_t> destination, std::uint32_t w,
                   std::uint32_t h);

}  // namespace korvedan
