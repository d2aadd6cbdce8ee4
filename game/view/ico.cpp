// The .ico writer: a directory of entries, then each picture as a bitmap or a PNG.
#include "game/view/ico.hpp"

#include <string>

#include "base/fatal.hpp"
#include "game/view/png.hpp"

namespace korvedan {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFFu);
  put16(out, value >> 16);
}

// A bitmap without its file header: the info header says twice the height, since the colour
// rows are followed by the 1-bit mask. Rows run from the bottom; colours are B, G, R, A.
std::vector<std::uint8_t> bitmap_entry(const IconImage& image) {
  const std::uint32_t size = image.size;
  const std::uint32_t mask_row = (size + 31) / 32 * 4;  // bits padded to whole 32-bit words
  std::vector<std::uint8_t> out;
  put32(out, 40);
  put32(out, size);
  put32(out, size * 2);
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, size * size * 4 + mask_row * size);
  for (int i = 0; i < 4; ++i) put32(out, 0);  // resolution and palette: unused
  for (std::uint32_t row = size; row-- > 0;) {
    for (std::uint32_t x = 0; x < size; ++x) {
      const std::uint32_t argb = image.pixels[row * size + x];
      out.push_back(static_cast<std::uint8_t>(argb));
      out.push_back(static_cast<std::uint8_t>(argb >> 8));
      out.push_back(static_cast<std::uint8_t>(argb >> 16));
      out.push_back(static_cast<std::uint8_t>(argb >> 24));
    }
  }
  // The mask: a set bit is a see-through pixel, for the programs that ignore the alpha.
  for (std::uint32_t row = size; row-- > 0;) {
    std::vector<std::uint8_t> bits(mask_row, 0);
    for (std::uint32_t x = 0; x < size; ++x) {
      if ((image.pixels[row * size + x] >> 24) == 0) bits[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> encode_ico(std::span<const IconImage> images) {
  std::vector<std::vector<std::uint8_t>> entries;
  for (const IconImage& image : images) {
    if (image.size == 0 || image.size > 256 || image.pixels.size() != std::size_t{image.size} * image.size) {
      fatal("encode_ico: an icon of size " + std::to_string(image.size) + " needs that many pixels squared");
    }
    entries.push_back(image.size == 256 ? encode_png_with_alpha(256, 256, image.pixels) : bitmap_entry(image));
  }
  std::vector<std::uint8_t> out;
  put16(out, 0);  // reserved
  put16(out, 1);  // an icon, not a cursor
  put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::uint8_t side = static_cast<std::uint8_t>(images[i].size == 256 ? 0 : images[i].size);  // 0 means 256
    out.push_back(side);
    out.push_back(side);
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    put16(out, 1);     // planes
    put16(out, 32);    // bits per pixel
    put32(out, static_cast<std::uint32_t>(entries[i].size()));
    put32(out, offset);
    offset += static_cast<std::uint32_t>(entries[i].size());
  }
  for (const std::vector<std::uint8_t>& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

}  // namespace korvedan
