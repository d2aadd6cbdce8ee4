// kvtool render N FILE.png and render-all DIR: whole caves as pictures, every cell 16 × 16.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "art/sprite_sheet.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "game/view/cell_sprites.hpp"
#include "game/view/png.hpp"
#include "game/view/screen.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

constexpr int header_height = 24;

struct Picture {
  std::uint32_t width, height;
  std::vector<std::uint32_t> pixels;

  void blit(const Sprite& sprite, std::int64_t x0, std::int64_t y0) {
    for (std::uint32_t sy = 0; sy < sprite.height; ++sy) {
      for (std::uint32_t sx = 0; sx < sprite.width; ++sx) {
        const auto& p = sprite.at(sx, sy);
        const std::int64_t x = x0 + sx, y = y0 + sy;
        if (!p || x < 0 || y < 0 || x >= width || y >= height) continue;
        pixels[static_cast<std::size_t>(y * width + x)] = packed_pixel(*p);
      }
    }
  }
};

// The freshly started cave under a strip naming it, as a PNG file's bytes.
std::vector<std::uint8_t> render_cave(std::size_t index, const Cave& cave, const SpriteSheet& sheet) {
  const LevelEntry& level = level_entry(index);
  Picture picture{std::max<std::uint32_t>(static_cast<std::uint32_t>(cave.width) * 16, Canvas::width),
                  static_cast<std::uint32_t>(header_height + cave.height * 16), {}};
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);

  Canvas strip;
  strip.fill_rect(0, 0, Canvas::width, header_height, colours::hud_background);
  draw_text(strip, 4, 3, std::to_string(index + 1) + " " + std::string(level.name), colours::text_white, 1);
  draw_text(strip, 4, 13,
            std::to_string(level.crystals_needed) + " KRISTALLE  ZEIT " + std::to_string(level.time) + "  " +
                std::to_string(cave.width) + " X " + std::to_string(cave.height),
            colours::lavender, 1);
  for (std::uint32_t y = 0; y < header_height; ++y) {
    for (std::uint32_t x = 0; x < picture.width; ++x) {
      picture.pixels[y * picture.width + x] = packed_pixel(x < Canvas::width ? strip.pixel(x, y) : colours::hud_background);
    }
  }
  const Sprite& floor = sheet.sprite({SpriteKind::Floor});
  for (std::int32_t r = 0; r < cave.height; ++r) {
    for (std::int32_t c = 0; c < cave.width; ++c) {
      const std::int64_t x = c * 16, y = header_height + r * 16;
      picture.blit(floor, x, y);
      if (const auto key = cell_sprite(cave, c, r, 0.0f)) picture.blit(sheet.sprite(*key), x, y);
    }
  }
  return encode_png(picture.width, picture.height, picture.pixels);
}

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

int run_render(const Args& args) {
  std::optional<std::size_t> index;
  std::string file;
  int players = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--players" && i + 1 < args.size()) {
      players = args[++i] == "2" ? 2 : 1;
    } else if (!index) {
      index = cave_index_arg(args[i]);
      if (!index) return usage_error("render", "the cave number must be 1 to 119, not \"" + args[i] + "\"");
    } else if (file.empty()) {
      file = args[i];
    } else {
      return usage_error("render", "unexpected argument \"" + args[i] + "\"");
    }
  }
  if (!index || file.empty()) return usage_error("render", "expected a cave number and a file name");
  const Result<Cave> cave = parse_cave(level_entry(*index), players, Difficulty::Normal);
  if (!cave) {
    std::cerr << "kvtool render: level " << level_entry(*index).name << ": " << cave.error() << "\n";
    return 2;
  }
  if (!write_file(file, render_cave(*index, cave.value(), SpriteSheet::build()))) {
    std::cerr << "kvtool render: could not write " << file << "\n";
    return 1;
  }
  return 0;
}

int run_render_all(const Args& args) {
  if (args.size() != 1) return usage_error("render-all", "expected one folder");
  const std::filesystem::path dir = args[0];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const SpriteSheet sheet = SpriteSheet::build();
  int failed = 0;
  for (std::size_t index = 0; index < level_count; ++index) {
    const Result<Cave> cave = parse_cave(level_entry(index), 1, Difficulty::Normal);
    if (!cave) {
      std::cerr << "cave " << index + 1 << " " << level_entry(index).name << ": " << cave.error() << "\n";
      ++failed;
      continue;
    }
    std::ostringstream name;
    name << std::setw(3) << std::setfill('0') << index + 1 << ".png";
    if (!write_file(dir / name.str(), render_cave(index, cave.value(), sheet))) {
      std::cerr << "could not write " << (dir / name.str()).string() << "\n";
      return 1;
    }
  }
  return failed == 0 ? 0 : 1;
}

KV_COMMAND(render, "render", "N FILE.png [--players 2]   (the freshly started cave, whole)", run_render);
KV_COMMAND(render_all, "render-all", "DIR   (every cave as DIR/NNN.png)", run_render_all);

}  // namespace
}  // namespace korvedan::tool
