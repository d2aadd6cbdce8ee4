// The application: one window, its event loop, and the frame that ties input, session, sound,
// save and picture together.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>

#include <vector>

#include "art/canvas.hpp"
#include "art/sprite_sheet.hpp"
#include "game/app/game.hpp"
#include "game/app/recording.hpp"
#include "game/platform/audio_output.hpp"
#include "game/platform/sdl_gamepads.hpp"
#include "game/platform/window_frame.hpp"
#include "game/save/save.hpp"

namespace korvedan {

class TestScript;

// Frames are due this far apart.
inline constexpr double frame_period_seconds = 0.016666;
// A frame never advances the game by more than this, however long the stall before it.
inline constexpr float longest_frame_step = 0.1f;

struct AppParts {
  Game game;
  Canvas canvas;
  SpriteSheet sprites;
  SharedPads pro_pads;
  std::unique_ptr<SdlGamepads> gamepads;  // null when the gamepad library did not start
  std::uint64_t start_time = 0;           // SDL performance counter at start-up
  SaveKeeper save;                        // the save the progress came from, written at each change
};

class App {
 public:
  explicit App(AppParts parts);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // The event loop: opens the window, then frames until the window is closed or the player
  // leaves by the title. Needs SDL's video subsystem running.
  void run();

 private:
  void handle(const SDL_Event& event);
  void open_window();
  void start_sound_once();
  void about_to_wait();
  void wait_for_events();
  void frame();

  Game game_;
  SaveKeeper save_;
  Canvas canvas_;
  SpriteSheet sprites_;
  InputState input_;
  void apply_settings(const FrameOutput& out);
  SharedPads pro_pads_;
  std::vector<PadState> pro_pads_now_;  // this frame's copy, its storage kept
  std::unique_ptr<SdlGamepads> gamepads_;
  AudioOutput sound_;
  SDL_Window* window_ = nullptr;
  std::optional<WindowFrame> surface_;
  std::uint64_t start_time_;
  std::uint64_t last_frame_;
  std::uint64_t next_frame_;
  std::uint64_t frame_ticks_;  // one frame period in performance-counter ticks
  bool redraw_requested_ = false;
  bool fullscreen_ = false;  // what the window was last told
  bool running_ = true;
  std::uint64_t frames_drawn_ = 0;
  bool log_frame_times_ = false;  // KV_FRAME_TIMES: one line of timings per frame on standard error
  std::unique_ptr<FrameRecorder> recorder_;  // KV_RECORD: every frame's input into a file
  std::unique_ptr<TestScript> script_;  // KV_TEST_SCRIPT: events injected by the end-to-end tests
};

}  // namespace korvedan
