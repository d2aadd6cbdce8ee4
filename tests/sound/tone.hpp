// Test helper: where a rendered buffer's spectrum peaks (Goertzel over a range of frequencies).
#pragma once

#include <cmath>
#include <numbers>
#include <span>

namespace korvedan::testing {

// The frequency in [lo, hi], in steps of 1 Hz, with the most energy in the samples.
inline double peak_frequency(std::span<const float> samples, double rate, double lo, double hi) {
  double mean = 0;
  for (float s : samples) mean += s;
  mean /= static_cast<double>(samples.size());
  double best_frequency = lo;
  double best_power = -1;
  for (double f = lo; f <= hi; f += 1.0) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * f / rate);
    double s1 = 0, s2 = 0;
    for (float x : samples) {
      const double s0 = (x - mean) + coefficient * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    if (power > best_power) {
      best_power = power;
      best_frequency = f;
    }
  }
  return best_frequency;
}

}  // namespace korvedan::testing
