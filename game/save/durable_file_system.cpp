// The POSIX side of replacing a file whole and of the advisory lock (durable_file_system_windows.cpp is Windows' side).
#include "game/save/durable_file.hpp"

#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

namespace korvedan {

namespace {

std::error_code last_error() { return {errno, std::generic_category()}; }

// Six letters or digits that differ from call to call and from process to process; the
// exclusive create, not these, is what keeps two writers apart.
std::string random_suffix() {
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t value = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ull ^
                        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                        (counter.fetch_add(1) << 40);
  value ^= value >> 31;
  value *= 0xBF58476D1CE4E5B9ull;
  value ^= value >> 27;
  constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string suffix;
  for (int i = 0; i < 6; ++i, value /= 62) suffix += letters[value % 62];
  return suffix;
}

bool write_all(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes a just renamed entry survive a power cut; a failure here changes nothing already done.
void flush_directory(const std::filesystem::path& directory) {
  const std::filesystem::path where = directory.empty() ? std::filesystem::path(".") : directory;
  const int fd = ::open(where.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::error_code replace_file(const std::filesystem::path& target, const std::filesystem::path& temporary_base,
                             std::string_view text) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = temporary_base.native() + "." + random_suffix();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return last_error();
  }
  if (fd < 0) return std::make_error_code(std::errc::file_exists);
  std::error_code error;
  // Without the fsync a power cut soon after the rename can leave an empty save behind.
  if (!write_all(fd, text) || ::fsync(fd) != 0) error = last_error();
  if (::close(fd) != 0 && !error) error = last_error();
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = last_error();
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  flush_directory(target.parent_path());
  return {};
}

FileLock::FileLock(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    handle_ = fd;
    state_ = State::Held;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::TakenByAnother : State::Unavailable;
  ::close(fd);
}

void FileLock::release() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));  // closing lets go of the lock
  handle_ = -1;
  state_ = State::Unavailable;
}

}  // namespace korvedan

#endif  // !_WIN32
