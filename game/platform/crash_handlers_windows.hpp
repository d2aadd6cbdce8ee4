// What Windows adds to the crash hook: its structured exceptions, SIGABRT and its error box.
#pragma once

#include <string>

namespace korvedan {

// Receives a crash's description text and reports it (file, log line, box); may return.
using CrashReporter = void (*)(const std::string& description);

// Access violations, divisions by zero and stack overflows (on a guaranteed stack reserve)
// and SIGABRT end in the reporter, then the process ends with the exception's code.
void install_windows_crash_handlers(CrashReporter reporter);

// The modal error box with no owner window; false (and nothing shown) when it cannot be made.
bool show_windows_error_box(const std::string& caption, const std::string& text);

}  // namespace korvedan
