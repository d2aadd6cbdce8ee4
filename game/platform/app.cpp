// The event loop and the frame: input, session, sound, save, view, window, 60 times a second.
#include "game/platform/app.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "base/fatal.hpp"
#include "game/diag/controller_log.hpp"
#include "game/platform/sdl_input.hpp"
#include "game/platform/test_script.hpp"
#include "game/save/save.hpp"

namespace korvedan {

namespace {

void log_start(std::string_view message) { log_line("start: " + std::string(message)); }

double milliseconds(std::uint64_t ticks) {
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency());
}

}  // namespace

App::App(AppParts parts)
    : game_(std::move(parts.game)),
      save_(std::move(parts.save)),
      canvas_(std::move(parts.canvas)),
      sprites_(std::move(parts.sprites)),
      pro_pads_(std::move(parts.pro_pads)),
      gamepads_(std::move(parts.gamepads)),
      start_time_(parts.start_time),
      last_frame_(parts.start_time),
      next_frame_(parts.start_time),
      frame_ticks_(static_cast<std::uint64_t>(std::llround(static_cast<double>(SDL_GetPerformanceFrequency()) *
                                                           frame_period_seconds))),
      log_frame_times_(std::getenv("KV_FRAME_TIMES") != nullptr),
      script_(TestScript::from_environment()) {
  if (const char* path = std::getenv("KV_RECORD")) {
    std::string error;
    recorder_ = FrameRecorder::open(path, game_.session().progress(), error);
    if (!recorder_) std::cerr << "could not record: " << path << ": " << error << "\n";
  }
}

App::~App() = default;

// The window, the volumes and the keys as the game's settings want them.
void App::apply_settings(const FrameOutput& out) {
  input_.bindings = out.keys;
  sound_.set_volumes(out.music_volume, out.effects_volume);
  if (window_ != nullptr && out.fullscreen != fullscreen_) {
    // Desktop fullscreen takes the screen as it is, without a mode change; the picture keeps
    // its whole-number scale and black bars as in a window.
    if (SDL_SetWindowFullscreen(window_, out.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
      std::cerr << "could not change to " << (out.fullscreen ? "fullscreen" : "a window") << ": " << SDL_GetError()
                << "\n";
    }
    fullscreen_ = out.fullscreen;  // tried once per change, not every frame
    log_start(out.fullscreen ? "fullscreen" : "windowed");
  }
}

void App::run() {
  open_window();  // the loop has just started: the moment to make the window
  while (running_) {
    SDL_Event event;
    while (running_ && SDL_PollEvent(&event) != 0) handle(event);
    if (!running_) break;
    if (redraw_requested_) {
      redraw_requested_ = false;
      frame();
      if (!running_) break;
    }
    about_to_wait();
    if (!redraw_requested_) wait_for_events();
  }
}

void App::handle(const SDL_Event& event) {
  if (event.type == SDL_QUIT ||
      (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
    log_start("the window was closed");
    running_ = false;
    return;
  }
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED && surface_) {
    surface_->contents_lost();
  }
  if (gamepads_) gamepads_->on_event(event);
  if (feed_input_event(input_, event, window_) == InputEventKind::Player) start_sound_once();
}

void App::open_window() {
  log_start("opening the window");
  window_ = SDL_CreateWindow("Korvedan", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 960, 600,
                             SDL_WINDOW_RESIZABLE);
  if (window_ == nullptr) {
    std::cerr << "could not open the window: " << SDL_GetError() << "\n";
    fatal("a window can be opened");
  }
  SDL_SetWindowMinimumSize(window_, 320, 200);
  log_start("window open, asking for a surface to draw on");
  // Otherwise SDL backs the "CPU" surface with OpenGL: many times the CPU time and memory.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(window_) == nullptr) {
    std::cerr << "could not get the window surface: " << SDL_GetError() << "\n";
    fatal("the window can be drawn to");
  }
  surface_.emplace(window_);
  log_start("surface ready");
  redraw_requested_ = true;
  start_sound_once();
  log_start(sound_.running() ? "sound running" : "no sound");
  apply_settings(game_.settings_output());
}

void App::start_sound_once() {
  if (!sound_.attempted()) sound_.start(game_.session().progress().music_off);
}

void App::about_to_wait() {
  const std::uint64_t now = SDL_GetPerformanceCounter();
  if (now < next_frame_) return;
  if (window_ != nullptr) redraw_requested_ = true;
  next_frame_ += frame_ticks_;
  if (now >= next_frame_) next_frame_ = now;  // after a stall, start again from now instead of bursting
}

void App::wait_for_events() {
  const std::uint64_t now = SDL_GetPerformanceCounter();
  if (now >= next_frame_) return;
  // Whole milliseconds, rounded up: waking a little late beats spinning to the deadline.
  const int timeout = static_cast<int>(std::ceil(milliseconds(next_frame_ - now)));
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, std::max(timeout, 1)) != 0) handle(event);
}

void App::frame() {
  if (window_ == nullptr || !surface_) return;
  const std::uint64_t now = SDL_GetPerformanceCounter();
  const float dt = std::min(static_cast<float>(milliseconds(now - last_frame_) / 1000.0), longest_frame_step);
  last_frame_ = now;
  if (script_) script_->run(frames_drawn_, ScriptContext{window_, game_.session()});

  pro_pads_->copy_into(pro_pads_now_);
  const FrameInput input = input_.collect(window_scale_factor(window_), pro_pads_now_, gamepads_.get(), log_line);
  if (recorder_) recorder_->record(input, dt);
  const FrameOutput out = game_.frame(input, dt);
  if (sound_.running()) {
    sound_.feed(out.music_on, out.effects.view());
    sound_.report_if_stopped();
  }
  apply_settings(out);
  if (out.save_progress) save_.save(game_.session().progress());
  if (out.quit) {
    log_start("leaving by the title");
    running_ = false;  // the rest of this frame still runs
  }

  const std::uint64_t drawn_from = SDL_GetPerformanceCounter();
  game_.draw(canvas_, sprites_);
  const std::uint64_t presented_from = SDL_GetPerformanceCounter();
  surface_->show(canvas_);
  const std::uint64_t done = SDL_GetPerformanceCounter();
  if (log_frame_times_) {
    std::fprintf(stderr, "frame %llu at %.3f s: draw %.3f present %.3f total %.3f ms\n",
                 static_cast<unsigned long long>(frames_drawn_), milliseconds(now - start_time_) / 1000.0,
                 milliseconds(presented_from - drawn_from), milliseconds(done - presented_from),
                 milliseconds(done - now));
  }
  ++frames_drawn_;
}

}  // namespace korvedan
