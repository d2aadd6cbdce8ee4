// The sound card end to end through SDL's disk driver: what reaches the "card" is the synthesiser's
// output, effects sent by the game included; unsupported formats and drivers leave the game silent.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

#include "game/platform/audio_output.hpp"
#include "game/session/sound_dispatch.hpp"
#include "sound/tune.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;

fs::path capture_path(const char* name) {
  fs::path folder = fs::path(KV_BINARY_DIR) / "test-output" / "audio";
  fs::create_directories(folder);
  return folder / name;
}

// Points SDL's disk driver at a fresh file; SDL reads these when the audio subsystem starts.
fs::path use_disk_driver(const char* name) {
  const fs::path path = capture_path(name);
  fs::remove(path);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
  return path;
}

template <class Sample>
std::vector<Sample> read_samples(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<Sample> samples(bytes.size() / sizeof(Sample));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(Sample));
  return samples;
}

// SDL plays silence while a device is still paused after opening: drops those whole buffers
// from the front of a capture.
template <class Sample>
void drop_paused_silence(std::vector<Sample>& samples, std::size_t buffer_samples, Sample silence) {
  std::size_t start = 0;
  while (start + buffer_samples <= samples.size() &&
         std::all_of(samples.begin() + static_cast<std::ptrdiff_t>(start),
                     samples.begin() + static_cast<std::ptrdiff_t>(start + buffer_samples),
                     [&](Sample s) { return s == silence; })) {
    start += buffer_samples;
  }
  samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(start));
}

// The first frame of `frames` that differs from the synthesiser rendered offline, with `effect`
// triggered before frame `trigger_at`; nothing if every frame matches.
std::optional<std::size_t> first_mismatch(const std::vector<float>& frames, int rate,
                                          std::optional<std::size_t> trigger_at, SoundEffect effect) {
  Synth reference(parse_lead(bar_table()), static_cast<std::uint32_t>(rate));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (trigger_at == i) reference.trigger(effect);
    if (frames[i] != reference.next_output_sample()) return i;
  }
  return std::nullopt;
}

// Lets the stream run until the capture holds at least `bytes` (or ten seconds have gone).
void run_until_written(const fs::path& path, std::uintmax_t bytes) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::error_code error;
  while (std::chrono::steady_clock::now() < give_up) {
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size >= bytes) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// Lets the stream run until the capture holds at least `bytes` of float samples after the
// silence SDL writes before the device starts (on a busy machine that silence can be long).
void run_until_sounding(const fs::path& path, std::uintmax_t bytes) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < give_up) {
    const std::vector<float> samples = read_samples<float>(path);
    const auto first = std::find_if(samples.begin(), samples.end(), [](float s) { return s != 0.0f; });
    if (static_cast<std::uintmax_t>(samples.end() - first) * sizeof(float) >= bytes) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

TEST(AudioOutput, TheCardGetsTheSynthesiserAndTheEffectsSent) {
  const fs::path path = use_disk_driver("float-stereo.raw");
  std::vector<float> samples;
  std::size_t buffer_samples = 0;
  {
    AudioOutput output(AudioRequest{48000, AUDIO_F32SYS, 2});
    ASSERT_TRUE(output.start(false));
    buffer_samples = static_cast<std::size_t>(output.buffer_frames()) * 2;
    EXPECT_EQ(output.rate(), 48000);
    EXPECT_EQ(output.channels(), 2);
    run_until_sounding(path, 8 * 48000 / 10);  // a tenth of a second of music first
    const std::vector<CaveEvent> events{CaveEvent::TimeUp, CaveEvent::Explosion};
    output.feed(true, effects_for_events(events).view());
    run_until_sounding(path, 8 * 48000 / 2);
  }  // closing the device flushes the file
  samples = read_samples<float>(path);
  drop_paused_silence(samples, buffer_samples, 0.0f);
  ASSERT_GE(samples.size(), 2u * 48000 / 4) << "a quarter of a second at least";
  ASSERT_EQ(samples.size() % buffer_samples, 0u) << "whole buffers";
  ASSERT_EQ(samples.size() % 2, 0u);

  std::vector<float> left;
  for (std::size_t i = 0; i < samples.size(); i += 2) {
    ASSERT_EQ(samples[i], samples[i + 1]) << "frame " << i / 2;
    left.push_back(samples[i]);
  }
  // Until the Boom the card hears the music alone, exactly as rendered offline.
  const std::optional<std::size_t> boom_heard = first_mismatch(left, 48000, std::nullopt, SoundEffect::Boom);
  ASSERT_TRUE(boom_heard.has_value()) << "the Boom never reached the card";
  EXPECT_GT(*boom_heard, 0u);
  // The Boom started at the beginning of some buffer at or before it was first heard; from there
  // the card holds the offline rendering with the Boom in it, to the last frame.
  bool matched = false;
  for (std::size_t start = *boom_heard + 1; start-- > 0 && !matched;) {
    matched = !first_mismatch(left, 48000, start, SoundEffect::Boom).has_value();
  }
  EXPECT_TRUE(matched);
}

TEST(AudioOutput, SixteenBitCardsGetConvertedSamples) {
  std::size_t buffer_samples = 0;
  {
    const fs::path path = use_disk_driver("s16-mono.raw");
    {
      AudioOutput output(AudioRequest{22050, AUDIO_S16SYS, 1});
      ASSERT_TRUE(output.start(false));
      buffer_samples = static_cast<std::size_t>(output.buffer_frames());
      run_until_written(path, 2 * 22050 / 4);
    }
    std::vector<std::int16_t> got = read_samples<std::int16_t>(path);
    drop_paused_silence<std::int16_t>(got, buffer_samples, 0);
    ASSERT_GE(got.size(), 22050u / 8);
    Synth reference(parse_lead(bar_table()), 22050);
    for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], to_s16(reference.next_output_sample())) << i;
  }
  {
    const fs::path path = use_disk_driver("u16-stereo.raw");
    {
      AudioOutput output(AudioRequest{44100, AUDIO_U16SYS, 2});
      ASSERT_TRUE(output.start(true));
      buffer_samples = static_cast<std::size_t>(output.buffer_frames()) * 2;
      run_until_written(path, 4 * 44100 / 4);
    }
    std::vector<std::uint16_t> got = read_samples<std::uint16_t>(path);
    drop_paused_silence<std::uint16_t>(got, buffer_samples, 0x8080);  // SDL's silence byte is 0x80
    ASSERT_GE(got.size(), 44100u / 4);
    // Music off from the start: the card hears silence, the middle of the unsigned range.
    for (std::uint16_t s : got) ASSERT_EQ(s, 0x8000);
  }
}

TEST(AudioOutput, AnotherSampleFormatMeansNoSound) {
  use_disk_driver("s32.raw");
  AudioOutput output(AudioRequest{48000, AUDIO_S32SYS, 2});
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(output.start(false));
  // (SDL's disk driver announces itself on standard error first.)
  const std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(message.ends_with("\nno sound: the sound card wants I32 samples\n") ||
              message == "no sound: the sound card wants I32 samples\n")
      << message;
  EXPECT_TRUE(output.attempted());
  EXPECT_FALSE(output.running());
  // Only one attempt per run: a second call stays silent in every sense.
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(output.start(false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  output.feed(true, effects_for_events(std::vector<CaveEvent>{CaveEvent::Explosion}).view());
}

TEST(AudioOutput, NoAudioDriverMeansNoSound) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  AudioOutput output;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(output.start(false));
  const std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(message.starts_with("no sound: ")) << message;
  EXPECT_GT(message.size(), std::strlen("no sound: \n")) << "the library's own message follows";
  EXPECT_TRUE(message.ends_with("\n"));
}

TEST(AudioOutput, StartingTwiceKeepsTheFirstStream) {
  use_disk_driver("twice.raw");
  AudioOutput output(AudioRequest{22050, AUDIO_F32SYS, 1});
  ASSERT_TRUE(output.start(false));
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(output.start(true));
  output.report_if_stopped();  // the stream runs: nothing to report
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(output.running());
}

TEST(AudioOutput, SampleFormatNames) {
  EXPECT_EQ(sample_format_name(AUDIO_S8), "I8");
  EXPECT_EQ(sample_format_name(AUDIO_U8), "U8");
  EXPECT_EQ(sample_format_name(AUDIO_S16SYS), "I16");
  EXPECT_EQ(sample_format_name(AUDIO_U16SYS), "U16");
  EXPECT_EQ(sample_format_name(AUDIO_S32SYS), "I32");
  EXPECT_EQ(sample_format_name(AUDIO_F32SYS), "F32");
}

}  // namespace
}  // namespace korvedan
