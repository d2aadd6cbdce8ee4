// The .ico writer: the directory Windows reads first, the bitmaps' bottom-up rows and
// transparency mask, and the PNG kept for the largest size.
#include "game/view/ico.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace korvedan {
namespace {

std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

TEST(Ico, TheDirectoryListsEverySizeWithItsPlaceAndLength) {
  std::vector<IconImage> images{{16, std::vector<std::uint32_t>(16 * 16, 0xFF102030u)},
                                {256, std::vector<std::uint32_t>(256 * 256, 0x80405060u)},
                                {48, std::vector<std::uint32_t>(48 * 48, 0u)}};
  const std::vector<std::uint8_t> ico = encode_ico(images);
  ASSERT_GE(ico.size(), 6u + 3 * 16);
  EXPECT_EQ(u16(ico, 0), 0u);
  EXPECT_EQ(u16(ico, 2), 1u);  // icon
  EXPECT_EQ(u16(ico, 4), 3u);
  std::size_t expected_offset = 6 + 3 * 16;
  const std::array<std::uint8_t, 3> sides{16, 0, 48};  // 256 is written as 0
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico[entry], sides[i]) << i;
    EXPECT_EQ(ico[entry + 1], sides[i]) << i;
    EXPECT_EQ(u16(ico, entry + 4), 1u) << i;
    EXPECT_EQ(u16(ico, entry + 6), 32u) << i;
    EXPECT_EQ(u32(ico, entry + 12), expected_offset) << i;
    expected_offset += u32(ico, entry + 8);
  }
  // The entries fill the file exactly, one after the other.
  EXPECT_EQ(expected_offset, ico.size());
  // The 256 entry is a PNG; the others are bitmaps whose header says twice the height.
  const std::size_t png = u32(ico, 6 + 16 + 12);
  const std::array<std::uint8_t, 8> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (std::size_t i = 0; i < signature.size(); ++i) EXPECT_EQ(ico[png + i], signature[i]);
  const std::size_t bitmap = u32(ico, 6 + 32 + 12);
  EXPECT_EQ(u32(ico, bitmap), 40u);
  EXPECT_EQ(u32(ico, bitmap + 4), 48u);
  EXPECT_EQ(u32(ico, bitmap + 8), 96u);
  // 48 × 48 colours, then 48 mask rows of 48 bits padded to 8 bytes.
  EXPECT_EQ(u32(ico, 6 + 32 + 8), 40u + 48 * 48 * 4 + 48 * 8);
}

TEST(Ico, BitmapRowsRunFromTheBottomInBlueGreenRedAlphaWithSeeThroughPixelsMasked) {
  // A 3 × 3 picture: distinct colours, the top left and the bottom right see-through.
  std::vector<std::uint32_t> pixels(9);
  for (std::uint32_t i = 0; i < 9; ++i) pixels[i] = 0xFF000000u | (i + 1) << 16 | (i + 10) << 8 | (i + 20);
  pixels[0] = 0x00000000u;
  pixels[8] = 0x00123456u;
  const std::vector<IconImage> images{{3, pixels}};
  const std::vector<std::uint8_t> ico = encode_ico(images);
  const std::size_t bitmap = u32(ico, 6 + 12);
  const std::size_t colours = bitmap + 40;
  for (std::uint32_t file_row = 0; file_row < 3; ++file_row) {
    const std::uint32_t picture_row = 2 - file_row;
    for (std::uint32_t x = 0; x < 3; ++x) {
      const std::uint32_t argb = pixels[picture_row * 3 + x];
      const std::size_t at = colours + (file_row * 3 + x) * 4;
      EXPECT_EQ(ico[at], argb & 0xFF) << file_row << "," << x;
      EXPECT_EQ(ico[at + 1], argb >> 8 & 0xFF) << file_row << "," << x;
      EXPECT_EQ(ico[at + 2], argb >> 16 & 0xFF) << file_row << "," << x;
      EXPECT_EQ(ico[at + 3], argb >> 24) << file_row << "," << x;
    }
  }
  // Mask rows of 4 bytes each, bottom first, the leftmost pixel in the highest bit.
  const std::size_t mask = colours + 9 * 4;
  ASSERT_EQ(ico.size(), mask + 3 * 4);
  EXPECT_EQ(ico[mask], 0x20);      // bottom row: its right pixel
  EXPECT_EQ(ico[mask + 4], 0x00);  // middle row: all solid
  EXPECT_EQ(ico[mask + 8], 0x80);  // top row: its left pixel
  for (std::size_t row = 0; row < 3; ++row) {
    for (std::size_t pad = 1; pad < 4; ++pad) EXPECT_EQ(ico[mask + row * 4 + pad], 0) << row;
  }
}

}  // namespace
}  // namespace korvedan
