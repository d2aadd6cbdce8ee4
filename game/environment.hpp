// Environment variables as UTF-8 text, whatever the system keeps them in.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace korvedan {

// The variable's value, or none when it is not set (an empty value is still a value).
std::optional<std::string> environment_variable(const char* name);

// A path from UTF-8 text (on Windows a plain std::string would be read in the ANSI code page).
inline std::filesystem::path utf8_path(const std::string& text) {
#if defined(_WIN32)
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
  return std::filesystem::path(text);
#endif
}

}  // namespace korvedan
