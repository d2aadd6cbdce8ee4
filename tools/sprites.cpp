// kvtool sprites DIR: every named sprite as a 48 × 48 PNG over the floor, and the whole sheet.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "art/sprite_sheet.hpp"
#include "game/view/png.hpp"
#include "game/view/screen.hpp"
#include "game/view/sprite_export.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

constexpr std::uint32_t sheet_columns = 10;
constexpr std::uint32_t sheet_gap = 4;
constexpr std::uint32_t sheet_cell = sprite_export_size + sheet_gap;
constexpr Rgb gap_colour{40, 40, 40};
// Transparent pixels show as a grey checkerboard, one square per sprite pixel.
constexpr Rgb checker_light{112, 112, 112};
constexpr Rgb checker_dark{80, 80, 80};

struct Picture {
  std::uint32_t width, height;
  std::vector<std::uint32_t> pixels;
};

// All sprites in sheet order, 3× enlarged, left to right and top to bottom.
Picture sheet_picture(const SpriteSheet& sheet) {
  const auto& entries = sheet.entries();
  const auto rows = static_cast<std::uint32_t>((entries.size() + sheet_columns - 1) / sheet_columns);
  Picture picture{sheet_gap + sheet_columns * sheet_cell, sheet_gap + rows * sheet_cell, {}};
  picture.pixels.assign(std::size_t{picture.width} * picture.height, packed_pixel(gap_colour));
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const Sprite& sprite = entries[n].sprite;
    const std::uint32_t left = sheet_gap + static_cast<std::uint32_t>(n % sheet_columns) * sheet_cell;
    const std::uint32_t top = sheet_gap + static_cast<std::uint32_t>(n / sheet_columns) * sheet_cell;
    for (std::uint32_t y = 0; y < sprite_export_size; ++y) {
      for (std::uint32_t x = 0; x < sprite_export_size; ++x) {
        const std::uint32_t sx = x / sprite_export_scale, sy = y / sprite_export_scale;
        const std::optional<Rgb>& own = sprite.at(sx, sy);
        const Rgb colour = own ? *own : (sx + sy) % 2 == 0 ? checker_light : checker_dark;
        picture.pixels[std::size_t{top + y} * picture.width + left + x] = packed_pixel(colour);
      }
    }
  }
  return picture;
}

bool write_png(const std::filesystem::path& path, std::uint32_t width, std::uint32_t height,
               const std::vector<std::uint32_t>& pixels) {
  const std::vector<std::uint8_t> png = encode_png(width, height, pixels);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  file.close();
  if (!file) {
    std::cerr << "kvtool sprites: could not write " << path.string() << ": " << std::strerror(errno) << "\n";
    return false;
  }
  return true;
}

int run_sprites(const Args& args) {
  if (args.size() != 1) return usage_error("sprites", "give one folder");
  const std::filesystem::path folder = args[0];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::cerr << "kvtool sprites: could not create " << folder.string() << ": " << error.message() << "\n";
    return 1;
  }
  const Sprite floor = build_sprite({SpriteKind::Floor});
  for (const NamedSprite& named : named_sprites()) {
    const auto pixels = sprite_over_floor(build_sprite(named.key), floor);
    if (!write_png(folder / (std::string(named.name) + ".png"), sprite_export_size, sprite_export_size, pixels)) {
      return 1;
    }
  }
  const Picture sheet = sheet_picture(SpriteSheet::build());
  if (!write_png(folder / "sheet.png", sheet.width, sheet.height, sheet.pixels)) return 1;
  std::cout << "wrote " << named_sprites().size() << " sprites and sheet.png to " << folder.string() << "\n";
  return 0;
}

}  // namespace

KV_COMMAND(sprites, "sprites", "DIR", run_sprites);

}  // namespace korvedan::tool
