// The controller log: a small text file beside the program telling how controllers and
// start-up fared, one line per event.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "base/build_info.hpp"

namespace korvedan {

inline constexpr std::string_view controller_log_name = "korvedan-controller.txt";
inline constexpr std::string_view controller_log_header = "Korvedan build " KV_BUILD;

// One log file. It is created (truncating an old one) by the first line written, in the first
// of its places where that works; if it works nowhere, the log stays silent for the rest of
// the run. Every line is appended at the file's end, so a crash handler writing to the same
// file, or a second copy of the game that truncated it meanwhile, never has its lines written
// over and leaves no hole.
class ControllerLog {
 public:
  // The header plus this many lines; later lines are dropped so that a long run cannot
  // fill the disk.
  static constexpr std::uint32_t max_lines = 600;

  // `file` is none when there is nowhere to put the log.
  explicit ControllerLog(std::optional<std::filesystem::path> file);
  explicit ControllerLog(std::vector<std::filesystem::path> places);
  ~ControllerLog();
  ControllerLog(const ControllerLog&) = delete;
  ControllerLog& operator=(const ControllerLog&) = delete;

  // Appends one line; callable from any thread, never fails.
  void write(std::string_view text);

  // For a crash handler, which can neither wait for the lock (the crashed code may hold it)
  // nor open files: counts one more line, as write() does, and gives the open file's
  // descriptor to write that whole line to in one write() call; -1 when the line is to be
  // dropped (no file open yet or any more, or the lines are used up).
  int claim_line_without_lock();

 private:
  enum class FileState { NotTried, Open, Disabled };

  void open_file();
  // The line count after one more line, held at its top rather than wrapped, so that an
  // endless run never starts logging again.
  std::uint32_t count_one_more();

  std::mutex lock_;
  std::vector<std::filesystem::path> places_;
  std::FILE* file_ = nullptr;
  FileState state_ = FileState::NotTried;
  std::atomic<std::uint32_t> count_{0};
  std::atomic<int> descriptor_{-1};  // the open file's, for claim_line_without_lock
};

// "korvedan-controller.txt" in the executable's folder, or none without an executable path.
std::optional<std::filesystem::path> controller_log_path();

// Beside the program, then in the user's state folder.
std::vector<std::filesystem::path> controller_log_places();

// One line into this run's controller log.
void log_line(std::string_view text);

// This run's log, for a crash handler; null before the first log_line.
ControllerLog* running_log();

}  // namespace korvedan
