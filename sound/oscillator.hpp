// The synthesiser's small parts: phase stepping, the two-level waveforms and the noise numbers.
#pragma once

#include <cmath>
#include <cstdint>

#include "sound/timing.hpp"

namespace korvedan {

// The whole part of a phase. Phases stay far below 2^31, where the integer conversion truncates
// exactly like std::trunc, and without SSE4.1 it is much the cheaper of the two.
inline float whole_part(float phase) { return static_cast<float>(static_cast<std::int32_t>(phase)); }

// Advances a phase by one synthesiser sample at frequency f, keeping it in [0, 1).
inline void step_phase(float& phase, float frequency) {
  phase += frequency / synth_rate;
  phase -= whole_part(phase);
}

// Steps a phase by a fixed increment (for the effects that give one instead of a frequency).
inline void advance_phase(float& phase, float increment) {
  phase += increment;
  phase -= whole_part(phase);
}

// A two-level shape: `high` below the threshold, `low` from it on.
inline float two_level(float phase, float threshold, float high, float low) {
  return phase < threshold ? high : low;
}
inline float pulse25(float phase) { return two_level(phase, 0.25f, 1.5f, -0.5f); }
inline float pulse12(float phase) { return two_level(phase, 0.125f, 1.75f, -0.25f); }
inline float square(float phase, float height) { return two_level(phase, 0.5f, height, -height); }

// 32-bit xorshift; returns a number uniform in [−1, 1).
inline float next_noise(std::uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return static_cast<float>(state >> 8) * 0x1p-23f - 1.0f;
}

inline constexpr float two_pi = 6.2831855f;

}  // namespace korvedan
