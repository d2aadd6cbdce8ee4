// Pictures for the end-to-end tests: frames read back from BMP and PPM files, compared with the
// canvas the session draws, scaled the way the window shows it.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "art/canvas.hpp"
#include "art/sprite_sheet.hpp"
#include "game/view/screen.hpp"
#include "game/session/session.hpp"
#include "game/view/view.hpp"

namespace korvedan::e2e {

struct Picture {
  std::uint32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row
  std::uint32_t at(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * width + x]; }
};

inline Picture load_bmp(const std::filesystem::path& file) {
  Picture picture;
  SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
  if (loaded == nullptr) {
    ADD_FAILURE() << "cannot read " << file << ": " << SDL_GetError();
    return picture;
  }
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  picture.width = static_cast<std::uint32_t>(surface->w);
  picture.height = static_cast<std::uint32_t>(surface->h);
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface->pixels) +
                                                             std::size_t(y) * static_cast<std::size_t>(surface->pitch));
    for (int x = 0; x < surface->w; ++x) picture.pixels.push_back(row[x] & 0xFFFFFF);
  }
  SDL_FreeSurface(surface);
  return picture;
}

// A binary PPM (P6, maximum 255) as ImageMagick writes it.
inline Picture load_ppm(const std::filesystem::path& file) {
  Picture picture;
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  unsigned maximum = 0;
  in >> magic >> picture.width >> picture.height >> maximum;
  in.get();
  if (magic != "P6" || maximum != 255) {
    ADD_FAILURE() << file << " is no 8-bit P6 picture";
    return {};
  }
  std::vector<unsigned char> bytes(std::size_t{picture.width} * picture.height * 3);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) {
    picture.pixels.push_back(std::uint32_t{bytes[i]} << 16 | std::uint32_t{bytes[i + 1]} << 8 | bytes[i + 2]);
  }
  return picture;
}

inline Picture crop(const Picture& from, std::uint32_t left, std::uint32_t top, std::uint32_t w, std::uint32_t h) {
  Picture part;
  part.width = std::min(w, from.width - std::min(left, from.width));
  part.height = std::min(h, from.height - std::min(top, from.height));
  for (std::uint32_t y = 0; y < part.height; ++y) {
    for (std::uint32_t x = 0; x < part.width; ++x) part.pixels.push_back(from.at(left + x, top + y));
  }
  return part;
}

// The canvas as the window shows it at w × h.
inline Picture presented(const Canvas& canvas, std::uint32_t w, std::uint32_t h) {
  Picture picture{w, h, std::vector<std::uint32_t>(std::size_t{w} * h)};
  present_frame(canvas, picture.pixels, w, h);
  return picture;
}

inline std::vector<std::uint32_t> packed(const Canvas& canvas) {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t y = 0; y < Canvas::height; ++y) {
    for (std::uint32_t x = 0; x < Canvas::width; ++x) pixels.push_back(packed_pixel(canvas.pixel(x, y)));
  }
  return pixels;
}

// The middle of the run of picture positions that show canvas position `c`.
inline std::uint32_t shown_at(std::uint32_t c, std::uint32_t canvas_extent, std::uint32_t picture_extent) {
  std::uint32_t first = c * picture_extent / canvas_extent;
  while (first > 0 && std::uint64_t{first - 1} * canvas_extent / picture_extent >= c) --first;
  while (std::uint64_t{first} * canvas_extent / picture_extent < c) ++first;
  std::uint32_t last = first;
  while (last + 1 < picture_extent && std::uint64_t{last + 1} * canvas_extent / picture_extent == c) ++last;
  return (first + last) / 2;
}

// The canvas read back from a window-sized picture, one sample per canvas pixel.
inline std::vector<std::uint32_t> sampled_canvas(const Picture& picture) {
  const FrameLayout layout = frame_layout(picture.width, picture.height);
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t y = 0; y < Canvas::height; ++y) {
    const std::uint32_t py = layout.top + shown_at(y, Canvas::height, layout.height);
    for (std::uint32_t x = 0; x < Canvas::width; ++x) {
      pixels.push_back(picture.at(layout.left + shown_at(x, Canvas::width, layout.width), py));
    }
  }
  return pixels;
}

// The share of pixels that agree.
inline double agreement(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size() || a.empty()) return 0;
  std::size_t same = 0;
  for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i] ? 1 : 0;
  return static_cast<double>(same) / static_cast<double>(a.size());
}

inline const SpriteSheet& test_sprites() {
  static const SpriteSheet sheet = SpriteSheet::build();
  return sheet;
}

inline Canvas drawn(const Session& session) {
  Canvas canvas;
  draw_view(canvas, session, test_sprites());
  return canvas;
}

// Moments of the screen clock, one inside each stretch of the first `seconds` in which the
// title's animations (6, 8 and 9 steps a second, a blink 2.5 times a second) stand still.
inline std::vector<float> animation_moments(float seconds) {
  std::set<float> edges{0.0f, seconds};
  for (const float rate : {2.5f, 3.0f, 6.0f, 8.0f, 9.0f, 12.0f}) {
    for (float k = 1; k / rate < seconds; ++k) edges.insert(k / rate);
  }
  std::vector<float> moments;
  for (auto it = edges.begin(); std::next(it) != edges.end(); ++it) moments.push_back((*it + *std::next(it)) / 2);
  return moments;
}

// The session's picture at the moment that agrees best with what the window showed; the
// agreement is left in `best`.
inline Canvas best_matching_canvas(Session session, const Picture& shown, float seconds, double& best) {
  const std::vector<std::uint32_t> sampled = sampled_canvas(shown);
  best = -1;
  Canvas best_canvas;
  for (const float moment : animation_moments(seconds)) {
    session.stage().screen_clock = moment;
    Canvas canvas = drawn(session);
    const double match = agreement(sampled, packed(canvas));
    if (match > best) {
      best = match;
      best_canvas = canvas;
    }
  }
  return best_canvas;
}

}  // namespace korvedan::e2e
