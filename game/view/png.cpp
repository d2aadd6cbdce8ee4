// PNG encoding by hand: signature, IHDR, one IDAT with a stored zlib stream, IEND.
#include "game/view/png.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/fatal.hpp"

namespace korvedan {

namespace {

constexpr std::size_t stored_block_limit = 65535;

constexpr std::array<std::uint32_t, 256> crc_table = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

constexpr std::array<std::uint8_t, 8> signature{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

void put_u32_be(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put_u16_le(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put_chunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
  put_u32_be(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t type_at = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  put_u32_be(out, crc32(std::span(out).subspan(type_at)));
}

// Each row: filter byte 0, then R, G, B (and with alpha A) of every pixel.
std::vector<std::uint8_t> raw_rows(std::uint32_t width, std::uint32_t height, std::span<const std::uint32_t> pixels,
                                   bool alpha) {
  const std::size_t pixel_bytes = alpha ? 4 : 3;
  std::vector<std::uint8_t> raw(std::size_t{height} * (std::size_t{width} * pixel_bytes + 1));
  std::uint8_t* out = raw.data();
  for (std::uint32_t y = 0; y < height; ++y) {
    *out++ = 0;
    for (std::uint32_t p : pixels.subspan(std::size_t{y} * width, width)) {
      *out++ = static_cast<std::uint8_t>(p >> 16);
      *out++ = static_cast<std::uint8_t>(p >> 8);
      *out++ = static_cast<std::uint8_t>(p);
      if (alpha) *out++ = static_cast<std::uint8_t>(p >> 24);
    }
  }
  return raw;
}

// Header 0x78 0x01, the data in stored blocks of at most 65,535 bytes, the Adler-32 checksum.
std::vector<std::uint8_t> stored_zlib(std::span<const std::uint8_t> raw) {
  const std::size_t blocks = std::max<std::size_t>(1, (raw.size() + stored_block_limit - 1) / stored_block_limit);
  std::vector<std::uint8_t> z;
  z.reserve(2 + blocks * 5 + raw.size() + 4);
  z.push_back(0x78);  // deflate, 32 KiB window, no dictionary
  z.push_back(0x01);
  // Empty data still needs its one final (empty) block to be a valid stream.
  std::size_t offset = 0;
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::span<const std::uint8_t> piece = raw.subspan(offset, std::min(stored_block_limit, raw.size() - offset));
    offset += piece.size();
    const auto length = static_cast<std::uint16_t>(piece.size());
    z.push_back(b + 1 == blocks ? 1 : 0);
    put_u16_le(z, length);
    put_u16_le(z, static_cast<std::uint16_t>(~length));
    z.insert(z.end(), piece.begin(), piece.end());
  }
  put_u32_be(z, adler32(raw));
  return z;
}

}  // namespace

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1, b = 0;
  // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the modulo.
  while (!bytes.empty()) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), 5552);
    for (std::uint8_t byte : bytes.first(n)) {
      a += byte;
      b += a;
    }
    a %= 65521;
    b %= 65521;
    bytes = bytes.subspan(n);
  }
  return b << 16 | a;
}

void Crc32::update(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t byte : bytes) state_ = crc_table[(state_ ^ byte) & 0xFF] ^ (state_ >> 8);
}

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
  Crc32 crc;
  crc.update(bytes);
  return crc.value();
}

namespace {

std::vector<std::uint8_t> encode(std::uint32_t width, std::uint32_t height, std::span<const std::uint32_t> pixels,
                                 bool alpha) {
  if (pixels.size() < std::uint64_t{width} * height) fatal("a picture has width × height pixels");
  const std::vector<std::uint8_t> zlib = stored_zlib(raw_rows(width, height, pixels, alpha));

  std::vector<std::uint8_t> png(signature.begin(), signature.end());
  png.reserve(signature.size() + 25 + 12 + zlib.size() + 12);
  std::vector<std::uint8_t> header;
  put_u32_be(header, width);
  put_u32_be(header, height);
  const std::uint8_t colour_type = alpha ? 6 : 2;  // RGBA or RGB
  for (std::uint8_t byte : {std::uint8_t{8}, colour_type, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}}) {
    header.push_back(byte);  // 8 bits, the colour type, deflate, no filter, no interlace
  }
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", zlib);
  put_chunk(png, "IEND", {});
  return png;
}

}  // namespace

std::vector<std::uint8_t> encode_png(std::uint32_t width, std::uint32_t height,
                                     std::span<const std::uint32_t> pixels) {
  return encode(width, height, pixels, false);
}

std::vector<std::uint8_t> encode_png_with_alpha(std::uint32_t width, std::uint32_t height,
                                                std::span<const std::uint32_t> pixels) {
  return encode(width, height, pixels, true);
}

}  // namespace korvedan
