// Note frequencies: the equal-tempered formula and a table of the notes the tune uses.
#include "sound/notes.hpp"

#include <array>
#include <cmath>

namespace korvedan {

namespace {

float frequency_by_formula(NoteNumber n) {
  return 440.0f * std::pow(2.0f, static_cast<float>(n - note_a4) / 12.0f);
}

// The synthesiser asks for a frequency every sample; a table keeps that off std::pow.
const std::array<float, 128>& frequency_table() {
  static const std::array<float, 128> table = [] {
    std::array<float, 128> t{};
    for (NoteNumber n = 0; n < 128; ++n) t[static_cast<std::size_t>(n)] = frequency_by_formula(n);
    return t;
  }();
  return table;
}

}  // namespace

float note_frequency(NoteNumber n) {
  if (n >= 0 && n < 128) return frequency_table()[static_cast<std::size_t>(n)];
  return frequency_by_formula(n);
}

}  // namespace korvedan
