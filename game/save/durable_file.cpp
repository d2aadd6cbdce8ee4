// The one place where saving speaks to the operating system's flush calls directly.
#include "game/save/durable_file.hpp"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvedan {

namespace {
std::error_code last_error() { return {errno, std::generic_category()}; }
}  // namespace

std::error_code write_file_to_disk(const std::filesystem::path& path, std::string_view text) {
#ifdef _WIN32
  std::FILE* file = _wfopen(path.c_str(), L"wb");
#else
  std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
  if (file == nullptr) return last_error();
  std::error_code error;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
    error = last_error();
  } else if (std::fflush(file) != 0) {
    error = last_error();
  } else {
    // Without this a power cut soon after the rename can leave an empty save behind.
#ifdef _WIN32
    if (_commit(_fileno(file)) != 0) error = last_error();
#else
    if (::fsync(fileno(file)) != 0) error = last_error();
#endif
  }
  if (std::fclose(file) != 0 && !error) error = last_error();
  return error;
}

void flush_directory(const std::filesystem::path& directory) {
#ifndef _WIN32
  const std::filesystem::path where = directory.empty() ? std::filesystem::path(".") : directory;
  const int fd = ::open(where.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#else
  (void)directory;
#endif
}

}  // namespace korvedan
