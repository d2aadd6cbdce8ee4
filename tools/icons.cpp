// kvtool icons DIR: the game's icon at every size a desktop asks for, as DIR/NxN/apps/korvedan.png;
// kvtool windows-icon FILE: the same sizes Windows shows (16 to 256) in one .ico file.
#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "art/icon.hpp"
#include "game/save/durable_file.hpp"
#include "game/view/ico.hpp"
#include "game/view/png.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

// The hicolor theme's usual sizes; each a whole multiple of the 16-pixel design.
constexpr std::array<std::uint32_t, 6> icon_sizes{16, 32, 48, 64, 128, 256};

std::vector<std::uint32_t> argb_pixels(const Sprite& picture) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(picture.pixels.size());
  for (const std::optional<Rgb>& pixel : picture.pixels) {
    pixels.push_back(pixel ? 0xFF000000u | std::uint32_t{pixel->r} << 16 | std::uint32_t{pixel->g} << 8 | pixel->b
                           : 0u);
  }
  return pixels;
}

int run_icons(const Args& args) {
  if (args.size() != 1) return usage_error("icons", "give one folder");
  const std::filesystem::path root = args[0];
  const Sprite design = icon_picture();
  for (const std::uint32_t size : icon_sizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = root / name / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
      std::cerr << "kvtool icons: could not create " << folder.string() << ": " << error.message() << "\n";
      return 1;
    }
    const std::vector<std::uint8_t> png =
        encode_png_with_alpha(size, size, argb_pixels(enlarged(design, size / icon_design_size)));
    const std::filesystem::path file = folder / "korvedan.png";
    if (const std::error_code written = replace_file(
            file, folder / ".korvedan.png", std::string_view(reinterpret_cast<const char*>(png.data()), png.size()))) {
      std::cerr << "kvtool icons: could not write " << file.string() << ": " << written.message() << "\n";
      return 1;
    }
  }
  std::cout << "wrote " << icon_sizes.size() << " icons to " << root.string() << "\n";
  return 0;
}

// Windows picks among these for the title bar, the taskbar, Explorer's lists and large tiles.
constexpr std::array<std::uint32_t, 5> windows_icon_sizes{16, 24, 32, 48, 256};

int run_windows_icon(const Args& args) {
  if (args.size() != 1) return usage_error("windows-icon", "give the .ico file to write");
  const std::filesystem::path file = args[0];
  const Sprite design = icon_picture();
  std::vector<IconImage> images;
  for (const std::uint32_t size : windows_icon_sizes) {
    // 24 is no whole multiple of the design: its nearest smaller one, centred, keeps it sharp.
    const std::uint32_t factor = size / icon_design_size;
    const Sprite drawn = enlarged(design, factor);
    IconImage image{size, std::vector<std::uint32_t>(std::size_t{size} * size, 0u)};
    const std::uint32_t margin = (size - drawn.width) / 2;
    const std::vector<std::uint32_t> pixels = argb_pixels(drawn);
    for (std::uint32_t y = 0; y < drawn.height; ++y) {
      for (std::uint32_t x = 0; x < drawn.width; ++x) {
        image.pixels[(y + margin) * size + x + margin] = pixels[y * drawn.width + x];
      }
    }
    images.push_back(std::move(image));
  }
  const std::vector<std::uint8_t> ico = encode_ico(images);
  std::filesystem::path temporary = file;
  temporary += ".part";
  if (const std::error_code written =
          replace_file(file, temporary, std::string_view(reinterpret_cast<const char*>(ico.data()), ico.size()))) {
    std::cerr << "kvtool windows-icon: could not write " << file.string() << ": " << written.message() << "\n";
    return 1;
  }
  std::cout << "wrote " << images.size() << " sizes to " << file.string() << "\n";
  return 0;
}

}  // namespace

KV_COMMAND(icons, "icons", "DIR", run_icons);
KV_COMMAND(windows_icon, "windows-icon", "FILE.ico", run_windows_icon);

}  // namespace korvedan::tool
