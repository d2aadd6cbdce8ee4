// A cave's idea: one line saying what it is about, and the mechanics the cave rests on.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace korvedan {

// The mechanics a cave's idea can rest on, one bit each.
enum class Mechanic : std::uint8_t {
  Keys,
  Doors,
  Shifters,
  TimedShifters,
  Dynamite,
  Bombs,
  CreaturesCrushed,
  NutsCracked,
  MossSet,
  Ooze,
  Acid,
  Lamps,
  Wheel,
  Switch,
  GemWalls,
};
inline constexpr std::size_t mechanic_count = 15;

// A set of mechanics; written in the level table as `uses(Mechanic::Keys, Mechanic::Doors)`.
struct Mechanics {
  std::uint32_t bits = 0;
  constexpr bool has(Mechanic m) const { return (bits >> static_cast<unsigned>(m) & 1u) != 0; }
  constexpr bool empty() const { return bits == 0; }
  bool operator==(const Mechanics&) const = default;
};

template <typename... M>
constexpr Mechanics uses(M... mechanics) {
  return Mechanics{(0u | ... | (1u << static_cast<unsigned>(mechanics)))};
}

// The word a tool prints for each mechanic, in declaration order.
inline constexpr std::array<std::string_view, mechanic_count> mechanic_names = {
    "keys",  "doors", "shifters", "timed shifters", "dynamite", "bombs", "creatures crushed", "nuts cracked",
    "moss set", "ooze", "acid", "lamps", "wheel", "switch", "gem-walls",
};

struct CaveIdea {
  std::string_view line;  // "the key lies in the mite gallery; the red door closes the hatch room"
  Mechanics mechanics;
};

}  // namespace korvedan
