// The controller log's file handling and the one log of the running program.
#include "game/diag/controller_log.hpp"

#include <atomic>
#include <limits>
#include <string>

#include "game/diag/executable_path.hpp"
#include "game/diag/file_places.hpp"

namespace korvedan {

ControllerLog::ControllerLog(std::optional<std::filesystem::path> file) {
  if (file) places_.push_back(std::move(*file));
}

ControllerLog::ControllerLog(std::vector<std::filesystem::path> places) : places_(std::move(places)) {}

ControllerLog::~ControllerLog() {
  if (file_ != nullptr) std::fclose(file_);
}

void ControllerLog::open_file() {
  state_ = FileState::Disabled;
  count_.store(1);
  // Truncated once, then opened for appending: whoever else writes to the file meanwhile,
  // each of our lines still lands at its end.
  const auto create = [this](const std::filesystem::path& place) {
#ifdef _WIN32
    // Windows paths are UTF-16
    std::FILE* truncated = _wfopen(place.c_str(), L"wb");
#else
    std::FILE* truncated = std::fopen(place.c_str(), "wb");
#endif
    if (truncated == nullptr) return false;
    std::fclose(truncated);
#ifdef _WIN32
    file_ = _wfopen(place.c_str(), L"ab");
#else
    file_ = std::fopen(place.c_str(), "ab");
#endif
    return file_ != nullptr;
  };
  if (!create_in_first_place(places_, create)) return;
  // Every line goes straight to the file, so a crash loses nothing already logged.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  state_ = FileState::Open;
  std::string header(controller_log_header);
  header += '\n';
  std::fwrite(header.data(), 1, header.size(), file_);
#if defined(_WIN32)
  descriptor_.store(_fileno(file_));
#else
  descriptor_.store(fileno(file_));
#endif
}

std::uint32_t ControllerLog::count_one_more() {
  std::uint32_t count = count_.load();
  while (count < std::numeric_limits<std::uint32_t>::max() &&
         !count_.compare_exchange_weak(count, count + 1)) {
  }
  return count == std::numeric_limits<std::uint32_t>::max() ? count : count + 1;
}

void ControllerLog::write(std::string_view text) {
  std::lock_guard guard(lock_);
  std::uint32_t count = 1;
  if (state_ == FileState::NotTried) {
    open_file();
  } else {
    count = count_one_more();
  }
  if (state_ != FileState::Open || count > max_lines) return;
  std::string line(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), file_);  // a failed line is simply lost
}

int ControllerLog::claim_line_without_lock() {
  const int descriptor = descriptor_.load();
  if (descriptor < 0) return -1;
  return count_one_more() <= max_lines ? descriptor : -1;
}

std::optional<std::filesystem::path> controller_log_path() {
  std::optional<std::filesystem::path> path = executable_path();
  if (!path) return std::nullopt;
  path->replace_filename(std::filesystem::path(controller_log_name));
  return path;
}

std::vector<std::filesystem::path> controller_log_places() { return file_places(controller_log_name); }

namespace {
std::atomic<ControllerLog*> program_log{nullptr};
}  // namespace

void log_line(std::string_view text) {
  // Never destroyed: the procon thread may still log while the process exits.
  static ControllerLog* const log = [] {
    auto* made = new ControllerLog(controller_log_places());
    program_log.store(made);
    return made;
  }();
  log->write(text);
}

ControllerLog* running_log() { return program_log.load(); }

}  // namespace korvedan
