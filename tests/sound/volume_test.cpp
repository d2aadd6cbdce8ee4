// The volumes: full volume changes nothing, silence silences, and every change glides.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "sound/audio_feed.hpp"
#include "sound/synth.hpp"
#include "sound/tune.hpp"

namespace korvedan {
namespace {

Synth make() { return Synth(parse_lead(bar_table()), 22050); }

TEST(Volume, FullVolumeLeavesEverySampleAsItWas) {
  Synth plain = make();
  Synth full = make();
  full.set_volumes(10, 10);
  plain.trigger(SoundEffect::Boom);
  full.trigger(SoundEffect::Boom);
  for (int i = 0; i < 30000; ++i) ASSERT_EQ(plain.render_sample(), full.render_sample()) << i;
}

TEST(Volume, EffectsAtZeroAreSilentAndMusicAtZeroToo) {
  Synth s = make();
  s.set_volumes(0, 0);
  for (int i = 0; i < 400; ++i) s.render_sample();  // past the glide
  s.trigger(SoundEffect::Boom);
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(s.render_sample(), 0.0f) << i;
  EXPECT_GT(s.music_gain(), 0.0f);  // the music runs on, unheard
}

TEST(Volume, AChangeGlidesWithoutAJump) {
  Synth s = make();
  s.set_music_on(0);
  s.trigger(SoundEffect::FuseHiss);
  for (int i = 0; i < 100; ++i) s.render_sample();
  s.set_volumes(10, 0);
  float previous = s.effects_volume();
  int steps = 0;
  while (s.effects_volume() > 0.0f && steps < 1000) {
    s.render_sample();
    EXPECT_LE(previous - s.effects_volume(), Synth::volume_step * 1.0001f);
    previous = s.effects_volume();
    ++steps;
  }
  EXPECT_EQ(s.effects_volume(), 0.0f);
  // Full to silent in about 10 ms of synthesiser time: 220 or 221 samples.
  EXPECT_GE(steps, 220);
  EXPECT_LE(steps, 221);
  s.set_volumes(5, 5);
  for (int i = 0; i < 300; ++i) s.render_sample();
  EXPECT_FLOAT_EQ(s.effects_volume(), 0.5f);
  EXPECT_FLOAT_EQ(s.music_volume(), 0.5f);
}

TEST(Volume, TheFeedHandsTheGamesVolumesToTheSynthAtEachBuffer) {
  SoundLink link = make_sound_link(false);
  AudioFeed feed(std::make_unique<Synth>(make()), link, 1);
  link.volumes->effects.store(3);
  link.volumes->music.store(0);
  std::vector<float> out(2000);
  feed.fill_f32(out.data(), out.size());
  EXPECT_NEAR(feed.synth().effects_volume(), 0.3f, 1e-6);
  EXPECT_EQ(feed.synth().music_volume(), 0.0f);
}

}  // namespace
}  // namespace korvedan
