// The effects by ear: the pitches the rendered voices actually sound.
#include <gtest/gtest.h>

#include <vector>

#include "sound/synth.hpp"
#include "sound/tune.hpp"
#include "tests/sound/tone.hpp"

namespace korvedan {
namespace {

using testing::peak_frequency;

// The effect alone, music off, one value per synthesiser sample.
std::vector<float> render_effect(SoundEffect effect) {
  Synth synth(parse_lead(bar_table()), 22050);
  synth.set_music_on(0);
  synth.trigger(effect);
  std::vector<float> out(static_cast<std::size_t>(effect_length(effect) * 22050.0f) + 200);
  for (float& s : out) s = synth.render_sample();
  return out;
}

// The peak frequency between seconds `from` and `to` of a rendering.
double pitch(const std::vector<float>& samples, double from, double to, double lo, double hi) {
  const auto first = static_cast<std::size_t>(from * 22050);
  const auto last = static_cast<std::size_t>(to * 22050);
  return peak_frequency(std::span(samples).subspan(first, last - first), 22050, lo, hi);
}

TEST(Effects, StepTickClicksTwiceAt1800Hz) {
  const std::vector<float> s = render_effect(SoundEffect::StepTick);
  EXPECT_NEAR(pitch(s, 0.0, 0.015, 1000, 2500), 1800, 25);
  EXPECT_NEAR(pitch(s, 0.04, 0.055, 1000, 2500), 1800, 25);
  // Silence between the clicks and after them.
  for (std::size_t i = 335; i < 875; ++i) ASSERT_EQ(s[i], 0.0f) << i;
  for (std::size_t i = 1220; i < s.size(); ++i) ASSERT_EQ(s[i], 0.0f) << i;
  EXPECT_NE(s[0], 0.0f);
  EXPECT_NE(s[900], 0.0f);
}

TEST(Effects, BlipMovesFrom880To1400Hz) {
  const std::vector<float> s = render_effect(SoundEffect::Blip);
  EXPECT_NEAR(pitch(s, 0.0, 0.03, 500, 2000), 880, 15);
  EXPECT_NEAR(pitch(s, 0.031, 0.07, 500, 2000), 1400, 15);
}

TEST(Effects, ChimePlaysE6ThenB6) {
  const std::vector<float> s = render_effect(SoundEffect::Chime);
  EXPECT_NEAR(pitch(s, 0.0, 0.05, 800, 2500), 1318.51, 15);
  EXPECT_NEAR(pitch(s, 0.05, 0.17, 800, 2500), 1975.53, 10);
}

TEST(Effects, DoorBuzzDropsFrom190To120Hz) {
  const std::vector<float> s = render_effect(SoundEffect::DoorBuzz);
  EXPECT_NEAR(pitch(s, 0.0, 0.08, 80, 300), 190, 8);
  EXPECT_NEAR(pitch(s, 0.08, 0.2, 80, 300), 120, 6);
}

TEST(Effects, HatchJingleStepsThroughItsNotes) {
  const std::vector<float> s = render_effect(SoundEffect::HatchJingle);
  EXPECT_NEAR(pitch(s, 0.0, 0.06, 300, 1500), 523.25, 20);
  EXPECT_NEAR(pitch(s, 0.06, 0.12, 300, 1500), 659.26, 20);
  EXPECT_NEAR(pitch(s, 0.12, 0.18, 300, 1500), 783.99, 20);
  EXPECT_NEAR(pitch(s, 0.18, 0.24, 300, 1500), 1046.5, 20);
  EXPECT_NEAR(pitch(s, 0.24, 0.42, 1000, 2000), 1318.51, 8);
}

TEST(Effects, SweepUpAndGobbleMoveTheirPitch) {
  const std::vector<float> sweep = render_effect(SoundEffect::SweepUp);
  EXPECT_NEAR(pitch(sweep, 0.0, 0.02, 200, 2000), 420 + 4400 * 0.01, 40);
  EXPECT_NEAR(pitch(sweep, 0.24, 0.26, 800, 2500), (420 + 4400 * 0.25) * (1 + 0.06 * std::sin(70 * 0.25)), 50);
  const std::vector<float> gobble = render_effect(SoundEffect::Gobble);
  EXPECT_NEAR(pitch(gobble, 0.0, 0.02, 300, 1000), 518 + 2600 * 0.01, 30);
  EXPECT_NEAR(pitch(gobble, 0.06, 0.08, 300, 1000), 700 - 2600 * 0.005, 30);
}

}  // namespace
}  // namespace korvedan
