// Where the running program's own executable lives.
#pragma once

#include <filesystem>
#include <optional>

namespace korvedan {

// The full path of the running executable, or none where the system will not say.
std::optional<std::filesystem::path> executable_path();

}  // namespace korvedan
