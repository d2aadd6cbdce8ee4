// Reading the players' keys from the settings and deciding which new key an action may take.
#include "game/session/key_bindings.hpp"

#include <algorithm>

namespace korvedan {

namespace {

// Keys with a job of their own on some screen (V watches a run from the title, H shows how a lost
// cave is won) cannot be taken for walking, grabbing or dynamite.
constexpr std::array fixed_keys{
    KeyCode::KeyV,         KeyCode::KeyH,
    KeyCode::Unidentified, KeyCode::Escape, KeyCode::KeyP,  KeyCode::KeyR,        KeyCode::KeyM,
    KeyCode::KeyN,         KeyCode::Tab,    KeyCode::F1,    KeyCode::F9,          KeyCode::F11,
    KeyCode::Space,        KeyCode::Enter,  KeyCode::NumpadEnter, KeyCode::Backspace, KeyCode::AltLeft,
    KeyCode::AltRight,
};

}  // namespace

bool KeyBindings::binds(KeyCode key) const {
  return std::any_of(keys.begin(), keys.end(),
                     [key](const auto& set) { return std::find(set.begin(), set.end(), key) != set.end(); });
}

bool is_fixed_key(KeyCode key) { return std::find(fixed_keys.begin(), fixed_keys.end(), key) != fixed_keys.end(); }

KeyBindings bindings_from(const Settings& settings) {
  KeyBindings bindings;
  std::array<KeyCode, 2 * bound_actions> seen{};
  std::size_t count = 0;
  for (std::size_t p = 0; p < 2; ++p) {
    for (std::size_t a = 0; a < bound_actions; ++a) {
      const std::optional<KeyCode> key = key_from_name(settings.keys[p][a]);
      if (!key || is_fixed_key(*key) || std::find(seen.begin(), seen.begin() + count, *key) != seen.begin() + count) {
        return KeyBindings{};
      }
      seen[count++] = *key;
      bindings.keys[p][a] = *key;
    }
  }
  return bindings;
}

std::optional<KeyRefusal> refusal_for(const KeyBindings& bindings, std::size_t player, Action action, KeyCode key) {
  if (is_fixed_key(key)) return KeyRefusal::Fixed;
  if (bindings.key(player, action) == key) return std::nullopt;  // the same key again is no change
  if (bindings.binds(key)) return KeyRefusal::Taken;
  return std::nullopt;
}

std::string_view shown_key_name(KeyCode key, std::array<char, 16>& room) {
  std::string_view name = key_name(key);
  for (const std::string_view prefix : {"Key", "Digit"}) {
    if (name.size() == prefix.size() + 1 && name.starts_with(prefix)) name.remove_prefix(prefix.size());
  }
  const std::size_t n = std::min(name.size(), room.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char c = name[i];
    room[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return {room.data(), n};
}

}  // namespace korvedan
