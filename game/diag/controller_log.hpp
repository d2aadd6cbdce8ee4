// The controller log: a small text file beside the program telling how controllers and
// start-up fared, one line per event.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>

namespace korvedan {

inline constexpr std::string_view controller_log_name = "korvedan-controller.txt";
inline constexpr std::string_view controller_log_header = "Korvedan build 21";

// One log file. It is created (truncating an old one) by the first line written; if it
// cannot be, the log stays silent for the rest of the run.
class ControllerLog {
 public:
  // The header plus this many lines; later lines are dropped so that a long run cannot
  // fill the disk.
  static constexpr std::uint32_t max_lines = 600;

  // `file` is none when there is nowhere to put the log.
  explicit ControllerLog(std::optional<std::filesystem::path> file);
  ~ControllerLog();
  ControllerLog(const ControllerLog&) = delete;
  ControllerLog& operator=(const ControllerLog&) = delete;

  // Appends one line; callable from any thread, never fails.
  void write(std::string_view text);

 private:
  enum class FileState { NotTried, Open, Disabled };

  void open_file();

  std::mutex lock_;
  std::optional<std::filesystem::path> path_;
  std::FILE* file_ = nullptr;
  FileState state_ = FileState::NotTried;
  std::uint32_t count_ = 0;
};

// "korvedan-controller.txt" in the executable's folder, or none without an executable path.
std::optional<std::filesystem::path> controller_log_path();

// One line into this run's controller log beside the program.
void log_line(std::string_view text);

}  // namespace korvedan
