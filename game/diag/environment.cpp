// Environment variables on POSIX systems: their bytes as they are.
#include "game/diag/environment.hpp"

#include <cstdlib>

namespace korvedan {

std::optional<std::string> environment_variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace korvedan
