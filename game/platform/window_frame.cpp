// Scaling the canvas into SDL's window surface, converting only if the surface is not XRGB8888.
#include "game/platform/window_frame.hpp"

#include <iostream>
#include <span>

#include "game/diag/controller_log.hpp"
#include "game/view/screen.hpp"

namespace korvedan {

bool WindowFrame::show(const Canvas& canvas) {
  int w = 0, h = 0;
  SDL_GetWindowSizeInPixels(window_, &w, &h);
  // A minimised window keeps its size under SDL; either way there is nothing to show.
  if (w <= 0 || h <= 0 || (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0) return false;

  // SDL makes a new surface after every size change; asking each frame keeps it matched.
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) {
    std::cerr << "could not size the window surface: " << SDL_GetError() << "\n";
    return false;
  }
  if (surface->w <= 0 || surface->h <= 0) return false;
  const auto width = static_cast<std::uint32_t>(surface->w);
  const auto height = static_cast<std::uint32_t>(surface->h);
  if (!first_frame_shown_) {
    first_frame_shown_ = true;
    log_line("start: first frame on its way to the screen");
  }

  if (!contents_lost_ && width == shown_width_ && height == shown_height_ && canvas.pixels() == shown_) return true;

  const bool must_lock = SDL_MUSTLOCK(surface);
  if (must_lock && SDL_LockSurface(surface) != 0) {
    std::cerr << "could not show the frame: " << SDL_GetError() << "\n";
    return false;
  }
  // RGB888 is 0x00RRGGBB in a 32-bit word, the same as XRGB8888 and as present_frame writes.
  const bool direct = surface->format->format == SDL_PIXELFORMAT_RGB888 &&
                      static_cast<std::uint32_t>(surface->pitch) == width * 4;
  bool converted = true;
  if (direct) {
    present_frame(canvas, std::span(static_cast<std::uint32_t*>(surface->pixels), std::size_t{width} * height),
                  width, height);
  } else {
    staging_.resize(std::size_t{width} * height);
    present_frame(canvas, staging_, width, height);
    converted = SDL_ConvertPixels(surface->w, surface->h, SDL_PIXELFORMAT_RGB888, staging_.data(),
                                  static_cast<int>(width * 4), surface->format->format, surface->pixels,
                                  surface->pitch) == 0;
  }
  if (must_lock) SDL_UnlockSurface(surface);
  if (!converted || SDL_UpdateWindowSurface(window_) != 0) {
    std::cerr << "could not show the frame: " << SDL_GetError() << "\n";
    return false;
  }
  shown_ = canvas.pixels();
  shown_width_ = width;
  shown_height_ = height;
  contents_lost_ = false;
  return true;
}

}  // namespace korvedan
