// What the player sets on the options page: window, language, volumes and keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace korvedan {

enum class Language : std::uint8_t { German, English };

inline constexpr std::uint8_t volume_steps = 10;  // a volume runs 0..10, 10 being full
inline constexpr std::size_t bound_actions = 6;   // up, right, down, left, grab, dynamite

// One player's keys by their W3C code names, in the order up, right, down, left, grab, dynamite.
using KeyNames = std::array<std::string, bound_actions>;

inline KeyNames standard_key_names(std::size_t player) {
  if (player == 0) return {"ArrowUp", "ArrowRight", "ArrowDown", "ArrowLeft", "ShiftRight", "ControlRight"};
  return {"KeyW", "KeyD", "KeyS", "KeyA", "ShiftLeft", "KeyQ"};
}

struct Settings {
  bool fullscreen = false;
  Language language = Language::German;
  std::uint8_t music_volume = volume_steps;
  std::uint8_t effects_volume = volume_steps;
  std::array<KeyNames, 2> keys{standard_key_names(0), standard_key_names(1)};

  bool operator==(const Settings&) const = default;
};

}  // namespace korvedan
