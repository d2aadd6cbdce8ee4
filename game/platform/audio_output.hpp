// The sound card: opened once per run through SDL, fed by the synthesiser on SDL's audio thread.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "sound/sound_effect.hpp"
#include "sound/audio_feed.hpp"

namespace korvedan {

// What to ask the card for; zeros mean the device's own choice (or 48,000 Hz float stereo when
// SDL cannot tell). The card may answer with something else, and that is what gets used.
struct AudioRequest {
  int rate = 0;
  std::uint16_t format = 0;  // an SDL_AudioFormat
  int channels = 0;
};

// A sample format's short name: "F32", "I16", "U8", "I32", …
std::string sample_format_name(std::uint16_t format);

class AudioOutput {
 public:
  explicit AudioOutput(AudioRequest request = {});
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;
  // Stops the stream (the game never does; tests do).
  ~AudioOutput();

  // Opens the card and starts the music, the first time only; later calls change nothing. On
  // failure "no sound: …" goes to standard error and the game stays silent for the whole run.
  // Returns whether sound runs.
  bool start(bool music_off);
  bool attempted() const { return attempted_; }
  bool running() const { return device_ != 0; }

  // Once per frame while sound runs: the music flag and the frame's effects.
  void feed(bool music_on, std::span<const SoundEffect> effects);
  // The volumes 0..10 for the audio thread, which reads them at its next buffer.
  void set_volumes(std::uint8_t music, std::uint8_t effects);
  // Reports once on standard error when the card has gone away under a running stream.
  void report_if_stopped();

  // What the card took (meaningful while running).
  int rate() const { return rate_; }
  int channels() const { return channels_; }
  std::uint16_t format() const { return format_; }
  int buffer_frames() const { return buffer_frames_; }

  struct Stream;  // what the audio thread touches

 private:
  std::string open(bool music_off);  // an empty text on success

  AudioRequest request_;
  bool attempted_ = false;
  bool subsystem_started_ = false;
  bool stop_reported_ = false;
  std::uint32_t device_ = 0;
  int rate_ = 0;
  int channels_ = 0;
  std::uint16_t format_ = 0;
  int buffer_frames_ = 0;
  SoundLink link_;
  std::unique_ptr<Stream> stream_;
};

}  // namespace korvedan
