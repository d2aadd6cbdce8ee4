// The audio callback's work: sample formats, frames, the music flag and sent effects.
#include <gtest/gtest.h>

#include <vector>

#include "sound/audio_feed.hpp"
#include "sound/tune.hpp"

namespace korvedan {
namespace {

std::unique_ptr<Synth> make_synth(std::uint32_t rate) {
  return std::make_unique<Synth>(parse_lead(bar_table()), rate);
}

TEST(AudioFeed, SixteenBitConversions) {
  EXPECT_EQ(to_s16(1.0f), 32767);
  EXPECT_EQ(to_s16(-1.0f), -32768);
  EXPECT_EQ(to_s16(0.0f), 0);
  EXPECT_EQ(to_s16(0.5f), 16384);
  EXPECT_EQ(to_s16(-1.0f / 127.0f), -258);  // −258.02 truncated toward zero
  EXPECT_EQ(to_s16(1.0f / 127.0f), 258);
  EXPECT_EQ(to_u16(1.0f), 0xFFFF);
  EXPECT_EQ(to_u16(-1.0f), 0x0000);
  EXPECT_EQ(to_u16(0.0f), 0x8000);
  EXPECT_EQ(to_u16(-1.0f / 127.0f), 0x8000 - 258);
}

TEST(AudioFeed, EveryChannelOfAFrameGetsTheSameSample) {
  SoundLink link = make_sound_link(false);
  AudioFeed feed(make_synth(48000), link, 2);
  Synth reference(parse_lead(bar_table()), 48000);
  // An odd count: the last frame is short and gets its one sample.
  std::vector<float> buffer(4001);
  feed.fill_f32(buffer.data(), buffer.size());
  for (std::size_t i = 0; i + 1 < buffer.size(); i += 2) {
    const float expected = reference.next_output_sample();
    ASSERT_EQ(buffer[i], expected) << i;
    ASSERT_EQ(buffer[i + 1], expected) << i;
  }
  EXPECT_EQ(buffer.back(), reference.next_output_sample());

  std::vector<std::int16_t> s16(3000);
  feed.fill_s16(s16.data(), s16.size());
  std::vector<std::uint16_t> u16(3000);
  feed.fill_u16(u16.data(), u16.size());
  for (std::size_t i = 0; i < s16.size(); i += 2) {
    ASSERT_EQ(s16[i], to_s16(reference.next_output_sample()));
    ASSERT_EQ(s16[i + 1], s16[i]);
  }
  for (std::size_t i = 0; i < u16.size(); i += 2) {
    ASSERT_EQ(u16[i], to_u16(reference.next_output_sample()));
    ASSERT_EQ(u16[i + 1], u16[i]);
  }
}

TEST(AudioFeed, AChannelCountOfZeroCountsAsOne) {
  AudioFeed feed(make_synth(22050), make_sound_link(false), 0);
  Synth reference(parse_lead(bar_table()), 22050);
  std::vector<float> buffer(100);
  feed.fill_f32(buffer.data(), buffer.size());
  for (float x : buffer) ASSERT_EQ(x, reference.next_output_sample());
}

TEST(AudioFeed, TheFlagAndTheEffectsAreReadAtTheStartOfEachBuffer) {
  SoundLink link = make_sound_link(true);
  AudioFeed feed(make_synth(22050), link, 1);
  std::vector<float> buffer(512);
  feed.fill_f32(buffer.data(), buffer.size());
  for (float x : buffer) ASSERT_EQ(x, 0.0f);  // music off, no effects

  link.effects->send(SoundEffect::Blip);
  link.music_on->store(1);
  feed.fill_f32(buffer.data(), buffer.size());
  EXPECT_TRUE(feed.synth().voice(SoundEffect::Blip).active);
  EXPECT_GT(feed.synth().music_gain(), 0.0f);
  EXPECT_NE(buffer[0], 0.0f);
  // A flag written in the middle of a buffer waits for the next one.
  link.music_on->store(0);
  const float gain = feed.synth().music_gain();
  EXPECT_GT(gain, 0.08f);
  feed.fill_f32(buffer.data(), buffer.size());
  EXPECT_LT(feed.synth().music_gain(), gain);
}

}  // namespace
}  // namespace korvedan
