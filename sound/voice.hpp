// One effect voice: its clock, two oscillator phases and a held noise source.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "sound/sound_effect.hpp"
#include "sound/voice_shapes.hpp"

namespace korvedan {

struct Voice {
  bool active = false;
  float t = 0.0f;  // seconds since the effect was triggered
  float phase_a = 0.0f;
  float phase_b = 0.0f;
  float noise_value = 0.0f;
  float noise_countdown = 0.0f;
  std::uint32_t sample = 0;  // synthesiser samples since the trigger: the place in the shape

  // Starts the effect from its beginning, whether or not it was sounding.
  void trigger() { *this = Voice{true}; }

  // The held noise: counts down by `step` (its rate / 22,050) and draws a new value from the
  // effects' shared noise state each time the count runs out.
  float noise(float step, std::uint32_t& noise_state);
};

// The value of an active voice at its current time; then its clock moves on one synthesiser
// sample, and the voice falls silent once the clock reaches the effect's length.
float render_voice(Voice& voice, SoundEffect effect, std::span<const ShapeFrame> shape,
                   std::uint32_t& noise_state);

// The eighteen voices, index = effect, with their shapes and the noise state they share.
class VoiceBank {
 public:
  // Fetches the shapes, building them on first use: call it at set-up.
  VoiceBank();

  void trigger(SoundEffect effect) { voices_[effect_index(effect)].trigger(); }
  const Voice& voice(SoundEffect effect) const { return voices_[effect_index(effect)]; }

  // The sum of every active voice's value, rendered in order 0 to 17.
  float next();

 private:
  std::array<Voice, sound_effect_count> voices_{};
  std::array<std::span<const ShapeFrame>, sound_effect_count> shapes_;
  std::uint32_t noise_ = 0x9E3779B9u;
};

}  // namespace korvedan
