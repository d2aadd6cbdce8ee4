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
  // Keys a player may choose for walking, grabbing or dynamite.
  KeyB, KeyC, KeyE, KeyF, KeyG, KeyH, KeyI, KeyJ, KeyK, KeyL, KeyO, KeyT, KeyU, KeyV, KeyX,
  KeyY, KeyZ, Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8,
  Digit9, F1, F2, F3, F4, F5, F6, F7, F8, F10, F11, F12, AltLeft, AltRight, Minus, Equal,
  BracketLeft, BracketRight, Backslash, Semicolon, Quote, Backquote, Comma, Period, Slash,
  Insert, Delete, Home, End, PageUp, PageDown, Numpad0, Numpad1, Numpad2, Numpad3, Numpad4,
  Numpad5, Numpad6, Numpad7, Numpad8, Numpad9,
};

// The key's name as the W3C UI Events `code` value writes it ("ArrowUp", "KeyW", "Enter").
std::string_view key_name(KeyCode key);
// The key of that name; none for a name the game does not know.
std::optional<KeyCode> key_from_name(std::string_view name);

}  // namespace korvedan
