// The running program's own path on Windows: asked of the module loader in UTF-16.
#include "game/diag/executable_path.hpp"

#include <windows.h>

#include <string>

namespace korvedan {

std::optional<std::filesystem::path> executable_path() {
  // Paths may be longer than MAX_PATH; the buffer grows until the whole name fits.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      return std::filesystem::path(buffer);
    }
    if (buffer.size() >= 32768) return std::nullopt;  // no Windows path is longer
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace korvedan
