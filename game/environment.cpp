// The process environment behind EnvironmentLookup.
#include "game/environment.hpp"

#include <cstdlib>

namespace korvedan {

std::optional<std::string> process_environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace korvedan
