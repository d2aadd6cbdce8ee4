// Frame scaling: one pass over the window buffer, repeated rows copied from the row above.
#include "game/view/screen.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace korvedan {

namespace {

// 320 × s or 200 × s, truncated, at least 1 and at most the buffer's side.
std::uint32_t scaled_side(std::uint32_t canvas_side, float scale, std::uint32_t limit) {
  const double side = static_cast<double>(static_cast<float>(canvas_side) * scale);
  const std::uint32_t truncated = side >= static_cast<double>(limit) ? limit : static_cast<std::uint32_t>(side);
  return std::min(std::max<std::uint32_t>(truncated, 1), limit);
}

}  // namespace

FrameLayout frame_layout(std::uint32_t w, std::uint32_t h) {
  FrameLayout layout;
  // A large window gets an exact whole enlargement, a small one a fractional fit.
  float scale = std::fmin(static_cast<float>(w) / 320.0f, static_cast<float>(h) / 200.0f);
  if (scale >= 2.0f) scale = std::floor(scale);
  layout.scale = scale;
  layout.width = scaled_side(Canvas::width, scale, w);
  layout.height = scaled_side(Canvas::height, scale, h);
  layout.left = (w - layout.width) / 2;
  layout.top = (h - layout.height) / 2;
  return layout;
}

void present_frame(const Canvas& canvas, std::span<std::uint32_t> destination, std::uint32_t w,
                   std::uint32_t h) {
  const std::uint64_t area = std::uint64_t{w} * h;
  if (w == 0 || h == 0 || destination.size() < area) {
    std::fill(destination.begin(), destination.end(), 0u);
    return;
  }
  const FrameLayout layout = frame_layout(w, h);
  const std::size_t stride = w;
  std::uint32_t* const out = destination.data();

  // Black above, below and past the frame; the side bars are written with each picture row.
  std::fill(destination.begin() + static_cast<std::ptrdiff_t>(area), destination.end(), 0u);
  std::fill_n(out, std::size_t{layout.top} * stride, 0u);
  std::fill(out + std::size_t{layout.top + layout.height} * stride, out + area, 0u);

  // Which canvas column each picture column shows; kept between frames, so a frame of the
  // same size allocates nothing.
  thread_local std::vector<std::uint32_t> source_column;
  source_column.resize(layout.width);
  for (std::uint32_t i = 0; i < layout.width; ++i) {
    source_column[i] = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{i} * Canvas::width / layout.width, Canvas::width - 1));
  }

  const std::uint8_t* const bytes = canvas.pixels().data();
  const std::uint32_t right = layout.left + layout.width;
  std::array<std::uint32_t, Canvas::width> packed_row{};
  std::uint32_t previous_source_row = Canvas::height;  // none yet
  for (std::uint32_t j = 0; j < layout.height; ++j) {
    const auto source_row = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{j} * Canvas::height / layout.height, Canvas::height - 1));
    std::uint32_t* row = out + std::size_t{layout.top + j} * stride;
    if (source_row == previous_source_row) {
      // The same canvas row again: one block copy of the whole row above, bars included.
      std::memcpy(row, row - stride, stride * sizeof(std::uint32_t));
      continue;
    }
    previous_source_row = source_row;
    const std::uint8_t* p = bytes + std::size_t{source_row} * Canvas::row_bytes;
    for (std::uint32_t x = 0; x < Canvas::width; ++x, p += 4) packed_row[x] = packed_pixel({p[0], p[1], p[2]});
    std::fill_n(row, layout.left, 0u);
    for (std::uint32_t i = 0; i < layout.width; ++i) row[layout.left + i] = packed_row[source_column[i]];
    std::fill(row + right, row + w, 0u);
  }
}

}  // namespace korvedan
