// Building the crash report's texts and writing the report file.
#include "game/diag/crash_report.hpp"

#include <fstream>

#include "game/diag/executable_path.hpp"
#include "game/diag/file_places.hpp"

namespace korvedan {

std::string_view system_names() {
#if defined(_WIN32)
#define KV_SYSTEM_NAME "windows"
#elif defined(__APPLE__)
#define KV_SYSTEM_NAME "macos"
#elif defined(__linux__)
#define KV_SYSTEM_NAME "linux"
#else
#define KV_SYSTEM_NAME "unknown"
#endif
#if defined(__x86_64__) || defined(_M_X64)
#define KV_ARCH_NAME "x86_64"
#elif defined(__aarch64__) || defined(_M_ARM64)
#define KV_ARCH_NAME "aarch64"
#elif defined(__i386__) || defined(_M_IX86)
#define KV_ARCH_NAME "x86"
#else
#define KV_ARCH_NAME "unknown"
#endif
  return KV_SYSTEM_NAME " " KV_ARCH_NAME;
}

std::string crash_description(std::string_view file, std::uint32_t line, std::uint32_t column,
                              std::string_view message) {
  std::string text = "panicked at ";
  text += file;
  text += ':';
  text += std::to_string(line);
  text += ':';
  text += std::to_string(column);
  text += ":\n";
  text += message;
  return text;
}

std::string crash_report_text(std::string_view description) {
  std::string text(crash_report_opening);
  text += "\n\n";
  text += description;
  text += "\n\nSystem: ";
  text += system_names();
  return text;
}

std::optional<std::filesystem::path> crash_report_path() {
  std::optional<std::filesystem::path> path = executable_path();
  if (!path) return std::nullopt;
  path->replace_filename(std::filesystem::path(crash_report_name));
  return path;
}

bool write_crash_report(const std::filesystem::path& file, std::string_view report) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(report.data(), static_cast<std::streamsize>(report.size()));
  out.flush();
  return static_cast<bool>(out);
}

std::vector<std::filesystem::path> crash_report_places() { return file_places(crash_report_name); }

std::optional<std::filesystem::path> write_crash_report(const std::vector<std::filesystem::path>& places,
                                                        std::string_view report) {
  return create_in_first_place(places, [&](const std::filesystem::path& file) { return write_crash_report(file, report); });
}

std::string crash_box_text(std::string_view report, const std::optional<std::filesystem::path>& written_to) {
  std::string text(report);
  if (written_to) text += "\n\nGespeichert in " + written_to->string();
  return text;
}

}  // namespace korvedan
