// What the audio callback does, free of any audio library: read the music flag, start the sent
// effects, and fill the buffer frame by frame in the card's sample format.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "sound/effect_channel.hpp"
#include "sound/synth.hpp"

namespace korvedan {

// The two volumes, 0..10 each: one byte apiece, written by the game, read by the audio thread.
struct VolumeCells {
  std::atomic<std::uint8_t> music{10};
  std::atomic<std::uint8_t> effects{10};
};
static_assert(std::atomic<std::uint8_t>::is_always_lock_free);

// What the game and the audio thread share: the music-on byte, the volumes and the effect channel.
struct SoundLink {
  std::shared_ptr<std::atomic<std::uint8_t>> music_on;
  std::shared_ptr<EffectChannel> effects;
  std::shared_ptr<VolumeCells> volumes = std::make_shared<VolumeCells>();
};

SoundLink make_sound_link(bool music_off);

// One output sample x in [−1, 1] as a signed 16-bit sample: x × 32,768 clamped, truncated.
std::int16_t to_s16(float x);
// The same with its top bit flipped.
std::uint16_t to_u16(float x);

class AudioFeed {
 public:
  // `channels` of 0 counts as 1.
  AudioFeed(std::unique_ptr<Synth> synth, SoundLink link, int channels);

  // Each fills `count` samples (not frames); every channel of a frame gets the same value and
  // a short last frame is filled as far as the buffer goes.
  void fill_f32(float* out, std::size_t count);
  void fill_s16(std::int16_t* out, std::size_t count);
  void fill_u16(std::uint16_t* out, std::size_t count);

  const Synth& synth() const { return *synth_; }

 private:
  // Before a buffer: the music flag as the game last wrote it, then every effect sent so far.
  void begin_buffer();
  template <class Sample, class Convert>
  void fill(Sample* out, std::size_t count, Convert convert);

  std::unique_ptr<Synth> synth_;
  SoundLink link_;
  std::size_t channels_;
};

}  // namespace korvedan
