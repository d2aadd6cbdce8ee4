// kvtool icons DIR: the game's icon at every size a desktop asks for, as DIR/NxN/apps/korvedan.png.
#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "art/icon.hpp"
#include "game/save/durable_file.hpp"
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

}  // namespace

KV_COMMAND(icons, "icons", "DIR", run_icons);

}  // namespace korvedan::tool
