// Environment variables as UTF-8 text, whatever the system keeps them in, and a lookup that
// tests can replace.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace korvedan {

// The variable's value, or none when it is not set (an empty value is still a value).
std::optional<std::string> environment_variable(const char* name);

// Looks up an environment variable; nullopt when it is not set (an empty value is set).
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The running process's own environment.
inline std::optional<std::string> process_environment(const char* name) { return environment_variable(name); }

// A path from UTF-8 text (on Windows a plain std::string would be read in the ANSI code page).
inline std::filesystem::path utf8_path(const std::string& text) {
#if defined(_WIN32)
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
  return std::filesystem::path(text);
#endif
}

}  // namespace korvedan
