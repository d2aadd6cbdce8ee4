// The records that carry input between pads, the keyboard code and the session.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "core/cave.hpp"
#include "core/progress.hpp"
#include "game/session/key_code.hpp"

namespace korvedan {

// One game pad, whoever read it (the gamepad library or the Pro Controller driver).
struct PadState {
  Dir dir = Dir::None;
  bool face = false;    // one of the four face buttons
  bool start = false;
  bool select = false;  // Select / Back
  bool drop = false;    // a shoulder button or trigger: the dynamite button

  bool operator==(const PadState&) const = default;
};

inline constexpr PadState idle_pad{};

// A character as a name keeps it: letters in upper case and digits; anything else is 0.
constexpr char name_character(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  return 0;
}

// "PadState { dir: Some(Up), face: true, start: false, select: false, drop: false }", as the
// controller log writes it.
std::string to_string(const PadState& pad);
std::ostream& operator<<(std::ostream& out, const PadState& pad);

// Everything the players did in one frame; index 0 is player 1, index 1 player 2.
struct FrameInput {
  std::array<bool, 2> grab_held{};
  std::array<bool, 2> fire_pressed{};
  std::array<Dir, 2> held_dir{Dir::None, Dir::None};
  std::array<Dir, 2> pressed_dir{Dir::None, Dir::None};
  bool confirm = false;
  bool restart = false;
  bool back = false;
  bool pause = false;
  bool music = false;
  bool players_key = false;
  bool name_key = false;
  bool open_all_key = false;
  bool help_key = false;        // F1 or a two-finger tap: the help screen from the title, and back
  bool fullscreen_key = false;  // F11 or Alt+Enter, anywhere
  KeyCode first_key = KeyCode::Unidentified;  // the frame's first key press, for choosing a new key
  // Watching a recorded run: V on the title and H in the lost box start one; while it plays
  // Space pauses, the Right arrow speeds it up, and any other key, a click or a tap ends it
  // (a pad ends it with Back, as `back`).
  bool watch_key = false;
  bool show_key = false;
  bool space_key = false;
  bool right_key = false;
  bool other_key = false;
  // A pad's Back: `back` is its press; held on the title it opens the help screen instead, so
  // there a short press counts when it is let go.
  bool pad_back_held = false;
  bool pad_back_pressed = false;
  // For the name entry: the frame's Backspace presses, then the letters and digits it typed
  // (upper case, in order; a name never takes more than name_length of them).
  unsigned backspaces = 0;
  std::array<char, name_length> typed{};
  std::uint8_t typed_count = 0;
  // The pads steering this frame (at most two), and how many of them are Pro Controllers.
  std::uint8_t pads_in_use = 0;
  std::uint8_t pro_pads_in_use = 0;

  bool operator==(const FrameInput&) const = default;
};

// The pads of the Pro Controller thread, handed to the event loop. The lock is held only to
// copy or replace the whole list, and nothing else is locked meanwhile.
class SharedPadList {
 public:
  std::vector<PadState> copy() const;
  // The same into `pads`, reusing its storage.
  void copy_into(std::vector<PadState>& pads) const;
  void replace(std::vector<PadState> pads);

 private:
  mutable std::mutex lock_;
  std::vector<PadState> pads_;
};

using SharedPads = std::shared_ptr<SharedPadList>;

// An empty list, created once at start-up and shared by both threads.
SharedPads make_shared_pads();

}  // namespace korvedan
