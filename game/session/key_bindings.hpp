// Which key each player walks, grabs and throws dynamite with, and which keys stay fixed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/settings.hpp"
#include "game/session/key_code.hpp"

namespace korvedan {

enum class Action : std::uint8_t { Up, Right, Down, Left, Grab, Dynamite };

struct KeyBindings {
  // keys[player][action]
  std::array<std::array<KeyCode, bound_actions>, 2> keys{{
      {KeyCode::ArrowUp, KeyCode::ArrowRight, KeyCode::ArrowDown, KeyCode::ArrowLeft, KeyCode::ShiftRight,
       KeyCode::ControlRight},
      {KeyCode::KeyW, KeyCode::KeyD, KeyCode::KeyS, KeyCode::KeyA, KeyCode::ShiftLeft, KeyCode::KeyQ},
  }};

  KeyCode key(std::size_t player, Action action) const { return keys[player][static_cast<std::size_t>(action)]; }
  bool binds(KeyCode key) const;

  bool operator==(const KeyBindings&) const = default;
};

// Keys with a job of their own (menus, confirming, typing, the window), never a player's.
bool is_fixed_key(KeyCode key);

// The bindings the settings name. A set that names an unknown or fixed key, or one key twice,
// is not one the options page could have made: the standard keys serve instead.
KeyBindings bindings_from(const Settings& settings);

// Why a key cannot be given to a player's action, if it cannot.
enum class KeyRefusal : std::uint8_t { Fixed, Taken };
std::optional<KeyRefusal> refusal_for(const KeyBindings& bindings, std::size_t player, Action action, KeyCode key);

// The key as the options page shows it: "K" for KeyK, "1" for Digit1, else its name in capitals.
std::string_view shown_key_name(KeyCode key, std::array<char, 16>& room);

}  // namespace korvedan
