// Reading a file of recorded player-1 inputs for kvtool commands.
#pragma once

#include <string>
#include <vector>

#include "base/result.hpp"
#include "core/tick.hpp"

namespace korvedan::tool {

// Player-1 inputs from a token file ("-" for standard input); the message names the file.
Result<std::vector<TickInput>> read_run_file(const std::string& path);

}  // namespace korvedan::tool
