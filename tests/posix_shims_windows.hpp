// The few POSIX calls the tests use, for the test programs built for Windows (put in front
// of every test file by the build, so the tests themselves stay as they are). No windows.h
// here: its macros (far, near, ...) would leak into every test.
#pragma once

#include <direct.h>
#include <process.h>
#include <stdlib.h>

#include <atomic>
#include <cstring>
#include <ctime>
#include <string>

extern "C" __declspec(dllimport) int __stdcall SetEnvironmentVariableA(const char* name, const char* value);

// A fresh folder from a pattern ending in XXXXXX, as on POSIX systems.
inline char* mkdtemp(char* pattern) {
  static std::atomic<unsigned> counter{0};
  const std::size_t length = std::strlen(pattern);
  if (length < 6) return nullptr;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate(pattern);
    unsigned value = static_cast<unsigned>(std::time(nullptr)) * 2654435761u + counter++ * 40503u +
                     static_cast<unsigned>(_getpid());
    for (std::size_t i = length - 6; i < length; ++i, value /= 36) {
      candidate[i] = "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36];
    }
    if (_mkdir(candidate.c_str()) == 0) {
      std::memcpy(pattern, candidate.data(), length);
      return pattern;
    }
  }
  return nullptr;
}

// Both the C runtime's copy (getenv) and the system's (what the game reads) are set; the
// system's also keeps an empty value, which the runtime's cannot.
inline int setenv(const char* name, const char* value, int) {
  const int result = _putenv_s(name, value);
  SetEnvironmentVariableA(name, value);
  return result;
}

inline int unsetenv(const char* name) {
  const int result = _putenv_s(name, "");
  SetEnvironmentVariableA(name, nullptr);
  return result;
}

// Permission bits do not guard Windows folders; the tests that rely on them skip as for root.
inline unsigned geteuid() { return 0; }
