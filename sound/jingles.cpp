// The hatch jingle, the won fanfare and the short rise.
#include "sound/jingles.hpp"

#include <array>

namespace korvedan {

namespace {
constexpr std::array<JingleNote, 5> hatch{{{60, 0.06f}, {64, 0.06f}, {67, 0.06f}, {72, 0.06f}, {76, 0.18f}}};
constexpr std::array<JingleNote, 6> fanfare{
    {{60, 0.1f}, {64, 0.1f}, {67, 0.1f}, {72, 0.22f}, {67, 0.1f}, {72, 0.48f}}};
constexpr std::array<JingleNote, 3> rise{{{72, 0.05f}, {76, 0.05f}, {79, 0.1f}}};
}  // namespace

std::span<const JingleNote> hatch_jingle() { return hatch; }
std::span<const JingleNote> won_fanfare() { return fanfare; }
std::span<const JingleNote> short_rise() { return rise; }

JinglePlace jingle_at(std::span<const JingleNote> jingle, float t) {
  float start = 0.0f;
  for (std::size_t i = 0; i + 1 < jingle.size(); ++i) {
    if (t < start + jingle[i].seconds) return {jingle[i].note, t - start};
    start += jingle[i].seconds;
  }
  return {jingle.back().note, t - start};
}

}  // namespace korvedan
