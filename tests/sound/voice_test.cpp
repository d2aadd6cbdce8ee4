// The voices: their precomputed shapes sound exactly like the effects' formulas.
#include <gtest/gtest.h>

#include <bit>

#include "sound/voice.hpp"
#include "tests/sound/voice_formulas.hpp"

namespace korvedan {
namespace {

TEST(Voice, EveryEffectSoundsExactlyLikeItsFormula) {
  for (int e = 0; e < sound_effect_count; ++e) {
    const auto effect = static_cast<SoundEffect>(e);
    Voice voice;
    voice.trigger();
    testing::FormulaVoice formula;
    std::uint32_t noise = 0x9E3779B9u;
    std::uint32_t formula_noise = 0x9E3779B9u;
    std::size_t samples = 0;
    while (voice.active) {
      const float got = render_voice(voice, effect, voice_shape(effect), noise);
      const float expected = testing::value_by_formula(formula, effect, formula_noise);
      formula.t += synth_sample_seconds;
      ASSERT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(expected))
          << effect_name(effect) << " sample " << samples << ": " << got << " instead of " << expected;
      ++samples;
      // Stops exactly when its clock reaches the length.
      ASSERT_EQ(voice.active, formula.t < effect_length(effect)) << effect_name(effect) << " sample " << samples;
    }
    EXPECT_EQ(samples, voice_shape(effect).size()) << effect_name(effect);
    EXPECT_EQ(noise, formula_noise) << effect_name(effect) << " draws as much noise";
  }
}

TEST(Voice, ARestartedVoiceStartsItsShapeAgain) {
  Voice voice;
  voice.trigger();
  std::uint32_t noise = 1;
  for (int i = 0; i < 500; ++i) render_voice(voice, SoundEffect::Gobble, voice_shape(SoundEffect::Gobble), noise);
  EXPECT_EQ(voice.sample, 500u);
  voice.trigger();
  EXPECT_EQ(voice.sample, 0u);
  EXPECT_EQ(voice.t, 0.0f);
  EXPECT_EQ(voice.phase_a, 0.0f);
  EXPECT_TRUE(voice.active);
}

}  // namespace
}  // namespace korvedan
