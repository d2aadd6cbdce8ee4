// A test hook for the end-to-end tests, off unless KV_TEST_SCRIPT names a script file: at
// given frames it pushes SDL events (keys, text, clicks, touches, a virtual gamepad), prints
// the session's state, or stops the program on purpose.
//
// One step a line: "at FRAME COMMAND ...", for example
//   at 3 key Enter        press and release (also: down NAME, up NAME, repeat NAME)
//   at 5 text AB          typed text
//   at 6 click | finger down|move|up ID X Y (0..1) | focus-lost | close | resize W H
//   at 7 pad attach [VENDOR PRODUCT]   at 8 pad button dpright down|up   at 9 pad axis leftx 0.8
//   at 9 state            one line on standard output: what the session is doing
//   at 9 run FILE         from then on, one arrow key tapped for each tick of the run in FILE
//                         (plain moves only, one player), in the frame after each tick
//   at 9 fatal MESSAGE | segv | divide-by-zero | stack-overflow | throw  the crash paths
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/app/game.hpp"

namespace korvedan {

struct ScriptContext {
  SDL_Window* window;
  const Session& session;
};

class TestScript {
 public:
  // The script KV_TEST_SCRIPT names, or null when it is not set. A script that cannot be
  // read is a programming error of the test.
  static std::unique_ptr<TestScript> from_environment();
  ~TestScript();

  // Carries out the steps due at this frame (the first frame drawn is 0).
  void run(std::uint64_t frame, const ScriptContext& context);

 private:
  struct Step {
    std::uint64_t frame;
    std::vector<std::string> words;
  };
  void perform(const Step& step, const ScriptContext& context);
  void pad_command(const std::vector<std::string>& words);
  void tap_run(const ScriptContext& context);

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  SDL_Joystick* virtual_pad_ = nullptr;
  std::vector<std::string> run_keys_;  // the key of each tick of a run being tapped in, "" none
  std::uint32_t run_tapped_tick_ = UINT32_MAX;
};

}  // namespace korvedan
