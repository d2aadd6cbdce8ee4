// A tiny WAV writer for kvtool: mono 32-bit float samples.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/result.hpp"

namespace korvedan::tool {

// Writes the samples as a mono IEEE-float WAV file; returns the bytes written.
Result<std::size_t> write_wav_f32(const std::string& path, std::uint32_t rate, std::span<const float> samples);

}  // namespace korvedan::tool
