// The WAV header for one channel of 32-bit float samples, then the samples, little-endian.
#include "tools/wav_file.hpp"

#include <bit>
#include <cstring>
#include <fstream>
#include <vector>

namespace korvedan::tool {

namespace {

void put_u16(std::vector<char>& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void put_u32(std::vector<char>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void put_tag(std::vector<char>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

Result<std::size_t> write_wav_f32(const std::string& path, std::uint32_t rate, std::span<const float> samples) {
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 4);
  std::vector<char> out;
  out.reserve(58 + data_bytes);
  put_tag(out, "RIFF");
  put_u32(out, 4 + (8 + 18) + (8 + 4) + (8 + data_bytes));
  put_tag(out, "WAVE");
  // Float samples are not PCM: an 18-byte format chunk and a fact chunk with the length.
  put_tag(out, "fmt ");
  put_u32(out, 18);
  put_u16(out, 3);  // IEEE float
  put_u16(out, 1);  // mono
  put_u32(out, rate);
  put_u32(out, rate * 4);
  put_u16(out, 4);   // bytes per frame
  put_u16(out, 32);  // bits per sample
  put_u16(out, 0);   // no extension
  put_tag(out, "fact");
  put_u32(out, 4);
  put_u32(out, static_cast<std::uint32_t>(samples.size()));
  put_tag(out, "data");
  put_u32(out, data_bytes);
  for (float s : samples) put_u32(out, std::bit_cast<std::uint32_t>(s));

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return Failure{path + ": cannot be created: " + std::strerror(errno)};
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) return Failure{path + ": could not be written"};
  return out.size();
}

}  // namespace korvedan::tool
