// Turning key, mouse, touch and pad events into one FrameInput per frame.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cave.hpp"
#include "game/session/input_records.hpp"
#include "game/session/key_bindings.hpp"
#include "game/session/key_code.hpp"

namespace korvedan {

// A touch shorter than this many logical pixels is a tap; from it on it is a swipe.
inline constexpr double swipe_threshold = 14.0;
// The gamepad library's first events of a run go to the controller log, no more.
inline constexpr unsigned gamepad_events_logged_max = 60;

enum class TouchPhase : std::uint8_t { Started, Moved, Ended, Cancelled };

// One gamepad as the gamepad library sees it now.
struct GamepadSnapshot {
  std::string id;  // the library's name for this pad in the log
  std::string name;
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
  bool connected = true;
  bool dpad_up = false, dpad_right = false, dpad_down = false, dpad_left = false;
  float stick_x = 0, stick_y = 0;  // the left stick, −1..1, y positive upward
  bool south = false, east = false, north = false, west = false;
  bool start = false, select = false;
  bool left_shoulder = false, right_shoulder = false;
  float left_trigger = 0, right_trigger = 0;  // 0..1
};

// Something the gamepad library told us, for the log.
struct GamepadEvent {
  std::string gamepad;  // the pad's id
  std::string what;
};

// The gamepad library as the input code needs it.
class GamepadSource {
 public:
  virtual ~GamepadSource() = default;
  // The events since the last call; afterwards gamepads() shows their effect.
  virtual std::vector<GamepadEvent> drain_events() = 0;
  // Every gamepad the library knows, in its own order: read now, valid until the next call.
  virtual const std::vector<GamepadSnapshot>& gamepads() = 0;
};

// The pad a gamepad amounts to: D-pad before stick, any face button, Start, Select, and any
// shoulder or trigger (a trigger counts from half way) as the dynamite button.
PadState pad_from_gamepad(const GamepadSnapshot& pad);

// A Pro Controller that the HID driver may be reading already.
bool looks_like_pro_controller(const GamepadSnapshot& pad);

struct Touch {
  double start_x = 0, start_y = 0;  // physical pixels
  double x = 0, y = 0;
  std::int64_t id = 0;
};

// Everything about the players' input that lives longer than one event. Events go in as they
// come; collect() makes the frame's FrameInput once per frame.
struct InputState {
  std::vector<KeyCode> held_keys;
  std::vector<KeyCode> pressed_keys;  // since the last frame, auto-repeats left out
  std::array<std::vector<Dir>, 2> dir_stack;  // held directions per player, oldest first
  std::vector<Touch> touches;
  std::string typed_text;
  unsigned backspaces = 0;
  bool clicked = false;
  bool tapped = false;
  Dir last_swipe = Dir::None;
  // One touch gesture, from its first finger down to its last up: two fingers set down together
  // and lifted where they were make a two-finger tap, which is F1's and confirms nothing.
  std::size_t gesture_fingers = 0;  // the most fingers down at once
  bool gesture_spoiled = false;     // a finger swiped away or was cancelled
  bool two_finger_tapped = false;
  bool unknown_pressed = false;  // a key the game has no name for, since the last frame
  std::array<PadState, 2> pad_previous{};
  unsigned gamepad_events_logged = 0;
  KeyBindings bindings;  // the players' keys, as the game last handed them out

  // Room for every key and finger a player might hold, so that no frame reaches for the heap.
  InputState();

  // A physical key went down or up; `text` is what it typed, if the window library says so
  // with the key event itself.
  void on_key(KeyCode key, bool pressed, bool repeat, std::string_view text = {});
  // Text the window library reports on its own (the keys that produced it come separately).
  void on_text(std::string_view text);
  // Only a press of the left button counts: it confirms.
  void on_left_click();
  // `scale_factor` is physical pixels per logical pixel of the window.
  void on_touch(std::int64_t id, TouchPhase phase, double x, double y, double scale_factor);
  // Keys released behind our back are forgotten; this frame's presses still count.
  void on_focus_lost();

  // The frame's input, with the text typed for the name entry and the pad counts.
  // `pro_pads` is this frame's copy of the Pro Controller list; `gamepads` is null when the
  // gamepad library did not start; `log` writes one controller-log line.
  FrameInput collect(double scale_factor, const std::vector<PadState>& pro_pads, GamepadSource* gamepads,
                     const std::function<void(std::string_view)>& log);

 private:
  void take_name_text(FrameInput& input);
  void keyboard_snapshot(FrameInput& input) const;
  void touch_snapshot(FrameInput& input, double scale_factor);
  void frame_pads(FrameInput& input, const std::vector<PadState>& pro_pads, GamepadSource* gamepads,
                  const std::function<void(std::string_view)>& log);
  void merge_pads(FrameInput& input);

  std::vector<PadState> pads_;  // this frame's pads, the storage kept from frame to frame
};

}  // namespace korvedan
