// The running game between the window and the cave: screens, menus, the tick clock, the camera.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/cave.hpp"
#include "core/progress.hpp"
#include "core/tick.hpp"
#include "game/session/input_records.hpp"

namespace korvedan {

inline constexpr float tick_period = 0.13f;        // seconds per cave tick
inline constexpr float end_input_delay = 0.5f;     // an end screen ignores confirm this long
inline constexpr float title_repeat_delay = 0.45f;
inline constexpr float title_repeat_step = 0.06f;
inline constexpr float camera_follow_rate = 7.0f;  // per second
inline constexpr int cell_pixels = 16;
inline constexpr int view_width = 320;             // the playfield, below it the HUD
inline constexpr int view_height = 176;
inline constexpr std::size_t name_length = 10;

struct PixelPoint {
  float x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Everything is public: the views read it all and the screenshot tour drives it directly.
struct Session {
  Progress progress;
  Cave cave;                       // always one: on the title, the cave it offers
  EventList frame_events;          // this frame's cave events, each code once, in order raised
  std::optional<std::string> name_edit;  // the name being typed; absent outside name entry
  std::size_t cave_index = 0;      // 0..118
  PixelPoint camera;               // the playfield's top-left corner in cave pixels
  unsigned pads_in_use = 0;
  unsigned pro_pads_in_use = 0;
  float tick_clock = 0;            // towards the next tick, below tick_period between frames
  float screen_clock = 0;          // grows in every frame, for blinking and animation
  float end_clock = 0;             // since the cave was won or lost
  float repeat_clock = 0;          // how long a horizontal direction is held on the title
  std::array<std::uint8_t, 2> latched_fire{0, 0};  // a fire press seen since the last tick
  std::array<Dir, 2> latched_dir{Dir::None, Dir::None};
  bool save_needed = false;
  bool playing = false;            // a cave is played (HUD shown); false on the title
  bool paused = false;
  bool time_up = false;            // the running cave was lost by time
  bool quit_requested = false;

  // The title screen, offering cave min(solved, 118).
  explicit Session(Progress progress);

  // Starts or restarts a cave; an index outside 0..118 is a programming error.
  void start_cave(std::size_t index);
  // One drawn frame: menus, name entry, and while a cave runs whole ticks of tick_period.
  // `dt` is the frame time in seconds, already capped by the caller.
  void update(const FrameInput& input, float dt);
  // One cave tick, keeping the events heard in the visible part and noting a win or loss.
  void session_tick(TickInput player1, TickInput player2);
  // Where the camera wants to be: the followed diggers in the middle, clamped to the cave.
  PixelPoint camera_target() const;

  bool operator==(const Session&) const = default;

 private:
  void enter_name(const FrameInput& input);
  void title_actions(const FrameInput& input, float dt);
  void play(const FrameInput& input, float dt);
  void run_ticks(const FrameInput& input, float dt);
};

// A name as it is kept: ASCII letters and digits only, upper case, at most 10 characters.
std::string filter_name(std::string_view typed);

}  // namespace korvedan
