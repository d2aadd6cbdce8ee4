// Note frequencies: the equal-tempered formula and the table of the notes 0 to 127.
#include "sound/notes.hpp"

#include <cmath>

namespace korvedan {

float note_frequency_by_formula(NoteNumber n) {
  return 440.0f * std::pow(2.0f, static_cast<float>(n - note_a4) / 12.0f);
}

const std::array<float, 128> note_frequencies = [] {
  std::array<float, 128> table{};
  for (NoteNumber n = 0; n < 128; ++n) table[static_cast<std::size_t>(n)] = note_frequency_by_formula(n);
  return table;
}();

}  // namespace korvedan
