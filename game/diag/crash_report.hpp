// The words of the crash report: what stopped the game, the report file beside the program
// and the text of the error box.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvedan {

inline constexpr std::string_view crash_report_name = "korvedan-crash.txt";
// KV_VERSION is the project's version, given by the build from its one place.
#ifndef KV_VERSION
#error "KV_VERSION comes from the project's version in CMakeLists.txt"
#endif
inline constexpr std::string_view crash_report_opening = "Korvedan " KV_VERSION " konnte nicht weiterlaufen.";
inline constexpr std::string_view crash_box_caption = "Korvedan";

// The build's system and processor names, "linux x86_64" here.
std::string_view system_names();

// "panicked at FILE:LINE:COLUMN:\nMESSAGE".
std::string crash_description(std::string_view file, std::uint32_t line, std::uint32_t column,
                              std::string_view message);

// The opening sentence, the description and the system, separated by blank lines.
std::string crash_report_text(std::string_view description);

// "korvedan-crash.txt" in the executable's folder, or none without an executable path.
std::optional<std::filesystem::path> crash_report_path();

// Beside the program, then in the user's state folder.
std::vector<std::filesystem::path> crash_report_places();

// Creates or truncates the file and writes the whole report; false when that did not work.
bool write_crash_report(const std::filesystem::path& file, std::string_view report);

// Writes the report in the first of `places` where that works; where it went, or none.
std::optional<std::filesystem::path> write_crash_report(const std::vector<std::filesystem::path>& places,
                                                        std::string_view report);

// The report, and where it was kept when it could be written.
std::string crash_box_text(std::string_view report, const std::optional<std::filesystem::path>& written_to);

}  // namespace korvedan
