// The running game between the window and the cave: screens, menus, the tick clock, the camera.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cave.hpp"
#include "core/progress.hpp"
#include "core/recorded_run.hpp"
#include "core/tick.hpp"
#include "game/session/input_records.hpp"
#include "game/session/lost_cause.hpp"
#include "game/session/options.hpp"
#include "game/session/watch_state.hpp"

namespace korvedan {

inline constexpr float tick_period = 0.13f;        // seconds per cave tick
inline constexpr float end_input_delay = 0.5f;     // an end screen ignores confirm this long
inline constexpr float title_repeat_delay = 0.45f;
inline constexpr float title_repeat_step = 0.06f;
inline constexpr float help_hold_time = 0.8f;      // a pad's Back held this long on the title opens help
inline constexpr float camera_follow_rate = 7.0f;  // per second
inline constexpr int cell_pixels = 16;
inline constexpr int view_width = 320;             // the playfield, below it the HUD
inline constexpr int view_height = 176;

struct PixelPoint {
  float x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// What a session remembers. Only the session's own operations change it; the views, the
// platform and the tests read it through Session's accessors.
struct SessionState {
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
  float back_hold_clock = -1;      // how long a pad's Back pressed on the title is held; -1: none is
  std::array<std::uint8_t, 2> latched_fire{0, 0};  // a fire press seen since the last tick
  std::array<Dir, 2> latched_dir{Dir::None, Dir::None};
  bool save_needed = false;
  bool playing = false;            // a cave is played (HUD shown); false on the title
  bool paused = false;
  bool time_up = false;            // the running cave was lost by time
  bool quit_requested = false;
  std::optional<HelpScreen> help;  // the help and options pages, open over the title
  LostCause lost_cause = LostCause::Unknown;  // what ended the cave, once it is lost
  // The cave being played, one entry a tick while it runs; kept as the player's run when won.
  std::vector<TickInputs> run_inputs;
  std::uint64_t start_hash = 0;    // cave_digest of the cave as it was started
  bool won_run = false;            // a played cave was won: the app may keep its run
  bool watch_wanted = false;       // V on the title: the app looks for the player's run
  std::optional<Watch> watch;      // a recorded run shown instead of played
  TitleNote title_note = TitleNote::None;
  float note_clock = 0;            // how much longer the title shows the note
  unsigned losses_in_row = 0;      // of cave losses_cave, since it was last won or another was started
  std::size_t losses_cave = 0;

  bool operator==(const SessionState&) const = default;
};

class Session {
 public:
  // The title screen, offering cave min(solved, 118).
  explicit Session(Progress progress);

  // Starts or restarts a cave; an index outside 0..118 is a programming error.
  void start_cave(std::size_t index);
  // One drawn frame: name entry, menus, and while a cave runs whole ticks of tick_period.
  // `dt` is the frame time in seconds, already capped by the caller.
  void update(const FrameInput& input, float dt);
  // One cave tick, keeping the events heard in the visible part and noting a win or loss.
  void session_tick(TickInput player1, TickInput player2);
  // Where the camera wants to be: the followed diggers in the middle, clamped to the cave.
  PixelPoint camera_target() const;
  // Hands over the save and quit requests of the last frames, clearing them.
  bool take_save_needed() { return std::exchange(state_.save_needed, false); }
  bool take_quit_requested() { return std::exchange(state_.quit_requested, false); }

  // A played cave was won since the last call: what its run's file says first. Its inputs
  // are run_inputs() until the next cave starts.
  std::optional<RunHeader> take_won_run();
  // V was pressed on the title since the last call: the player's run of the cave shown is wanted.
  bool take_watch_wanted() { return std::exchange(state_.watch_wanted, false); }
  // Plays the player's run of the cave shown, unless it belongs to another cave, player count
  // or difficulty (the note says it cannot be read) or to an older version of the cave.
  void watch_own_run(const RecordedRun& run);
  void show_title_note(TitleNote note);
  // The lost box offers H: the cave was lost three times in a row and has a stored run.
  bool offers_show_how() const;

  const Progress& progress() const { return state_.progress; }
  const Cave& cave() const { return state_.cave; }
  const EventList& frame_events() const { return state_.frame_events; }
  const std::optional<std::string>& name_edit() const { return state_.name_edit; }
  std::size_t cave_index() const { return state_.cave_index; }
  const PixelPoint& camera() const { return state_.camera; }
  unsigned pads_in_use() const { return state_.pads_in_use; }
  unsigned pro_pads_in_use() const { return state_.pro_pads_in_use; }
  float tick_clock() const { return state_.tick_clock; }
  float screen_clock() const { return state_.screen_clock; }
  float end_clock() const { return state_.end_clock; }
  float repeat_clock() const { return state_.repeat_clock; }
  const std::array<std::uint8_t, 2>& latched_fire() const { return state_.latched_fire; }
  const std::array<Dir, 2>& latched_dir() const { return state_.latched_dir; }
  bool save_needed() const { return state_.save_needed; }
  bool playing() const { return state_.playing; }
  bool paused() const { return state_.paused; }
  bool time_up() const { return state_.time_up; }
  bool quit_requested() const { return state_.quit_requested; }
  const std::optional<HelpScreen>& help() const { return state_.help; }
  LostCause lost_cause() const { return state_.lost_cause; }
  const std::vector<TickInputs>& run_inputs() const { return state_.run_inputs; }
  const std::optional<Watch>& watch() const { return state_.watch; }
  TitleNote title_note() const { return state_.title_note; }
  unsigned losses_in_row() const { return state_.losses_in_row; }
  const SessionState& state() const { return state_; }

  // Scenes set up by hand, bypassing the rules: the screenshot tour, the benchmarks, the tests.
  SessionState& stage() { return state_; }

  bool operator==(const Session& other) const { return state_ == other.state_; }

 private:
  void enter_name(const FrameInput& input);
  void help_frame(const FrameInput& input);
  void title_actions(const FrameInput& input, float dt);
  enum class PadBack { None, Quit, Help };
  PadBack title_pad_back(const FrameInput& input, float dt);
  void play(const FrameInput& input, float dt);
  void run_ticks(const FrameInput& input, float dt);
  void follow_camera(float dt);
  void begin_cave(std::size_t index, int players);
  // The watching of a recorded run (session_watch.cpp).
  void begin_watch(WatchKind kind, int players, std::vector<TickInputs> inputs);
  void watch_frame(const FrameInput& input, float dt);
  void leave_watch();
  void start_show_how();

  SessionState state_;
  EventList tick_events_;  // one tick's events, its storage kept from tick to tick
};

// The built-in cave `index` as it starts for that many players; an index outside 0..118 or a
// cave that does not parse stops the program.
Cave build_cave(std::size_t index, int players, Difficulty difficulty);
// 2 when the progress plays with two diggers, else 1.
int player_count(const Progress& progress);

// The frame's typing on a name being entered: its Backspaces first, then its letters and
// digits while the name has room.
void edit_name(std::string& edit, const FrameInput& input);

// A name as it is kept: ASCII letters and digits only, upper case, at most 10 characters.
std::string filter_name(std::string_view typed);

}  // namespace korvedan
