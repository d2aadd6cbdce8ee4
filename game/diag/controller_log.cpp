// The controller log's file handling and the one log of the running program.
#include "game/diag/controller_log.hpp"

#include <limits>
#include <string>

#include "game/diag/executable_path.hpp"

namespace korvedan {

ControllerLog::ControllerLog(std::optional<std::filesystem::path> file) : path_(std::move(file)) {}

ControllerLog::~ControllerLog() {
  if (file_ != nullptr) std::fclose(file_);
}

void ControllerLog::open_file() {
  state_ = FileState::Disabled;
  if (!path_) return;
  file_ = std::fopen(path_->c_str(), "wb");
  if (file_ == nullptr) return;
  // Every line goes straight to the file, so a crash loses nothing already logged.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  state_ = FileState::Open;
  std::string header(controller_log_header);
  header += '\n';
  std::fwrite(header.data(), 1, header.size(), file_);
}

void ControllerLog::write(std::string_view text) {
  std::lock_guard guard(lock_);
  if (state_ == FileState::NotTried) {
    open_file();
    count_ = 1;
  } else if (count_ < std::numeric_limits<std::uint32_t>::max()) {
    // Held at the top rather than wrapped, so an endless run never starts logging again.
    ++count_;
  }
  if (state_ != FileState::Open || count_ > max_lines) return;
  std::string line(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), file_);  // a failed line is simply lost
}

std::optional<std::filesystem::path> controller_log_path() {
  std::optional<std::filesystem::path> path = executable_path();
  if (!path) return std::nullopt;
  path->replace_filename(std::filesystem::path(controller_log_name));
  return path;
}

void log_line(std::string_view text) {
  // Never destroyed: the procon thread may still log while the process exits.
  static ControllerLog* const log = new ControllerLog(controller_log_path());
  log->write(text);
}

}  // namespace korvedan
