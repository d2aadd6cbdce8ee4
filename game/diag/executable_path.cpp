// The running program's own path: the one place that asks the system for it.
#include "game/diag/executable_path.hpp"

#include <system_error>

namespace korvedan {

std::optional<std::filesystem::path> executable_path() {
#if defined(__linux__)
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || path.empty()) return std::nullopt;
  return path;
#else
  // Not yet asked on this system: the files kept beside the program are then left out.
  return std::nullopt;
#endif
}

}  // namespace korvedan
