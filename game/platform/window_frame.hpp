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
  // again. A picture the window already shows at this size is not sent again (most frames on
  // a quiet screen), unless the window said its contents were lost. Returns true when the
  // window shows the canvas.
  bool show(const Canvas& canvas);

  // The window's contents were lost (uncovered, for instance): the next frame is sent whole.
  void contents_lost() { contents_lost_ = true; }

 private:
  SDL_Window* window_;
  std::vector<std::uint32_t> staging_;  // for pitches or pixel formats other than our own
  bool first_frame_shown_ = false;
  bool contents_lost_ = false;
  std::vector<std::uint8_t> shown_;     // the canvas last sent, and the size it was sent at
  std::uint32_t shown_width_ = 0;
  std::uint32_t shown_height_ = 0;
};

}  // namespace korvedan
