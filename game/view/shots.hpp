// The screenshot tour: scripted scenes drawn as the window would show them, written as PNG files.
#pragma once

#include <filesystem>
#include <ostream>

namespace korvedan {

// Writes the 29 scenes into `folder` (printing each path on `out`), then the named sprites
// into folder/sprites. A file that cannot be written, or a cave the bot cannot solve, stops
// the program.
void run_tour(const std::filesystem::path& folder, std::ostream& out);

}  // namespace korvedan
