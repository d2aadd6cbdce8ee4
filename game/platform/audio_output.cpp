// Opening the sound card with SDL and choosing the callback for its sample format.
#include "game/platform/audio_output.hpp"

#include <SDL.h>

#include <iostream>

#include "game/app/game.hpp"
#include "sound/tune.hpp"

namespace korvedan {

struct AudioOutput::Stream {
  std::unique_ptr<AudioFeed> feed;
  void (*fill)(AudioFeed& feed, Uint8* bytes, int length) = nullptr;
};

namespace {

void fill_f32(AudioFeed& feed, Uint8* bytes, int length) {
  feed.fill_f32(reinterpret_cast<float*>(bytes), static_cast<std::size_t>(length) / sizeof(float));
}
void fill_s16(AudioFeed& feed, Uint8* bytes, int length) {
  feed.fill_s16(reinterpret_cast<std::int16_t*>(bytes), static_cast<std::size_t>(length) / sizeof(std::int16_t));
}
void fill_u16(AudioFeed& feed, Uint8* bytes, int length) {
  feed.fill_u16(reinterpret_cast<std::uint16_t*>(bytes), static_cast<std::size_t>(length) / sizeof(std::uint16_t));
}

// SDL's audio thread lands here; the fill for the card's format is set before the stream starts.
void audio_callback(void* user, Uint8* bytes, int length) {
  auto* stream = static_cast<AudioOutput::Stream*>(user);
  stream->fill(*stream->feed, bytes, length);
}

SDL_AudioSpec wanted_spec(const AudioRequest& request) {
  SDL_AudioSpec want{};
  want.freq = 48000;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  SDL_AudioSpec preferred{};
  if (SDL_GetDefaultAudioInfo(nullptr, &preferred, 0) == 0) {
    want.freq = preferred.freq;
    want.format = preferred.format;
    want.channels = preferred.channels;
  }
  if (request.rate > 0) want.freq = request.rate;
  if (request.format != 0) want.format = request.format;
  if (request.channels > 0) want.channels = static_cast<Uint8>(request.channels);
  want.samples = 0;  // SDL's default buffer
  want.callback = audio_callback;
  return want;
}

}  // namespace

std::string sample_format_name(std::uint16_t format) {
  std::string name = SDL_AUDIO_ISFLOAT(format) ? "F" : SDL_AUDIO_ISSIGNED(format) ? "I" : "U";
  name += std::to_string(SDL_AUDIO_BITSIZE(format));
  const bool big = SDL_AUDIO_ISBIGENDIAN(format) != 0;
  if (SDL_AUDIO_BITSIZE(format) > 8 && big != (SDL_BYTEORDER == SDL_BIG_ENDIAN)) {
    name += big ? " big-endian" : " little-endian";
  }
  return name;
}

AudioOutput::AudioOutput(AudioRequest request) : request_(request) {}

AudioOutput::~AudioOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioOutput::start(bool music_off) {
  if (attempted_) return running();
  attempted_ = true;
  const std::string failure = open(music_off);
  if (!failure.empty()) std::cerr << "no sound: " << failure << "\n";
  return running();
}

std::string AudioOutput::open(bool music_off) {
  if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return SDL_GetError();
    subsystem_started_ = true;
  }
  SoundLink link = make_sound_link(music_off);
  std::vector<LeadStep> lead = parse_lead(bar_table());

  auto stream = std::make_unique<Stream>();
  SDL_AudioSpec want = wanted_spec(request_);
  want.userdata = stream.get();
  SDL_AudioSpec have{};
  // The device opens paused: nothing calls back before the feed is in place.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_ANY_CHANGE);
  if (device == 0) {
    if (SDL_GetNumAudioDevices(0) == 0) return "no sound output found";
    return SDL_GetError();
  }
  switch (have.format) {
    case AUDIO_F32SYS: stream->fill = fill_f32; break;
    case AUDIO_S16SYS: stream->fill = fill_s16; break;
    case AUDIO_U16SYS: stream->fill = fill_u16; break;
    default:
      SDL_CloseAudioDevice(device);
      return "the sound card wants " + sample_format_name(have.format) + " samples";
  }
  auto synth = std::make_unique<Synth>(std::move(lead), static_cast<std::uint32_t>(have.freq > 0 ? have.freq : 0));
  stream->feed = std::make_unique<AudioFeed>(std::move(synth), link, have.channels);

  device_ = device;
  rate_ = have.freq;
  channels_ = have.channels;
  format_ = have.format;
  buffer_frames_ = have.samples;
  link_ = std::move(link);
  stream_ = std::move(stream);
  SDL_PauseAudioDevice(device_, 0);
  return {};
}

void AudioOutput::feed(bool music_on, std::span<const SoundEffect> effects) {
  if (!running()) return;
  dispatch_sound(music_on, effects, *link_.music_on, *link_.effects);
}

void AudioOutput::set_volumes(std::uint8_t music, std::uint8_t effects) {
  if (!running()) return;
  link_.volumes->music.store(music, std::memory_order_relaxed);
  link_.volumes->effects.store(effects, std::memory_order_relaxed);
}

void AudioOutput::report_if_stopped() {
  if (!running() || stop_reported_) return;
  if (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
    stop_reported_ = true;
    std::cerr << "sound stopped: the sound device was lost\n";
  }
}

}  // namespace korvedan
