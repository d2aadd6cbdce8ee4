// Note numbers (12 per octave, C = 0, A4 = 57) and their frequencies.
#pragma once

#include <cstdint>

namespace korvedan {

using NoteNumber = std::int32_t;

inline constexpr NoteNumber note_a4 = 57;

// 440 × 2^((n − 57) / 12) Hz in 32-bit arithmetic; the notes 0 to 127 come from a table
// made with the same formula, so they match the formula exactly.
float note_frequency(NoteNumber n);

}  // namespace korvedan
