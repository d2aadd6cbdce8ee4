// The PNG writer: the smallest file byte for byte, block layout, checksums, and a real decoder.
#include "game/view/png.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace korvedan {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::span<const std::uint8_t> bytes_of(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t be32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

struct Chunk {
  std::string type;
  Bytes data;
};

// Splits a PNG into its chunks, checking the signature and every chunk's CRC on the way.
std::vector<Chunk> read_chunks(const Bytes& png) {
  std::vector<Chunk> chunks;
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = be32(png, at);
    Chunk c{std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8)),
            Bytes(png.begin() + static_cast<std::ptrdiff_t>(at + 8), png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length))};
    EXPECT_EQ(be32(png, at + 8 + length), crc32(std::span(png).subspan(at + 4, length + 4))) << c.type;
    chunks.push_back(std::move(c));
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

// Walks the stored blocks of a zlib stream; returns the data and the block lengths.
Bytes inflate_stored(const Bytes& z, std::vector<std::size_t>& lengths) {
  EXPECT_EQ(z[0], 0x78);
  EXPECT_EQ(z[1], 0x01);
  Bytes out;
  std::size_t at = 2;
  bool last = false;
  while (!last) {
    last = z.at(at) == 1;
    EXPECT_TRUE(z[at] == 0 || z[at] == 1);
    const std::size_t length = z.at(at + 1) | z.at(at + 2) << 8;
    const std::size_t complement = z.at(at + 3) | z.at(at + 4) << 8;
    EXPECT_EQ(length ^ complement, 0xFFFFu);
    out.insert(out.end(), z.begin() + static_cast<std::ptrdiff_t>(at + 5), z.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
    lengths.push_back(length);
    at += 5 + length;
  }
  EXPECT_EQ(at + 4, z.size());
  EXPECT_EQ(be32(z, at), adler32(out));
  return out;
}

Bytes expected_raw(std::uint32_t w, std::uint32_t h, const std::vector<std::uint32_t>& pixels) {
  Bytes raw;
  for (std::uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);
    for (std::uint32_t x = 0; x < w; ++x) {
      const std::uint32_t p = pixels[y * w + x];
      raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
    }
  }
  return raw;
}

std::vector<std::uint32_t> gradient(std::uint32_t w, std::uint32_t h) {
  std::vector<std::uint32_t> pixels(std::size_t{w} * h);
  for (std::uint32_t y = 0; y < h; ++y) {
    for (std::uint32_t x = 0; x < w; ++x) pixels[y * w + x] = (x * 7 & 255) << 16 | (y * 3 & 255) << 8 | ((x ^ y) & 255);
  }
  return pixels;
}

TEST(Checksums, KnownValues) {
  EXPECT_EQ(crc32(bytes_of("123456789")), 0xCBF43926u);
  EXPECT_EQ(crc32({}), 0u);
  EXPECT_EQ(adler32(bytes_of("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(adler32(Bytes{0, 0, 0, 0}), 0x00040001u);
  EXPECT_EQ(adler32({}), 1u);
  Crc32 split;
  split.update(bytes_of("1234"));
  split.update(bytes_of("56789"));
  EXPECT_EQ(split.value(), 0xCBF43926u);
}

TEST(Checksums, AdlerOverLongRunsMatchesTheStepByStepDefinition) {
  Bytes data(300000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i % 7 == 0 ? 255 : i * 31);
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(adler32(data), b << 16 | a);
  const Bytes ones(100000, 255);
  a = 1, b = 0;
  for (std::uint8_t byte : ones) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(adler32(ones), b << 16 | a);
}

TEST(EncodePng, OneBlackPixelByteForByte) {
  const Bytes expected{
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A,                          // signature
      0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0,  // 1 × 1, RGB 8 bits
      0x90, 0x77, 0x53, 0xDE,                                                  // its CRC
      0, 0, 0, 15, 'I', 'D', 'A', 'T',                                         //
      0x78, 0x01, 1, 4, 0, 0xFB, 0xFF, 0, 0, 0, 0, 0, 4, 0, 1,                 // one final stored block
      0x65, 0x49, 0xC3, 0x60,                                                  // CRC from python's zlib
      0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82,
  };
  EXPECT_EQ(encode_png(1, 1, std::vector<std::uint32_t>{0}), expected);
}

TEST(EncodePng, ScreenshotSizeFillsTwentySixFullBlocksAndOneShort) {
  const auto pixels = gradient(960, 600);
  const Bytes png = encode_png(960, 600, pixels);
  const auto chunks = read_chunks(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[0].data, (Bytes{0, 0, 3, 0xC0, 0, 0, 2, 0x58, 8, 2, 0, 0, 0}));
  EXPECT_EQ(chunks[1].type, "IDAT");
  EXPECT_EQ(chunks[2].type, "IEND");
  EXPECT_TRUE(chunks[2].data.empty());
  std::vector<std::size_t> lengths;
  const Bytes raw = inflate_stored(chunks[1].data, lengths);
  EXPECT_EQ(raw.size(), 1728600u);
  ASSERT_EQ(lengths.size(), 27u);
  for (std::size_t i = 0; i < 26; ++i) EXPECT_EQ(lengths[i], 65535u);
  EXPECT_EQ(lengths[26], 24690u);
  EXPECT_EQ(raw, expected_raw(960, 600, pixels));
}

TEST(EncodePng, DataOfExactlyWholeBlocksEndsOnAFullFinalBlock) {
  // 28 pixels wide: 85 bytes a row; 771 rows make 65,535 bytes, 1,542 rows twice that.
  for (std::uint32_t rows : {771u, 1542u}) {
    const auto pixels = gradient(28, rows);
    const auto chunks = read_chunks(encode_png(28, rows, pixels));
    std::vector<std::size_t> lengths;
    EXPECT_EQ(inflate_stored(chunks.at(1).data, lengths), expected_raw(28, rows, pixels));
    EXPECT_EQ(lengths, std::vector<std::size_t>(rows / 771, 65535));
  }
}

TEST(EncodePng, EmptyPictureStillHasACompleteStream) {
  const auto chunks = read_chunks(encode_png(5, 0, {}));
  std::vector<std::size_t> lengths;
  EXPECT_TRUE(inflate_stored(chunks.at(1).data, lengths).empty());
  EXPECT_EQ(lengths, std::vector<std::size_t>{0});
}

// The icons' form: colour type 6, four bytes a pixel with alpha last; ImageMagick agrees.
TEST(EncodePng, WithAlphaEachPixelCarriesItsTransparency) {
  const std::vector<std::uint32_t> pixels{0x00000000, 0xFF102030, 0x80FFFFFF, 0xFFFF0000, 0x01000001, 0x7F00FF00};
  const Bytes png = encode_png_with_alpha(3, 2, pixels);
  const auto chunks = read_chunks(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].data, (Bytes{0, 0, 0, 3, 0, 0, 0, 2, 8, 6, 0, 0, 0}));
  std::vector<std::size_t> lengths;
  const Bytes rgba{0x00, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0x80,
                   0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x01, 0x01, 0x00, 0xFF, 0x00, 0x7F};
  Bytes rows{0};
  rows.insert(rows.end(), rgba.begin(), rgba.begin() + 12);
  rows.push_back(0);
  rows.insert(rows.end(), rgba.begin() + 12, rgba.end());
  EXPECT_EQ(inflate_stored(chunks[1].data, lengths), rows);

#if !defined(_WIN32)  // the cross-check runs ImageMagick through a Linux shell
  if (!std::filesystem::exists("/usr/bin/convert")) return;  // ImageMagick, where it is installed
  const auto folder = std::filesystem::temp_directory_path() / ("kv-png-alpha-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "icon.png", std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  const std::string magick = "/usr/bin/convert '" + (folder / "icon.png").string() + "' -depth 8 'rgba:" +
                             (folder / "icon.rgba").string() + "' 2>/dev/null";
  ASSERT_EQ(std::system(magick.c_str()), 0);
  std::ifstream m(folder / "icon.rgba", std::ios::binary);
  EXPECT_EQ(Bytes((std::istreambuf_iterator<char>(m)), std::istreambuf_iterator<char>()), rgba);
  std::filesystem::remove_all(folder);
#endif
}

TEST(EncodePngDeathTest, TooFewPixelsIsAProgrammingError) {
  EXPECT_DEATH(encode_png(4, 4, std::vector<std::uint32_t>(15)), "width × height pixels");
  EXPECT_DEATH(encode_png_with_alpha(2, 2, std::vector<std::uint32_t>(3)), "width × height pixels");
}

// python's zlib and, where present, ImageMagick read the file back to the same pixels.
TEST(EncodePng, StandardDecodersReadItBack) {
  const auto folder = std::filesystem::temp_directory_path() / ("kv-png-test-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  const auto pixels = gradient(300, 250);
  const Bytes png = encode_png(300, 250, pixels);
  {
    std::ofstream(folder / "picture.png", std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }
  const std::string script =
      "import zlib,struct,sys\n"
      "d=open(sys.argv[1],'rb').read();i=8;z=b''\n"
      "while i<len(d):\n"
      " n=struct.unpack('>I',d[i:i+4])[0];t=d[i+4:i+8]\n"
      " if t==b'IDAT': z+=d[i+8:i+8+n]\n"
      " i+=12+n\n"
      "raw=zlib.decompress(z);w=300;out=b''\n"
      "for y in range(250):\n"
      " row=raw[y*(3*w+1):(y+1)*(3*w+1)]\n"
      " assert row[0]==0\n"
      " out+=row[1:]\n"
      "open(sys.argv[2],'wb').write(out)\n";
  {
    std::ofstream(folder / "decode.py") << script;
  }
  const std::string command = "python3 '" + (folder / "decode.py").string() + "' '" + (folder / "picture.png").string() +
                              "' '" + (folder / "decoded.rgb").string() + "'";
  const int status = std::system(command.c_str());
  if (status != 0 && std::system("python3 -c 'import zlib' >/dev/null 2>&1") != 0) {
    std::filesystem::remove_all(folder);
    GTEST_SKIP() << "python3 with zlib is not installed";
  }
  ASSERT_EQ(status, 0);
  std::ifstream decoded(folder / "decoded.rgb", std::ios::binary);
  const Bytes rgb((std::istreambuf_iterator<char>(decoded)), std::istreambuf_iterator<char>());
  Bytes expected;
  for (std::uint32_t p : pixels) expected.insert(expected.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
  EXPECT_EQ(rgb, expected);

  if (std::filesystem::exists("/usr/bin/convert")) {  // ImageMagick, where it is installed
    const std::string magick = "/usr/bin/convert '" + (folder / "picture.png").string() + "' -depth 8 'rgb:" +
                               (folder / "magick.rgb").string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(magick.c_str()), 0);
    std::ifstream m(folder / "magick.rgb", std::ios::binary);
    EXPECT_EQ(Bytes((std::istreambuf_iterator<char>(m)), std::istreambuf_iterator<char>()), expected);
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace korvedan
