// Keys, touches and pads on their way to the session: held and pressed keys, the direction
// stacks, name typing, taps and swipes, and the pads' press edges.
#include "game/session/input.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace korvedan {

namespace {

struct DirectionKey {
  std::size_t player;
  Dir dir;
};

// Player 1's keys are searched before player 2's, each in the order up, right, down, left.
std::optional<DirectionKey> direction_of(const KeyBindings& bindings, KeyCode key) {
  constexpr std::array<Dir, 4> dirs{Dir::Up, Dir::Right, Dir::Down, Dir::Left};
  for (std::size_t p = 0; p < 2; ++p) {
    for (std::size_t d = 0; d < dirs.size(); ++d) {
      if (bindings.keys[p][d] == key) return DirectionKey{p, dirs[d]};
    }
  }
  return std::nullopt;
}

template <class T>
void erase_value(std::vector<T>& list, T value) {
  list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

template <class T>
bool contains(const std::vector<T>& list, T value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

double distance(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

}  // namespace

PadState pad_from_gamepad(const GamepadSnapshot& pad) {
  PadState state;
  if (pad.dpad_up) {
    state.dir = Dir::Up;
  } else if (pad.dpad_right) {
    state.dir = Dir::Right;
  } else if (pad.dpad_down) {
    state.dir = Dir::Down;
  } else if (pad.dpad_left) {
    state.dir = Dir::Left;
  } else {
    const float ax = std::fabs(pad.stick_x), ay = std::fabs(pad.stick_y);
    if (std::max(ax, ay) < 0.5f) {
      state.dir = Dir::None;
    } else if (ax > ay) {
      state.dir = pad.stick_x > 0 ? Dir::Right : Dir::Left;
    } else {
      state.dir = pad.stick_y > 0 ? Dir::Up : Dir::Down;
    }
  }
  state.face = pad.south || pad.east || pad.north || pad.west;
  state.start = pad.start;
  state.select = pad.select;
  state.drop = pad.left_shoulder || pad.right_shoulder || pad.left_trigger > 0.5f || pad.right_trigger > 0.5f;
  return state;
}

bool looks_like_pro_controller(const GamepadSnapshot& pad) {
  return (pad.vendor == 0x057E && pad.product == 0x2009) || pad.name.find("Pro Controller") != std::string::npos;
}

InputState::InputState() {
  held_keys.reserve(32);
  pressed_keys.reserve(32);
  for (std::vector<Dir>& stack : dir_stack) stack.reserve(4);
  touches.reserve(10);
  typed_text.reserve(64);
  pads_.reserve(8);
}

void InputState::on_key(KeyCode key, bool pressed, bool repeat, std::string_view text) {
  if (pressed) {
    typed_text += text;  // auto-repeats type again
    if (key == KeyCode::Backspace) ++backspaces;
  }
  if (repeat) return;
  if (key == KeyCode::Unidentified) {
    unknown_pressed = unknown_pressed || pressed;  // it still ends a watched run
    return;
  }
  erase_value(held_keys, key);
  if (pressed) {
    held_keys.push_back(key);
    pressed_keys.push_back(key);
  }
  if (const std::optional<DirectionKey> entry = direction_of(bindings, key)) {
    std::vector<Dir>& stack = dir_stack[entry->player];
    erase_value(stack, entry->dir);
    if (pressed) stack.push_back(entry->dir);
  }
}

void InputState::on_text(std::string_view text) { typed_text += text; }

void InputState::on_left_click() { clicked = true; }

void InputState::on_touch(std::int64_t id, TouchPhase phase, double x, double y, double scale_factor) {
  if (phase == TouchPhase::Started) {
    if (touches.empty()) {
      gesture_fingers = 0;
      gesture_spoiled = false;
    }
    touches.push_back(Touch{x, y, x, y, id});
    gesture_fingers = std::max(gesture_fingers, touches.size());
    return;
  }
  const auto found = std::find_if(touches.begin(), touches.end(), [id](const Touch& t) { return t.id == id; });
  if (found == touches.end()) return;
  switch (phase) {
    case TouchPhase::Moved:
      found->x = x;
      found->y = y;
      break;
    case TouchPhase::Ended: {
      // Where the finger is let go decides: a swipe brought back inside the threshold still taps.
      const bool still = distance(found->x - found->start_x, found->y - found->start_y) < swipe_threshold * scale_factor;
      gesture_spoiled = gesture_spoiled || !still;
      touches.erase(found);
      if (!touches.empty()) break;
      if (gesture_fingers >= 2) {
        two_finger_tapped = two_finger_tapped || !gesture_spoiled;
      } else {
        tapped = tapped || still;
      }
      break;
    }
    case TouchPhase::Cancelled:
      gesture_spoiled = true;
      touches.erase(found);
      break;
    case TouchPhase::Started:
      break;
  }
}

void InputState::on_focus_lost() {
  held_keys.clear();
  dir_stack[0].clear();
  dir_stack[1].clear();
  touches.clear();
  gesture_spoiled = true;
}

FrameInput InputState::collect(double scale_factor, const std::vector<PadState>& pro_pads, GamepadSource* gamepads,
                               const std::function<void(std::string_view)>& log) {
  FrameInput input;
  take_name_text(input);
  keyboard_snapshot(input);
  touch_snapshot(input, scale_factor);
  pressed_keys.clear();
  clicked = false;
  tapped = false;
  two_finger_tapped = false;
  unknown_pressed = false;
  frame_pads(input, pro_pads, gamepads, log);
  merge_pads(input);
  return input;
}

// The session takes the text only while a name is typed; no name keeps more than
// name_length characters, so later ones cannot matter.
void InputState::take_name_text(FrameInput& input) {
  input.backspaces = std::exchange(backspaces, 0u);
  for (char c : typed_text) {
    const char kept = name_character(c);
    if (kept == 0 || input.typed_count == input.typed.size()) continue;
    input.typed[input.typed_count++] = kept;
  }
  typed_text.clear();  // keeps its storage
}

void InputState::keyboard_snapshot(FrameInput& input) const {
  const auto pressed = [this](KeyCode key) { return contains(pressed_keys, key); };
  // Alt+Enter is the window's: it neither confirms nor throws dynamite.
  const bool alt = contains(held_keys, KeyCode::AltLeft) || contains(held_keys, KeyCode::AltRight);
  const bool enter = !alt && (pressed(KeyCode::Enter) || pressed(KeyCode::NumpadEnter));
  input.fullscreen_key = pressed(KeyCode::F11) || (alt && (pressed(KeyCode::Enter) || pressed(KeyCode::NumpadEnter)));
  input.help_key = pressed(KeyCode::F1);
  for (const KeyCode key : pressed_keys) {
    if (key != KeyCode::Unidentified) {
      input.first_key = key;
      break;
    }
  }
  input.grab_held[0] = contains(held_keys, bindings.key(0, Action::Grab));
  input.grab_held[1] = contains(held_keys, bindings.key(1, Action::Grab));
  input.fire_pressed[0] = pressed(KeyCode::Space) || enter || pressed(bindings.key(0, Action::Dynamite));
  // Left Ctrl is player 2's second dynamite key while no one has taken it for something else.
  input.fire_pressed[1] = pressed(bindings.key(1, Action::Dynamite)) ||
                          (pressed(KeyCode::ControlLeft) && !bindings.binds(KeyCode::ControlLeft));
  input.confirm = pressed(KeyCode::Space) || enter || clicked || tapped;
  input.restart = pressed(KeyCode::KeyR);
  input.back = pressed(KeyCode::Escape);
  input.pause = pressed(KeyCode::KeyP);
  input.music = pressed(KeyCode::KeyM);
  input.players_key = pressed(KeyCode::Tab);
  input.name_key = pressed(KeyCode::KeyN);
  input.open_all_key = pressed(KeyCode::F9);
  input.watch_key = pressed(KeyCode::KeyV);
  input.show_key = pressed(KeyCode::KeyH);
  input.space_key = pressed(KeyCode::Space);
  input.right_key = pressed(KeyCode::ArrowRight);
  input.other_key = clicked || tapped || unknown_pressed ||
                    std::any_of(pressed_keys.begin(), pressed_keys.end(), [](KeyCode key) {
                      return key != KeyCode::Space && key != KeyCode::ArrowRight;
                    });
  for (std::size_t p = 0; p < 2; ++p) {
    input.held_dir[p] = dir_stack[p].empty() ? Dir::None : dir_stack[p].back();
    for (auto key = pressed_keys.rbegin(); key != pressed_keys.rend(); ++key) {
      const std::optional<DirectionKey> entry = direction_of(bindings, *key);
      if (entry && entry->player == p) {
        input.pressed_dir[p] = entry->dir;
        break;
      }
    }
  }
}

void InputState::touch_snapshot(FrameInput& input, double scale_factor) {
  input.help_key = input.help_key || two_finger_tapped;
  input.other_key = input.other_key || two_finger_tapped;
  Dir swipe = Dir::None;
  if (!touches.empty()) {
    const Touch& first = touches.front();
    const double dx = first.x - first.start_x, dy = first.y - first.start_y;
    if (distance(dx, dy) >= swipe_threshold * scale_factor) {
      if (std::fabs(dx) > std::fabs(dy)) {
        swipe = dx > 0 ? Dir::Right : Dir::Left;
      } else {
        swipe = dy > 0 ? Dir::Down : Dir::Up;  // ties go vertical; screen y grows downward
      }
      input.held_dir[0] = swipe;
      if (swipe != last_swipe) input.pressed_dir[0] = swipe;
    }
    if (touches.size() >= 2) input.grab_held[0] = true;
  }
  last_swipe = swipe;
}

void InputState::frame_pads(FrameInput& input, const std::vector<PadState>& pro_pads, GamepadSource* gamepads,
                            const std::function<void(std::string_view)>& log) {
  std::vector<PadState>& pads = pads_;
  pads.assign(pro_pads.begin(), pro_pads.end());
  if (gamepads != nullptr) {
    for (const GamepadEvent& event : gamepads->drain_events()) {
      if (gamepad_events_logged >= gamepad_events_logged_max) continue;
      ++gamepad_events_logged;
      if (log) log("gamepad event from " + event.gamepad + ": " + event.what);
    }
    std::size_t taken = 0;
    for (const GamepadSnapshot& pad : gamepads->gamepads()) {
      if (taken == 2) break;
      if (!pad.connected) continue;
      // The HID driver reads this one already; it must not steer twice.
      if (!pro_pads.empty() && looks_like_pro_controller(pad)) continue;
      pads.push_back(pad_from_gamepad(pad));
      ++taken;
    }
  }
  input.pads_in_use = static_cast<std::uint8_t>(std::min<std::size_t>(pads.size(), 2));
  input.pro_pads_in_use = static_cast<std::uint8_t>(std::min<std::size_t>(input.pads_in_use, pro_pads.size()));
}

void InputState::merge_pads(FrameInput& input) {
  const std::vector<PadState>& pads = pads_;
  for (std::size_t i = 0; i < 2; ++i) {
    const PadState now = i < pads.size() ? pads[i] : idle_pad;
    const PadState before = pad_previous[i];
    if (now.dir != Dir::None) {
      input.held_dir[i] = now.dir;  // a pad's direction overrides the keys
      if (now.dir != before.dir) input.pressed_dir[i] = now.dir;
    }
    input.grab_held[i] = input.grab_held[i] || now.face;
    input.fire_pressed[i] = input.fire_pressed[i] || (now.drop && !before.drop);
    input.confirm = input.confirm || (now.face && !before.face) || (now.start && !before.start);
    input.pause = input.pause || (now.start && !before.start);
    input.back = input.back || (now.select && !before.select);
    input.pad_back_pressed = input.pad_back_pressed || (now.select && !before.select);
    input.pad_back_held = input.pad_back_held || now.select;
    pad_previous[i] = now;
  }
}

}  // namespace korvedan
