// The names of the keys the game listens to.
#include "game/session/key_code.hpp"

#include <array>
#include <utility>

namespace korvedan {

namespace {

constexpr std::array<std::pair<KeyCode, std::string_view>, 92> names{{
    {KeyCode::Unidentified, "Unidentified"},
    {KeyCode::ArrowUp, "ArrowUp"},
    {KeyCode::ArrowRight, "ArrowRight"},
    {KeyCode::ArrowDown, "ArrowDown"},
    {KeyCode::ArrowLeft, "ArrowLeft"},
    {KeyCode::KeyW, "KeyW"},
    {KeyCode::KeyD, "KeyD"},
    {KeyCode::KeyS, "KeyS"},
    {KeyCode::KeyA, "KeyA"},
    {KeyCode::ShiftRight, "ShiftRight"},
    {KeyCode::ShiftLeft, "ShiftLeft"},
    {KeyCode::Space, "Space"},
    {KeyCode::Enter, "Enter"},
    {KeyCode::NumpadEnter, "NumpadEnter"},
    {KeyCode::ControlRight, "ControlRight"},
    {KeyCode::KeyQ, "KeyQ"},
    {KeyCode::ControlLeft, "ControlLeft"},
    {KeyCode::KeyR, "KeyR"},
    {KeyCode::Escape, "Escape"},
    {KeyCode::KeyP, "KeyP"},
    {KeyCode::KeyM, "KeyM"},
    {KeyCode::Tab, "Tab"},
    {KeyCode::KeyN, "KeyN"},
    {KeyCode::F9, "F9"},
    {KeyCode::Backspace, "Backspace"},
    {KeyCode::KeyB, "KeyB"},
    {KeyCode::KeyC, "KeyC"},
    {KeyCode::KeyE, "KeyE"},
    {KeyCode::KeyF, "KeyF"},
    {KeyCode::KeyG, "KeyG"},
    {KeyCode::KeyH, "KeyH"},
    {KeyCode::KeyI, "KeyI"},
    {KeyCode::KeyJ, "KeyJ"},
    {KeyCode::KeyK, "KeyK"},
    {KeyCode::KeyL, "KeyL"},
    {KeyCode::KeyO, "KeyO"},
    {KeyCode::KeyT, "KeyT"},
    {KeyCode::KeyU, "KeyU"},
    {KeyCode::KeyV, "KeyV"},
    {KeyCode::KeyX, "KeyX"},
    {KeyCode::KeyY, "KeyY"},
    {KeyCode::KeyZ, "KeyZ"},
    {KeyCode::Digit0, "Digit0"},
    {KeyCode::Digit1, "Digit1"},
    {KeyCode::Digit2, "Digit2"},
    {KeyCode::Digit3, "Digit3"},
    {KeyCode::Digit4, "Digit4"},
    {KeyCode::Digit5, "Digit5"},
    {KeyCode::Digit6, "Digit6"},
    {KeyCode::Digit7, "Digit7"},
    {KeyCode::Digit8, "Digit8"},
    {KeyCode::Digit9, "Digit9"},
    {KeyCode::F1, "F1"},
    {KeyCode::F2, "F2"},
    {KeyCode::F3, "F3"},
    {KeyCode::F4, "F4"},
    {KeyCode::F5, "F5"},
    {KeyCode::F6, "F6"},
    {KeyCode::F7, "F7"},
    {KeyCode::F8, "F8"},
    {KeyCode::F10, "F10"},
    {KeyCode::F11, "F11"},
    {KeyCode::F12, "F12"},
    {KeyCode::AltLeft, "AltLeft"},
    {KeyCode::AltRight, "AltRight"},
    {KeyCode::Minus, "Minus"},
    {KeyCode::Equal, "Equal"},
    {KeyCode::BracketLeft, "BracketLeft"},
    {KeyCode::BracketRight, "BracketRight"},
    {KeyCode::Backslash, "Backslash"},
    {KeyCode::Semicolon, "Semicolon"},
    {KeyCode::Quote, "Quote"},
    {KeyCode::Backquote, "Backquote"},
    {KeyCode::Comma, "Comma"},
    {KeyCode::Period, "Period"},
    {KeyCode::Slash, "Slash"},
    {KeyCode::Insert, "Insert"},
    {KeyCode::Delete, "Delete"},
    {KeyCode::Home, "Home"},
    {KeyCode::End, "End"},
    {KeyCode::PageUp, "PageUp"},
    {KeyCode::PageDown, "PageDown"},
    {KeyCode::Numpad0, "Numpad0"},
    {KeyCode::Numpad1, "Numpad1"},
    {KeyCode::Numpad2, "Numpad2"},
    {KeyCode::Numpad3, "Numpad3"},
    {KeyCode::Numpad4, "Numpad4"},
    {KeyCode::Numpad5, "Numpad5"},
    {KeyCode::Numpad6, "Numpad6"},
    {KeyCode::Numpad7, "Numpad7"},
    {KeyCode::Numpad8, "Numpad8"},
    {KeyCode::Numpad9, "Numpad9"},
}};

}  // namespace

std::string_view key_name(KeyCode key) {
  for (const auto& [code, name] : names) {
    if (code == key) return name;
  }
  return "Unidentified";
}

std::optional<KeyCode> key_from_name(std::string_view name) {
  for (const auto& [code, known] : names) {
    if (known == name) return code;
  }
  return std::nullopt;
}

}  // namespace korvedan
