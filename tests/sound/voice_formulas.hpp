// Test helper: the effects written straight from their formulas, sample by sample, with no
// precomputed shapes; the synthesiser's voices must sound exactly like this.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "sound/jingles.hpp"
#include "sound/notes.hpp"
#include "sound/oscillator.hpp"
#include "sound/sound_effect.hpp"

namespace korvedan::testing {

struct FormulaVoice {
  float t = 0.0f;
  float phase_a = 0.0f;
  float phase_b = 0.0f;
  float noise_value = 0.0f;
  float noise_countdown = 0.0f;

  float noise_at(float rate, std::uint32_t& state) {
    noise_countdown -= rate / synth_rate;
    if (noise_countdown <= 0.0f) {
      noise_countdown += 1.0f;
      noise_value = next_noise(state);
    }
    return noise_value;
  }
};

inline float value_by_formula(FormulaVoice& v, SoundEffect effect, std::uint32_t& noise_state) {
  const float t = v.t;
  const auto envelope = [&] { return std::max(0.0f, 1.0f - t / effect_length(effect)); };
  switch (effect) {
    case SoundEffect::Dig:
      return v.noise_at(2600.0f, noise_state) * std::exp(-40.0f * t) * 0.5f;
    case SoundEffect::Chime:
      // E6 then B6, given as phase steps.
      advance_phase(v.phase_a, t < 0.05f ? 0.05979638f : 0.08959335f);
      return pulse25(v.phase_a) * std::exp(-9.0f * t) * 0.42f;
    case SoundEffect::Push:
      step_phase(v.phase_a, 64.0f + 18.0f * std::sin(70.0f * t));
      return envelope() * (0.25f * v.noise_at(900.0f, noise_state) + square(v.phase_a, 0.3f));
    case SoundEffect::Thud:
      step_phase(v.phase_a, 70.0f + 150.0f * std::exp(-30.0f * t));
      return 0.6f * std::exp(-16.0f * t) * square(v.phase_a, 1.0f) +
             0.6f * v.noise_at(1400.0f, noise_state) * std::exp(-38.0f * t);
    case SoundEffect::Boom: {
      // The rumble runs on phase B; the noise starts fast and slows down.
      step_phase(v.phase_b, 45.0f + 110.0f * std::exp(-9.0f * t));
      const float rate = 450.0f + 9000.0f * std::exp(-4.0f * t);
      return std::sqrt(envelope()) * (0.82f * v.noise_at(rate, noise_state) * std::exp(-3.2f * t) +
                             0.42f * std::exp(-5.0f * t) * square(v.phase_b, 1.0f));
    }
    case SoundEffect::HatchJingle: {
      const JinglePlace at = jingle_at(hatch_jingle(), t);
      step_phase(v.phase_a, note_frequency(at.note));
      return std::sqrt(envelope()) * pulse25(v.phase_a) * std::exp(-6.0f * at.since_note) * 0.42f;
    }
    case SoundEffect::WonFanfare: {
      const JinglePlace at = jingle_at(won_fanfare(), t);
      step_phase(v.phase_a, note_frequency(at.note) * (1.0f + 0.006f * std::sin(40.0f * at.since_note)));
      return std::sqrt(envelope()) * 0.4f * square(v.phase_a, 0.6f + 0.4f * std::exp(-8.0f * at.since_note));
    }
    case SoundEffect::LostWail:
      step_phase(v.phase_a, 430.0f * std::exp(-2.5f * t) * (1.0f + 0.03f * std::sin(45.0f * t)));
      return envelope() * square(v.phase_a, 0.42f);
    case SoundEffect::FallWhistle:
      step_phase(v.phase_a, 640.0f - 3400.0f * t);
      return envelope() * two_level(v.phase_a, 0.25f, 0.39f, -0.13f);
    case SoundEffect::StepTick:
      // Two short clicks; the oscillator rests between them.
      if (t < 0.015f || (t >= 0.04f && t < 0.055f)) {
        step_phase(v.phase_a, 1800.0f);
        return two_level(v.phase_a, 0.125f, 0.2625f, -0.0375f);
      }
      return 0.0f;
    case SoundEffect::WispWarble:
      step_phase(v.phase_a, 900.0f + 260.0f * std::sin(90.0f * t));
      return envelope() * square(v.phase_a, 0.13f);
    case SoundEffect::Crack:
      step_phase(v.phase_a, 760.0f);
      return 0.5f * v.noise_at(4200.0f, noise_state) * std::exp(-55.0f * t) +
             0.25f * pulse25(v.phase_a) * std::exp(-45.0f * t);
    case SoundEffect::PickupRise: {
      const JinglePlace at = jingle_at(short_rise(), t);
      step_phase(v.phase_a, note_frequency(at.note));
      return std::sqrt(envelope()) * pulse12(v.phase_a) * std::exp(-10.0f * at.since_note) * 0.36f;
    }
    case SoundEffect::DoorBuzz:
      step_phase(v.phase_a, t < 0.08f ? 190.0f : 120.0f);
      return envelope() * (0.2f * v.noise_at(1100.0f, noise_state) + square(v.phase_a, 0.36f));
    case SoundEffect::SweepUp:
      step_phase(v.phase_a, (420.0f + 4400.0f * t) * (1.0f + 0.06f * std::sin(70.0f * t)));
      return envelope() * two_level(v.phase_a, 0.25f, 0.45f, -0.15f);
    case SoundEffect::Gobble:
      // Up from 518 Hz to 700 Hz at 0.07 s and back down.
      step_phase(v.phase_a, 700.0f - 2600.0f * std::min(std::abs(t - 0.07f), 0.07f));
      return envelope() * square(v.phase_a, 0.3f);
    case SoundEffect::FuseHiss:
      return envelope() * 0.24f * v.noise_at(7500.0f, noise_state);
    case SoundEffect::Blip:
      step_phase(v.phase_a, t < 0.03f ? 880.0f : 1400.0f);
      return envelope() * square(v.phase_a, 0.2f);
  }
  return 0.0f;
}


}  // namespace korvedan::testing
