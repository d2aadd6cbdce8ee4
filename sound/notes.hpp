// Note numbers (12 per octave, C = 0, A4 = 57) and their frequencies.
#pragma once

#include <array>
#include <cstdint>

namespace korvedan {

using NoteNumber = std::int32_t;

inline constexpr NoteNumber note_a4 = 57;

// 440 × 2^((n − 57) / 12) Hz in 32-bit arithmetic.
float note_frequency_by_formula(NoteNumber n);

// The notes 0 to 127 worked out once with that formula: the synthesiser asks for a frequency
// several times a sample.
extern const std::array<float, 128> note_frequencies;

inline float note_frequency(NoteNumber n) {
  if (n >= 0 && n < 128) return note_frequencies[static_cast<std::size_t>(n)];
  return note_frequency_by_formula(n);
}

}  // namespace korvedan
