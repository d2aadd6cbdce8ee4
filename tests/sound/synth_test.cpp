// The synthesiser: resampling, quantising, the music fade and loop, ducking and the voices' lives.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "sound/synth.hpp"
#include "sound/tune.hpp"

namespace korvedan {
namespace {

Synth make_synth(std::uint32_t rate = 22050) { return Synth(parse_lead(bar_table()), rate); }

std::vector<float> render(Synth& synth, std::size_t count) {
  std::vector<float> out(count);
  for (float& s : out) s = synth.render_sample();
  return out;
}

TEST(Synth, RateRatio) {
  EXPECT_FLOAT_EQ(make_synth(48000).rate_ratio(), 0.459375f);
  EXPECT_EQ(make_synth(22050).rate_ratio(), 1.0f);
  EXPECT_EQ(make_synth(0).rate_ratio(), 22050.0f);  // a rate of 0 counts as 1
  EXPECT_EQ(make_synth(11025).rate_ratio(), 2.0f);
}

TEST(Synth, AtTheSynthRateEveryCallRendersOneSampleAfterTwoAtFirst) {
  Synth device = make_synth(22050);
  Synth reference = make_synth(22050);
  const std::vector<float> expected = render(reference, 5001);
  EXPECT_EQ(device.next_output_sample(), expected[1]);
  EXPECT_EQ(device.loop_position(), 2u);
  for (std::size_t i = 2; i < expected.size(); ++i) {
    ASSERT_EQ(device.next_output_sample(), expected[i]) << i;
    ASSERT_EQ(device.loop_position(), i + 1);
  }
}

TEST(Synth, At48000EachSampleIsHeldTwoOrThreeTimes) {
  Synth device = make_synth(48000);
  Synth reference = make_synth(22050);
  const std::vector<float> expected = render(reference, 22100);
  std::uint64_t position = 0;
  int run = 0;
  std::set<int> runs;
  for (int i = 0; i < 48000; ++i) {
    const float x = device.next_output_sample();
    const std::uint64_t now = device.loop_position();  // music on: one loop step per synthesiser sample
    ASSERT_LE(now - position, 1u);
    if (now != position && i > 0) {
      if (position > 1) runs.insert(run);
      run = 0;
    }
    ++run;
    position = now;
    ASSERT_EQ(x, expected[position - 1]) << i;
  }
  EXPECT_EQ(runs, (std::set<int>{2, 3}));
  EXPECT_NEAR(static_cast<double>(position), 22050.0, 1.0);
}

TEST(Synth, BelowTheSynthRateSamplesAreRenderedUnheard) {
  Synth device = make_synth(11025);
  Synth reference = make_synth(22050);
  const std::vector<float> expected = render(reference, 2000);
  // The first call renders three (the accumulator starts at 0), every later one two.
  for (std::size_t i = 0; i < 900; ++i) {
    ASSERT_EQ(device.next_output_sample(), expected[2 * i + 2]) << i;
    ASSERT_EQ(device.loop_position(), 2 * i + 3);
  }
}

TEST(Synth, OutputTakesOnlyTheValuesKOver127) {
  Synth synth = make_synth();
  std::set<int> seen;
  for (int block = 0; block < 60; ++block) {
    // Everything at once now and then, so the mix also runs into the clamp.
    if (block % 6 == 0) {
      for (int e = 0; e < sound_effect_count; ++e) synth.trigger(static_cast<SoundEffect>(e));
    }
    for (int i = 0; i < 4410; ++i) {
      const float x = synth.render_sample();
      const float scaled = x * 127.0f;
      const int k = static_cast<int>(std::lround(scaled));
      ASSERT_LE(std::abs(k), 127);
      ASSERT_EQ(x, static_cast<float>(k) / 127.0f) << x;
      seen.insert(k);
    }
  }
  EXPECT_GT(seen.size(), 150u);
  EXPECT_TRUE(seen.contains(127) || seen.contains(-127)) << "the loudest moments reach the clamp";
}

TEST(Synth, MusicFadesInFromTheLoopStart) {
  Synth synth = make_synth();
  EXPECT_EQ(synth.loop_position(), 0u);
  EXPECT_EQ(synth.music_gain(), 0.0f);
  render(synth, 3300);
  EXPECT_EQ(synth.loop_position(), 3300u);
  EXPECT_LT(synth.music_gain(), Synth::music_level);
  EXPECT_GT(synth.music_gain(), 0.548f);
  render(synth, 10);
  EXPECT_EQ(synth.music_gain(), Synth::music_level);
}

TEST(Synth, TogglingWithinTheFadeNeverFreezesTheLoop) {
  Synth synth = make_synth();
  render(synth, 4000);
  synth.set_music_on(0);
  for (int i = 0; i < 3200; ++i) {
    const std::uint64_t before = synth.loop_position();
    synth.render_sample();
    ASSERT_EQ(synth.loop_position(), before + 1) << i;
  }
  EXPECT_GT(synth.music_gain(), 0.0f);
  synth.set_music_on(1);
  const std::uint64_t before = synth.loop_position();
  render(synth, 4000);
  EXPECT_EQ(synth.loop_position(), before + 4000);
}

TEST(Synth, MusicOffFreezesTheLoopAndOnResumesIt) {
  Synth synth = make_synth();
  render(synth, 4000);
  synth.set_music_on(0);
  render(synth, 3400);
  EXPECT_EQ(synth.music_gain(), 0.0f);
  const std::uint64_t frozen = synth.loop_position();
  EXPECT_LT(frozen, 4000u + 3400u);
  for (float x : render(synth, 20000)) ASSERT_EQ(x, 0.0f);
  EXPECT_EQ(synth.loop_position(), frozen);
  synth.set_music_on(1);
  synth.render_sample();
  EXPECT_EQ(synth.loop_position(), frozen + 1);
  EXPECT_NE(synth.music_value(), 0.0f);
}

TEST(Synth, TheLoopWrapsAfter604800Samples) {
  Synth synth = make_synth();
  render(synth, 604799);
  EXPECT_EQ(synth.loop_position(), 604799u);
  synth.render_sample();
  EXPECT_EQ(synth.loop_position(), 0u);
  synth.render_sample();
  EXPECT_EQ(synth.loop_position(), 1u);
}

TEST(Synth, BoomDucksTheMusicForOneSecondAndASecondBoomRestartsIt) {
  Synth ducked = make_synth();
  Synth plain = make_synth();
  render(ducked, 4000);
  render(plain, 4000);
  ducked.trigger(SoundEffect::Boom);
  int ducked_samples = 0;
  int active_samples = 0;
  for (int i = 0; i < 2 * 22050; ++i) {
    if (i == 11025) ducked.trigger(SoundEffect::Boom);
    const bool active_before = ducked.voice(SoundEffect::Boom).active;
    ducked.render_sample();
    plain.render_sample();
    ASSERT_NE(plain.music_value(), 0.0f);
    if (ducked.music_value() == plain.music_value() * 0.4f && ducked.music_value() != plain.music_value()) {
      ++ducked_samples;
      ASSERT_TRUE(active_before) << i;
    } else {
      ASSERT_EQ(ducked.music_value(), plain.music_value()) << i;
      ASSERT_FALSE(active_before) << i;
    }
    active_samples += active_before ? 1 : 0;
  }
  // Half a second, then a whole second from the second Boom (within the 32-bit clock's drift).
  EXPECT_EQ(ducked_samples, active_samples);
  EXPECT_NEAR(ducked_samples, 11025 + 22050, 4);
}

TEST(Synth, EachEffectSoundsForItsLengthThenFallsSilent) {
  for (int e = 0; e < sound_effect_count; ++e) {
    const auto effect = static_cast<SoundEffect>(e);
    Synth synth = make_synth();
    synth.set_music_on(0);
    synth.trigger(effect);
    int active = 0;
    float loudest = 0.0f;
    while (synth.voice(effect).active && active < 100000) {
      loudest = std::max(loudest, std::abs(synth.render_sample()));
      ++active;
    }
    EXPECT_NEAR(active, effect_length(effect) * 22050.0f, 3.0f) << effect_name(effect);
    EXPECT_GT(loudest, 0.05f) << effect_name(effect);
    for (float x : render(synth, 500)) ASSERT_EQ(x, 0.0f) << effect_name(effect);
  }
}

TEST(Synth, ATriggeredEffectRestartsFromItsBeginning) {
  Synth once = make_synth();
  Synth twice = make_synth();
  once.set_music_on(0);
  twice.set_music_on(0);
  twice.trigger(SoundEffect::WonFanfare);
  render(twice, 10000);
  once.trigger(SoundEffect::WonFanfare);
  twice.trigger(SoundEffect::WonFanfare);
  EXPECT_EQ(twice.voice(SoundEffect::WonFanfare).t, 0.0f);
  // The fanfare uses no noise, so a restart sounds exactly like a first start.
  EXPECT_EQ(render(once, 25000), render(twice, 25000));
}

}  // namespace
}  // namespace korvedan
