// What each effect's voice does that depends on its time alone, worked out once per program run.
#pragma once

#include <span>

#include "sound/sound_effect.hpp"

namespace korvedan {

// One synthesiser sample of an effect. Every trigger runs through the same times (t steps by
// the same 32-bit 1/22,050 from 0), so these values are the same every time the effect plays;
// the meaning of a, b and c is each effect's own (see voice.cpp).
struct ShapeFrame {
  float step = 0.0f;        // oscillator phase increment
  float noise_step = 0.0f;  // noise countdown decrement: noise rate / 22,050
  float a = 0.0f;
  float b = 0.0f;
  float c = 0.0f;
};

// The effect's frames, one for each sample while its voice sounds. The first call builds all
// of them (about 2 MB); the synthesiser makes it at set-up, never on the audio thread.
std::span<const ShapeFrame> voice_shape(SoundEffect effect);

}  // namespace korvedan
