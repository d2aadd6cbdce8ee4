// Showing the canvas in the window's CPU pixel surface.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "art/canvas.hpp"

namespace korvedan {

class WindowFrame {
 public:
  explicit WindowFrame(SDL_Window* window) : window_(window) {}

  // Scales the canvas into the window's surface at its current size and shows it. A minimised
  // window shows nothing; failures are reported on standard error and the next frame tries
  // again. Returns true when the frame was handed to the window.
  bool show(const Canvas& canvas);

 private:
  SDL_Window* window_;
  std::vector<std::uint32_t> staging_;  // for pitches or pixel formats other than our own
  bool first_frame_shown_ = false;
};

}  // namespace korvedan
