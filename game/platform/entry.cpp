// Start-up in its order: save, session, pictures, pads, the window system, the event loop.
#include "game/platform/entry.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "base/fatal.hpp"
#include "game/diag/controller_log.hpp"
#include "game/platform/app.hpp"
#include "game/platform/procon_thread.hpp"
#include "game/save/save.hpp"
#include "game/view/shots.hpp"

namespace korvedan {

namespace {

void log_start(std::string_view message) { log_line("start: " + std::string(message)); }

// The gamepad library, or null (with the reason on standard error and in the log).
std::unique_ptr<SdlGamepads> start_gamepads() {
  std::string error;
  std::unique_ptr<SdlGamepads> gamepads = SdlGamepads::start(error);
  if (!gamepads) {
    std::cerr << "no gamepads: " << error << "\n";
    log_line("the gamepad library did not start: " + error);
    return nullptr;
  }
  log_line("gamepads known to the gamepad library at start:");
  for (const std::string& line : gamepads->known_pads()) log_line(line);
  return gamepads;
}

}  // namespace

int run_program() {
  if (const char* folder = std::getenv("KV_SHOTS")) {
    run_tour(folder, std::cout);
    return 0;
  }

  log_start("loading the save and drawing the sprites");
  SaveKeeper save(save_path(), std::cerr);
  // The players' best runs are kept beside the save; the game reads and writes them itself.
  AppParts parts{Game(save.load(), RunFiles(save_path(), std::cerr)), Canvas(), SpriteSheet::build(),
                 make_shared_pads(), nullptr, SDL_GetPerformanceCounter(), std::move(save)};
  start_procon_thread(parts.pro_pads);
  parts.gamepads = start_gamepads();

  log_start("game set up, reaching for the window system");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::cerr << "could not reach the window system: " << SDL_GetError() << "\n";
    fatal("the window system can be reached");
  }
  // Never torn down: the process ends with the loop, and other threads may still be running.
  App* app = new App(std::move(parts));
  log_start("entering the event loop");
  app->run();
  log_start("the event loop has ended");
  std::cout.flush();
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace korvedan
