// The background loop: lead with echo, bass, arpeggio and drums, one sample at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/tune.hpp"

namespace korvedan {

class MusicLoop {
 public:
  static constexpr std::size_t echo_length = 7087;  // about 0.32 s
  static constexpr std::uint64_t samples_per_loop = 604800;

  // Allocates the lead and the echo line once; rendering allocates nothing.
  explicit MusicLoop(std::vector<LeadStep> lead);

  // The next sample of the loop, clamped to [−1, 1], before gain and ducking.
  float next();

  std::uint64_t position() const { return counter_; }
  const std::vector<LeadStep>& lead() const { return lead_; }

 private:
  std::vector<LeadStep> lead_;
  std::vector<float> echo_;
  std::size_t echo_index_ = 0;
  std::uint64_t counter_ = 0;  // synthesiser samples into the loop
  float loop_time_ = 0.0f;     // counter_ / 22,050, kept from the wrap test for the next sample
  float lead_phase_ = 0.0f;
  float bass_phase_ = 0.0f;
  float arpeggio_phase_ = 0.0f;
  float kick_phase_ = 0.0f;
  std::uint32_t noise_ = 0x12345678u;
};

}  // namespace korvedan
