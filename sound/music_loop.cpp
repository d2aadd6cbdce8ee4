// One sample of the background loop.
#include "sound/music_loop.hpp"

#include <algorithm>
#include <cmath>

#include "base/fatal.hpp"
#include "sound/harmony.hpp"
#include "sound/oscillator.hpp"
#include "sound/timing.hpp"

namespace korvedan {

MusicLoop::MusicLoop(std::vector<LeadStep> lead) : lead_(std::move(lead)), echo_(echo_length, 0.0f) {
  if (lead_.empty()) fatal("the lead has steps");
}

float MusicLoop::next() {
  const std::span<const Bar> bars = bar_table();
  const float loop_time = loop_time_;
  const float steps_in = loop_time / step_seconds;
  const int step = std::min(static_cast<int>(steps_in), static_cast<int>(lead_.size()) - 1);
  const Bar& bar = bars[static_cast<std::size_t>(step / steps_per_bar) % bars.size()];
  const float tau = (steps_in - static_cast<float>(step)) * step_seconds;  // time into the step

  float lead = 0.0f;
  const LeadStep& now = lead_[static_cast<std::size_t>(step)];
  if (now.sounding != 0) {
    const float u = tau + static_cast<float>(now.age) * step_seconds;  // since the note was struck
    const float vibrato = u > 0.18f ? 1.0f + 0.006f * std::sin(38.0f * u) : 1.0f;
    step_phase(lead_phase_, note_frequency(now.note) * vibrato);
    lead = std::min(1.0f, u / 0.004f) * (0.55f * std::exp(-7.0f * u) + 0.45f) * pulse25(lead_phase_);
  }

  const float echo = echo_[echo_index_];
  echo_[echo_index_] = lead;
  echo_index_ = echo_index_ + 1 == echo_length ? 0 : echo_index_ + 1;

  // The bass is struck anew with every pair of steps.
  step_phase(bass_phase_, note_frequency(bass_note(bar, step)));
  const float u2 = tau + static_cast<float>(step % 2) * step_seconds;
  const float bass = square(bass_phase_, 0.7f * std::exp(-10.0f * u2) + 0.3f);

  step_phase(arpeggio_phase_, note_frequency(arpeggio_note(bar, loop_time)));
  const float u4 = tau + static_cast<float>(step % 4) * step_seconds;  // since the beat began
  const float arpeggio = (std::min(1.0f, 5.0f * u4) * 0.6f + 0.4f) * pulse12(arpeggio_phase_);

  // One noise number per sample, whether or not a drum plays.
  const float r = next_noise(noise_);
  float drums = 0.0f;
  if (kick_at(step)) {
    if (tau < synth_sample_seconds) kick_phase_ = 0.0f;
    step_phase(kick_phase_, 110.0f * std::exp(-40.0f * tau) + 45.0f);
    drums += std::sin(two_pi * kick_phase_) * std::exp(-14.0f * tau) * 1.2f;
  }
  if (snare_at(step)) drums += r * std::exp(-22.0f * tau) * 0.8f;
  if (hat_at(step)) drums += r * std::exp(-90.0f * tau) * 0.35f;

  counter_ += 1;
  loop_time_ = static_cast<float>(counter_) / synth_rate;
  if (loop_time_ >= loop_seconds) {
    counter_ = 0;
    loop_time_ = 0.0f;
  }

  const float mix = 0.21f * (lead + 0.3f * echo) + 0.18f * bass + 0.06f * arpeggio + 0.23f * drums;
  return std::clamp(mix, -1.0f, 1.0f);
}

}  // namespace korvedan
