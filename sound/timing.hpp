// The music's clock: the synthesiser's sample rate, the step grid and the loop length.
#pragma once

#include <cstdint>

namespace korvedan {

// Everything is rendered at this rate and held up to the sound card's own.
inline constexpr float synth_rate = 22050.0f;
inline constexpr float synth_sample_seconds = 1.0f / synth_rate;

// Four steps to a beat at 140 beats per minute.
inline constexpr float step_seconds = 0.10714286f;
inline constexpr int steps_per_bar = 16;
inline constexpr int bar_count = 16;
inline constexpr int loop_steps = steps_per_bar * bar_count;
// The loop wraps here: 604,800 synthesiser samples.
inline constexpr float loop_seconds = 27.428572f;

}  // namespace korvedan
