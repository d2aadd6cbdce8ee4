// The time-dependent parts of the eighteen effects: pitches, envelopes and decays.
#include "sound/voice_shapes.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "sound/jingles.hpp"
#include "sound/notes.hpp"
#include "sound/timing.hpp"

namespace korvedan {

namespace {

float step_for(float frequency) { return frequency / synth_rate; }

ShapeFrame shape_at(SoundEffect effect, float t) {
  // The linear envelope, and its square root for the softer tails.
  const float e = std::max(0.0f, 1.0f - t / effect_length(effect));
  switch (effect) {
    case SoundEffect::Dig:
      return {0.0f, step_for(2600.0f), std::exp(-40.0f * t)};
    case SoundEffect::Chime:
      // E6 then B6, given as phase steps.
      return {t < 0.05f ? 0.05979638f : 0.08959335f, 0.0f, std::exp(-9.0f * t)};
    case SoundEffect::Push:
      return {step_for(64.0f + 18.0f * std::sin(70.0f * t)), step_for(900.0f), e};
    case SoundEffect::Thud:
      return {step_for(70.0f + 150.0f * std::exp(-30.0f * t)), step_for(1400.0f), 0.6f * std::exp(-16.0f * t),
              std::exp(-38.0f * t)};
    case SoundEffect::Boom:
      // The rumble's pitch (phase B) and the noise rate both fall.
      return {step_for(45.0f + 110.0f * std::exp(-9.0f * t)), step_for(450.0f + 9000.0f * std::exp(-4.0f * t)),
              std::sqrt(e), std::exp(-3.2f * t), 0.42f * std::exp(-5.0f * t)};
    case SoundEffect::HatchJingle: {
      const JinglePlace at = jingle_at(hatch_jingle(), t);
      return {step_for(note_frequency(at.note)), 0.0f, std::sqrt(e), std::exp(-6.0f * at.since_note)};
    }
    case SoundEffect::WonFanfare: {
      const JinglePlace at = jingle_at(won_fanfare(), t);
      return {step_for(note_frequency(at.note) * (1.0f + 0.006f * std::sin(40.0f * at.since_note))), 0.0f,
              std::sqrt(e) * 0.4f, 0.6f + 0.4f * std::exp(-8.0f * at.since_note)};
    }
    case SoundEffect::LostWail:
      return {step_for(430.0f * std::exp(-2.5f * t) * (1.0f + 0.03f * std::sin(45.0f * t))), 0.0f, e};
    case SoundEffect::FallWhistle:
      return {step_for(640.0f - 3400.0f * t), 0.0f, e};
    case SoundEffect::StepTick: {
      // Two short clicks; the oscillator rests between them.
      const bool clicking = t < 0.015f || (t >= 0.04f && t < 0.055f);
      return {clicking ? step_for(1800.0f) : 0.0f, 0.0f, clicking ? 1.0f : 0.0f};
    }
    case SoundEffect::WispWarble:
      return {step_for(900.0f + 260.0f * std::sin(90.0f * t)), 0.0f, e};
    case SoundEffect::Crack:
      return {step_for(760.0f), step_for(4200.0f), std::exp(-55.0f * t), std::exp(-45.0f * t)};
    case SoundEffect::PickupRise: {
      const JinglePlace at = jingle_at(short_rise(), t);
      return {step_for(note_frequency(at.note)), 0.0f, std::sqrt(e), std::exp(-10.0f * at.since_note)};
    }
    case SoundEffect::DoorBuzz:
      return {step_for(t < 0.08f ? 190.0f : 120.0f), step_for(1100.0f), e};
    case SoundEffect::SweepUp:
      return {step_for((420.0f + 4400.0f * t) * (1.0f + 0.06f * std::sin(70.0f * t))), 0.0f, e};
    case SoundEffect::Gobble:
      // Up from 518 Hz to 700 Hz at 0.07 s and back down.
      return {step_for(700.0f - 2600.0f * std::min(std::abs(t - 0.07f), 0.07f)), 0.0f, e};
    case SoundEffect::FuseHiss:
      return {0.0f, step_for(7500.0f), e * 0.24f};
    case SoundEffect::Blip:
      return {step_for(t < 0.03f ? 880.0f : 1400.0f), 0.0f, e};
  }
  return {};
}

using AllShapes = std::array<std::vector<ShapeFrame>, sound_effect_count>;

AllShapes build_shapes() {
  AllShapes shapes;
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    const auto effect = static_cast<SoundEffect>(i);
    // The voice's own clock: it sounds while t is below the length.
    for (float t = 0.0f; t < effect_length(effect); t += synth_sample_seconds) {
      shapes[i].push_back(shape_at(effect, t));
    }
  }
  return shapes;
}

}  // namespace

std::span<const ShapeFrame> voice_shape(SoundEffect effect) {
  static const AllShapes shapes = build_shapes();
  return shapes[effect_index(effect)];
}

}  // namespace korvedan
