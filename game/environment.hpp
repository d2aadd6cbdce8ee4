// Environment variables as UTF-8 text, whatever the system keeps them in.
#pragma once

#include <optional>
#include <string>

namespace korvedan {

// The variable's value, or none when it is not set (an empty value is still a value).
std::optional<std::string> environment_variable(const char* name);

}  // namespace korvedan
