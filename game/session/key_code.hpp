// The physical keys the game listens to, named by their position on a US keyboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvedan {

// A key by where it sits, whatever the layout prints on it: KeyW is the key in the W position.
// Keys the game has no use for are Unidentified.
enum class KeyCode : std::uint8_t {
  Unidentified,
  ArrowUp, ArrowRight, ArrowDown, ArrowLeft,
  KeyW, KeyD, KeyS, KeyA,
  ShiftRight, ShiftLeft,
  Space, Enter, NumpadEnter, ControlRight,
  KeyQ, ControlLeft,
  KeyR, Escape, KeyP, KeyM, Tab, KeyN, F9,
  Backspace,
  KeyV, KeyH,
};

// The key's name as the W3C UI Events `code` value writes it ("ArrowUp", "KeyW", "Enter").
std::string_view key_name(KeyCode key);
// The key of that name; none for a name the game does not know.
std::optional<KeyCode> key_from_name(std::string_view name);

}  // namespace korvedan
