// The names of the keys the game listens to.
#include "game/session/key_code.hpp"

#include <array>
#include <utility>

namespace korvedan {

namespace {

constexpr std::array<std::pair<KeyCode, std::string_view>, 27> names{{
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
    {KeyCode::KeyV, "KeyV"},
    {KeyCode::KeyH, "KeyH"},
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
