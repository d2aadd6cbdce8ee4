// Replacing a file whole and holding an advisory lock: the few calls saving needs from the system.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace korvedan {

// Writes the text into a new file of its own beside `target`, named `temporary_base` and a few
// random characters, created exclusively and never through a link; forces it to disk and
// renames it over `target`. Two writers at once each rename a whole file, so the last one
// wins. On failure the temporary file is removed and `target` is as it was.
std::error_code replace_file(const std::filesystem::path& target, const std::filesystem::path& temporary_base,
                             std::string_view text);

// An advisory lock on a file (created if need be), held until the object goes. It only tells
// copies of the game apart; it never stops anyone from reading or writing.
class FileLock {
 public:
  enum class State { Held, TakenByAnother, Unavailable };

  explicit FileLock(const std::filesystem::path& file);  // one try, never waits
  FileLock() = default;
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  State state() const { return state_; }

 private:
  void release();

  std::intptr_t handle_ = -1;  // the system's handle of the open lock file
  State state_ = State::Unavailable;
};

}  // namespace korvedan
