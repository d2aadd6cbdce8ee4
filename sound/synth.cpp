// Mixing, the music fade, ducking under explosions, quantising and sample-and-hold.
#include "sound/synth.hpp"

#include <algorithm>
#include <cmath>

#include "sound/timing.hpp"

namespace korvedan {

Synth::Synth(std::vector<LeadStep> lead, std::uint32_t device_rate)
    : music_(std::move(lead)),
      rate_ratio_(synth_rate / static_cast<float>(device_rate == 0 ? 1u : device_rate)) {}

float Synth::next_output_sample() {
  accumulator_ -= rate_ratio_;
  while (accumulator_ <= 0.0f) {
    accumulator_ += 1.0f;
    held_ = render_sample();
  }
  return held_;
}

namespace {

float volume_fraction(std::uint8_t volume) {
  return volume >= Synth::full_volume ? 1.0f : static_cast<float>(volume) / Synth::full_volume;
}

void glide(float& value, float target) {
  if (value < target) {
    value = std::min(value + Synth::volume_step, target);
  } else if (value > target) {
    value = std::max(value - Synth::volume_step, target);
  }
}

}  // namespace

void Synth::set_volumes(std::uint8_t music, std::uint8_t effects) {
  music_volume_target_ = volume_fraction(music);
  effects_volume_target_ = volume_fraction(effects);
}

float Synth::render_sample() {
  glide(music_volume_, music_volume_target_);
  glide(effects_volume_, effects_volume_target_);
  const float target = music_on_ != 0 ? music_level : 0.0f;
  if (gain_ < target) {
    gain_ = std::min(gain_ + gain_step, target);
  } else if (gain_ > target) {
    gain_ = std::max(gain_ - gain_step, target);
  }

  // Silent music stands still, so it resumes where it stopped.
  music_value_ = 0.0f;
  if (gain_ > 0.0f) {
    const float duck = voices_.voice(SoundEffect::Boom).active ? duck_level : 1.0f;
    music_value_ = music_.next() * gain_ * duck;
  }

  const float effects = voices_.next();
  // At full volume both factors are exactly 1: the mix is the same as without them.
  const float out = std::clamp(music_value_ * music_volume_ + 0.8f * effects * effects_volume_, -1.0f, 1.0f);
  return std::round(out * 127.0f) / 127.0f;
}

}  // namespace korvedan
