// Environment variables on Windows: read in UTF-16, so a user called "Jörg" keeps his "ö".
#include "game/diag/environment.hpp"

#include <windows.h>

#include <vector>

#include "game/diag/wide_text_windows.hpp"

namespace korvedan {

std::optional<std::string> environment_variable(const char* name) {
  const std::wstring wide_name = utf16_from_utf8(name);
  std::vector<wchar_t> value(256);
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      // Zero is both "not set" and "set to nothing"; the error code tells them apart.
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) return utf8_from_utf16(std::wstring_view(value.data(), length));
    value.resize(length);  // the size asked for includes the terminating zero
  }
}

}  // namespace korvedan
