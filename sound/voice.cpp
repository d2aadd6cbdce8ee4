// How each of the eighteen effects sounds.
#include "sound/voice.hpp"

#include <algorithm>
#include <cmath>

#include "sound/jingles.hpp"
#include "sound/notes.hpp"
#include "sound/oscillator.hpp"

namespace korvedan {

float Voice::noise(float rate, std::uint32_t& noise_state) {
  noise_countdown -= rate / synth_rate;
  if (noise_countdown <= 0.0f) {
    noise_countdown += 1.0f;
    noise_value = next_noise(noise_state);
  }
  return noise_value;
}

namespace {

float value_of(Voice& v, SoundEffect effect, std::uint32_t& noise_state) {
  const float t = v.t;
  // The linear envelope; effects 0, 1, 3, 9 and 11 ignore it and use their own decays.
  const float e = std::max(0.0f, 1.0f - t / effect_length(effect));
  switch (effect) {
    case SoundEffect::Dig:
      return v.noise(2600.0f, noise_state) * std::exp(-40.0f * t) * 0.5f;
    case SoundEffect::Chime:
      // E6 then B6, given as phase steps.
      advance_phase(v.phase_a, t < 0.05f ? 0.05979638f : 0.08959335f);
      return pulse25(v.phase_a) * std::exp(-9.0f * t) * 0.42f;
    case SoundEffect::Push:
      step_phase(v.phase_a, 64.0f + 18.0f * std::sin(70.0f * t));
      return e * (0.25f * v.noise(900.0f, noise_state) + square(v.phase_a, 0.3f));
    case SoundEffect::Thud:
      step_phase(v.phase_a, 70.0f + 150.0f * std::exp(-30.0f * t));
      return 0.6f * std::exp(-16.0f * t) * square(v.phase_a, 1.0f) +
             0.6f * v.noise(1400.0f, noise_state) * std::exp(-38.0f * t);
    case SoundEffect::Boom: {
      // The rumble runs on phase B; the noise starts fast and slows down.
      step_phase(v.phase_b, 45.0f + 110.0f * std::exp(-9.0f * t));
      const float rate = 450.0f + 9000.0f * std::exp(-4.0f * t);
      return std::sqrt(e) * (0.82f * v.noise(rate, noise_state) * std::exp(-3.2f * t) +
                             0.42f * std::exp(-5.0f * t) * square(v.phase_b, 1.0f));
    }
    case SoundEffect::HatchJingle: {
      const JinglePlace at = jingle_at(hatch_jingle(), t);
      step_phase(v.phase_a, note_frequency(at.note));
      return std::sqrt(e) * pulse25(v.phase_a) * std::exp(-6.0f * at.since_note) * 0.42f;
    }
    case SoundEffect::WonFanfare: {
      const JinglePlace at = jingle_at(won_fanfare(), t);
      step_phase(v.phase_a, note_frequency(at.note) * (1.0f + 0.006f * std::sin(40.0f * at.since_note)));
      return std::sqrt(e) * 0.4f * square(v.phase_a, 0.6f + 0.4f * std::exp(-8.0f * at.since_note));
    }
    case SoundEffect::LostWail:
      step_phase(v.phase_a, 430.0f * std::exp(-2.5f * t) * (1.0f + 0.03f * std::sin(45.0f * t)));
      return e * square(v.phase_a, 0.42f);
    case SoundEffect::FallWhistle:
      step_phase(v.phase_a, 640.0f - 3400.0f * t);
      return e * two_level(v.phase_a, 0.25f, 0.39f, -0.13f);
    case SoundEffect::StepTick:
      // Two short clicks; the oscillator rests between them.
      if (t < 0.015f || (t >= 0.04f && t < 0.055f)) {
        step_phase(v.phase_a, 1800.0f);
        return two_level(v.phase_a, 0.125f, 0.2625f, -0.0375f);
      }
      return 0.0f;
    case SoundEffect::WispWarble:
      step_phase(v.phase_a, 900.0f + 260.0f * std::sin(90.0f * t));
      return e * square(v.phase_a, 0.13f);
    case SoundEffect::Crack:
      step_phase(v.phase_a, 760.0f);
      return 0.5f * v.noise(4200.0f, noise_state) * std::exp(-55.0f * t) +
             0.25f * pulse25(v.phase_a) * std::exp(-45.0f * t);
    case SoundEffect::PickupRise: {
      const JinglePlace at = jingle_at(short_rise(), t);
      step_phase(v.phase_a, note_frequency(at.note));
      return std::sqrt(e) * pulse12(v.phase_a) * std::exp(-10.0f * at.since_note) * 0.36f;
    }
    case SoundEffect::DoorBuzz:
      step_phase(v.phase_a, t < 0.08f ? 190.0f : 120.0f);
      return e * (0.2f * v.noise(1100.0f, noise_state) + square(v.phase_a, 0.36f));
    case SoundEffect::SweepUp:
      step_phase(v.phase_a, (420.0f + 4400.0f * t) * (1.0f + 0.06f * std::sin(70.0f * t)));
      return e * two_level(v.phase_a, 0.25f, 0.45f, -0.15f);
    case SoundEffect::Gobble:
      // Up from 518 Hz to 700 Hz at 0.07 s and back down.
      step_phase(v.phase_a, 700.0f - 2600.0f * std::min(std::abs(t - 0.07f), 0.07f));
      return e * square(v.phase_a, 0.3f);
    case SoundEffect::FuseHiss:
      return e * 0.24f * v.noise(7500.0f, noise_state);
    case SoundEffect::Blip:
      step_phase(v.phase_a, t < 0.03f ? 880.0f : 1400.0f);
      return e * square(v.phase_a, 0.2f);
  }
  return 0.0f;
}

}  // namespace

float render_voice(Voice& voice, SoundEffect effect, std::uint32_t& noise_state) {
  const float value = value_of(voice, effect, noise_state);
  voice.t += synth_sample_seconds;
  if (voice.t >= effect_length(effect)) voice.active = false;
  return value;
}

}  // namespace korvedan
