// Reading environment variables, through a lookup that tests can replace.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace korvedan {

// Looks up an environment variable; nullopt when it is not set (an empty value is set).
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The running process's own environment.
std::optional<std::string> process_environment(const char* name);

}  // namespace korvedan
