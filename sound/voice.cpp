// How each of the eighteen effects sounds: its shape of the moment on its oscillator and noise.
#include "sound/voice.hpp"

#include "sound/oscillator.hpp"

namespace korvedan {

float Voice::noise(float step, std::uint32_t& noise_state) {
  noise_countdown -= step;
  if (noise_countdown <= 0.0f) {
    noise_countdown += 1.0f;
    noise_value = next_noise(noise_state);
  }
  return noise_value;
}

namespace {

// The products are written in the order the sounds were designed, left to right, because
// 32-bit results depend on it; a, b and c are the shape's parts as voice_shapes.cpp fills them.
float value_of(Voice& v, SoundEffect effect, const ShapeFrame& s, std::uint32_t& noise_state) {
  switch (effect) {
    case SoundEffect::Dig:  // a = e^(−40t)
      return v.noise(s.noise_step, noise_state) * s.a * 0.5f;
    case SoundEffect::Chime:  // a = e^(−9t)
      advance_phase(v.phase_a, s.step);
      return pulse25(v.phase_a) * s.a * 0.42f;
    case SoundEffect::Push:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * (0.25f * v.noise(s.noise_step, noise_state) + square(v.phase_a, 0.3f));
    case SoundEffect::Thud:  // a = 0.6 e^(−16t), b = e^(−38t)
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, 1.0f) + 0.6f * v.noise(s.noise_step, noise_state) * s.b;
    case SoundEffect::Boom:  // a = √E, b = e^(−3.2t), c = 0.42 e^(−5t); the rumble is on phase B
      advance_phase(v.phase_b, s.step);
      return s.a * (0.82f * v.noise(s.noise_step, noise_state) * s.b + s.c * square(v.phase_b, 1.0f));
    case SoundEffect::HatchJingle:  // a = √E, b = e^(−6 t_n)
      advance_phase(v.phase_a, s.step);
      return s.a * pulse25(v.phase_a) * s.b * 0.42f;
    case SoundEffect::WonFanfare:  // a = √E × 0.4, b = 0.6 + 0.4 e^(−8 t_n)
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, s.b);
    case SoundEffect::LostWail:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, 0.42f);
    case SoundEffect::FallWhistle:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * two_level(v.phase_a, 0.25f, 0.39f, -0.13f);
    case SoundEffect::StepTick:  // a = 1 inside the two clicks, 0 between them
      if (s.a == 0.0f) return 0.0f;
      advance_phase(v.phase_a, s.step);
      return two_level(v.phase_a, 0.125f, 0.2625f, -0.0375f);
    case SoundEffect::WispWarble:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, 0.13f);
    case SoundEffect::Crack:  // a = e^(−55t), b = e^(−45t)
      advance_phase(v.phase_a, s.step);
      return 0.5f * v.noise(s.noise_step, noise_state) * s.a + 0.25f * pulse25(v.phase_a) * s.b;
    case SoundEffect::PickupRise:  // a = √E, b = e^(−10 t_n)
      advance_phase(v.phase_a, s.step);
      return s.a * pulse12(v.phase_a) * s.b * 0.36f;
    case SoundEffect::DoorBuzz:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * (0.2f * v.noise(s.noise_step, noise_state) + square(v.phase_a, 0.36f));
    case SoundEffect::SweepUp:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * two_level(v.phase_a, 0.25f, 0.45f, -0.15f);
    case SoundEffect::Gobble:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, 0.3f);
    case SoundEffect::FuseHiss:  // a = E × 0.24
      return s.a * v.noise(s.noise_step, noise_state);
    case SoundEffect::Blip:  // a = E
      advance_phase(v.phase_a, s.step);
      return s.a * square(v.phase_a, 0.2f);
  }
  return 0.0f;
}

}  // namespace

float render_voice(Voice& voice, SoundEffect effect, std::span<const ShapeFrame> shape,
                   std::uint32_t& noise_state) {
  // The shape has a frame for every sample before the clock reaches the length.
  if (voice.sample >= shape.size()) {
    voice.active = false;
    return 0.0f;
  }
  const float value = value_of(voice, effect, shape[voice.sample], noise_state);
  voice.sample += 1;
  voice.t += synth_sample_seconds;
  if (voice.t >= effect_length(effect)) voice.active = false;
  return value;
}

VoiceBank::VoiceBank() {
  for (std::size_t i = 0; i < shapes_.size(); ++i) shapes_[i] = voice_shape(static_cast<SoundEffect>(i));
}

float VoiceBank::next() {
  float sum = 0.0f;
  for (std::size_t i = 0; i < voices_.size(); ++i) {
    if (voices_[i].active) sum += render_voice(voices_[i], static_cast<SoundEffect>(i), shapes_[i], noise_);
  }
  return sum;
}

}  // namespace korvedan
