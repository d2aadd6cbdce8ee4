// The one place where saving speaks to Windows' file calls directly: a temporary file of its
// own, written, flushed to the disk, then moved into place with the move itself written
// through; and the advisory lock that tells two copies of the game apart.
#include "game/save/durable_file.hpp"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>

namespace korvedan {

namespace {

std::error_code last_error() { return {static_cast<int>(GetLastError()), std::system_category()}; }

// Six letters or digits that differ from call to call and from process to process; the
// exclusive create, not these, is what keeps two writers apart.
std::wstring random_suffix() {
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t value = static_cast<std::uint64_t>(GetCurrentProcessId()) * 0x9E3779B97F4A7C15ull ^
                        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                        (counter.fetch_add(1) << 40);
  value ^= value >> 31;
  value *= 0xBF58476D1CE4E5B9ull;
  value ^= value >> 27;
  constexpr wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::wstring suffix;
  for (int i = 0; i < 6; ++i, value /= 62) suffix += letters[value % 62];
  return suffix;
}

bool write_all(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD chunk = text.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(text.size());
    DWORD written = 0;
    if (!WriteFile(file, text.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::error_code replace_file(const std::filesystem::path& target, const std::filesystem::path& temporary_base,
                             std::string_view text) {
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = temporary_base.native() + L"." + random_suffix();
    // CREATE_NEW fails when the name exists, links included, so nothing is ever written through one.
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return last_error();
  }
  if (file == INVALID_HANDLE_VALUE) return std::make_error_code(std::errc::file_exists);
  std::error_code error;
  // Without the flush a power cut soon after the move can leave an empty save behind.
  if (!write_all(file, text) || !FlushFileBuffers(file)) error = last_error();
  if (!CloseHandle(file) && !error) error = last_error();
  if (!error && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = last_error();
  }
  if (error) DeleteFileW(temporary.c_str());
  return error;
}

FileLock::FileLock(const std::filesystem::path& file) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  OVERLAPPED whole{};
  if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    state_ = State::Held;
    return;
  }
  state_ = GetLastError() == ERROR_LOCK_VIOLATION ? State::TakenByAnother : State::Unavailable;
  CloseHandle(handle);
}

void FileLock::release() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));  // closing lets go of the lock
  handle_ = -1;
  state_ = State::Unavailable;
}

}  // namespace korvedan
