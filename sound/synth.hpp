// The synthesiser: the music loop and eighteen effect voices, mixed and held up to the card's rate.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sound/music_loop.hpp"
#include "sound/sound_effect.hpp"
#include "sound/voice.hpp"

namespace korvedan {

class Synth {
 public:
  static constexpr float music_level = 0.55f;
  // A full fade between silence and music_level takes 0.15 s.
  static constexpr float gain_step = 0.00016628872f;
  // Music under a Boom.
  static constexpr float duck_level = 0.4f;
  // A volume change glides over at most 10 ms (silence to full), so it never clicks.
  static constexpr float volume_step = 1.0f / 220.5f;
  static constexpr std::uint8_t full_volume = 10;

  // `device_rate` is the sound card's samples per second; 0 counts as 1.
  Synth(std::vector<LeadStep> lead, std::uint32_t device_rate);

  // Restarts the effect's voice from its beginning.
  void trigger(SoundEffect effect) { voices_.trigger(effect); }
  // Nonzero lets the music fade in, zero fades it out.
  void set_music_on(std::uint8_t on) { music_on_ = on; }
  // Volumes 0..10 (above 10 counts as 10); the output glides to them.
  void set_volumes(std::uint8_t music, std::uint8_t effects);

  // One sample at the device rate: synthesiser samples, rendered as the rate asks, held.
  float next_output_sample();
  // One synthesiser sample: a value k / 127 with k in −127 … 127.
  float render_sample();

  float rate_ratio() const { return rate_ratio_; }
  float music_gain() const { return gain_; }
  // The music's part of the last synthesiser sample, after gain and ducking.
  float music_value() const { return music_value_; }
  float music_volume() const { return music_volume_; }
  float effects_volume() const { return effects_volume_; }
  std::uint64_t loop_position() const { return music_.position(); }
  const Voice& voice(SoundEffect effect) const { return voices_.voice(effect); }

 private:
  MusicLoop music_;
  VoiceBank voices_;
  float rate_ratio_;
  float accumulator_ = 0.0f;
  float held_ = 0.0f;
  float gain_ = 0.0f;
  float music_value_ = 0.0f;
  std::uint8_t music_on_ = 1;
  float music_volume_ = 1.0f, music_volume_target_ = 1.0f;
  float effects_volume_ = 1.0f, effects_volume_target_ = 1.0f;
};

}  // namespace korvedan
