// The one place where saving speaks to Windows' file calls directly: written, flushed to
// the disk, then moved into place with the move itself written through.
#include "game/durable_file.hpp"

#include <windows.h>

namespace korvedan {

namespace {
std::error_code last_error() { return {static_cast<int>(GetLastError()), std::system_category()}; }
}  // namespace

std::error_code write_file_to_disk(const std::filesystem::path& path, std::string_view text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return last_error();
  std::error_code error;
  std::string_view rest = text;
  while (!rest.empty() && !error) {
    const DWORD chunk = rest.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rest.size());
    DWORD written = 0;
    if (!WriteFile(file, rest.data(), chunk, &written, nullptr) || written == 0) {
      error = last_error();
    } else {
      rest.remove_prefix(written);
    }
  }
  // Without this a power cut soon after the move can leave an empty save behind.
  if (!error && !FlushFileBuffers(file)) error = last_error();
  if (!CloseHandle(file) && !error) error = last_error();
  return error;
}

std::error_code replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return last_error();
  return {};
}

// Windows has no directory flush; MOVEFILE_WRITE_THROUGH has done that part.
void flush_directory(const std::filesystem::path&) {}

}  // namespace korvedan
