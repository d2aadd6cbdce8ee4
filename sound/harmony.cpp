// The bass pattern, the arpeggio index and the drum positions.
#include "sound/harmony.hpp"

#include <array>
#include <cmath>

namespace korvedan {

namespace {
// One entry per pair of steps.
constexpr std::array<std::int32_t, 8> bass_pattern{0, 12, 0, 12, 0, 12, 7, 12};
}  // namespace

NoteNumber bass_note(const Bar& bar, int step) {
  return static_cast<NoteNumber>(bar.chord[0]) + bass_pattern[static_cast<std::size_t>((step % 16) / 2)] + 24;
}

NoteNumber arpeggio_note(const Bar& bar, float loop_time) {
  auto k = static_cast<std::int64_t>(std::floor(loop_time * 50.0f)) % 3;
  return static_cast<NoteNumber>(bar.chord[static_cast<std::size_t>(k)]) + 60;
}

bool kick_at(int step) { return step % 8 == 0 || step % 16 == 10; }
bool snare_at(int step) { return step % 8 == 4; }
bool hat_at(int step) { return step % 4 == 2; }

}  // namespace korvedan
