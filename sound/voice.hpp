// One effect voice: its clock, two oscillator phases and a held noise source.
#pragma once

#include <cstdint>

#include "sound/sound_effect.hpp"

namespace korvedan {

struct Voice {
  bool active = false;
  float t = 0.0f;  // seconds since the effect was triggered
  float phase_a = 0.0f;
  float phase_b = 0.0f;
  float noise_value = 0.0f;
  float noise_countdown = 0.0f;

  // Starts the effect from its beginning, whether or not it was sounding.
  void trigger() { *this = Voice{true}; }

  // The held noise at r new values per second, drawn from the effects' shared noise state.
  float noise(float rate, std::uint32_t& noise_state);
};

// The value of an active voice at its current time; then its clock moves on one synthesiser
// sample, and the voice falls silent once the clock reaches the effect's length.
float render_voice(Voice& voice, SoundEffect effect, std::uint32_t& noise_state);

}  // namespace korvedan
