// The audio callback's work: flag, effects, frames and sample formats.
#include "sound/audio_feed.hpp"

#include <algorithm>
#include <cmath>

namespace korvedan {

SoundLink make_sound_link(bool music_off) {
  return SoundLink{std::make_shared<std::atomic<std::uint8_t>>(music_off ? 0 : 1),
                   std::make_shared<EffectChannel>(), std::make_shared<VolumeCells>()};
}

std::int16_t to_s16(float x) {
  return static_cast<std::int16_t>(std::trunc(std::clamp(x * 32768.0f, -32768.0f, 32767.0f)));
}

std::uint16_t to_u16(float x) { return static_cast<std::uint16_t>(static_cast<std::uint16_t>(to_s16(x)) ^ 0x8000u); }

AudioFeed::AudioFeed(std::unique_ptr<Synth> synth, SoundLink link, int channels)
    : synth_(std::move(synth)), link_(std::move(link)), channels_(channels > 0 ? static_cast<std::size_t>(channels) : 1) {}

void AudioFeed::begin_buffer() {
  synth_->set_music_on(link_.music_on->load(std::memory_order_relaxed));
  if (link_.volumes) {
    synth_->set_volumes(link_.volumes->music.load(std::memory_order_relaxed),
                        link_.volumes->effects.load(std::memory_order_relaxed));
  }
  link_.effects->receive_all([this](SoundEffect effect) { synth_->trigger(effect); });
}

template <class Sample, class Convert>
void AudioFeed::fill(Sample* out, std::size_t count, Convert convert) {
  begin_buffer();
  for (std::size_t i = 0; i < count; i += channels_) {
    const Sample value = convert(synth_->next_output_sample());
    std::fill(out + i, out + std::min(count, i + channels_), value);
  }
}

void AudioFeed::fill_f32(float* out, std::size_t count) {
  fill(out, count, [](float x) { return x; });
}
void AudioFeed::fill_s16(std::int16_t* out, std::size_t count) { fill(out, count, to_s16); }
void AudioFeed::fill_u16(std::uint16_t* out, std::size_t count) { fill(out, count, to_u16); }

}  // namespace korvedan
