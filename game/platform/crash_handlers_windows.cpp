// Windows' crash handlers: an unhandled-exception filter that reports on a fresh thread (the
// crashed one may have no stack left), SIGABRT, and MessageBoxW as the error box.
#include "game/platform/crash_handlers_windows.hpp"

#include <windows.h>

#include <csignal>
#include <cstdint>
#include <cstdio>

#include "game/diag/wide_text_windows.hpp"

namespace korvedan {

namespace {

CrashReporter reporter = nullptr;
// Built without allocating: the heap may be what broke. One crash is described at a time.
char description[512];

const char* exception_text(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: return "EXCEPTION_ACCESS_VIOLATION (invalid memory access)";
    case EXCEPTION_STACK_OVERFLOW: return "EXCEPTION_STACK_OVERFLOW (the stack ran out)";
    case EXCEPTION_INT_DIVIDE_BY_ZERO: return "EXCEPTION_INT_DIVIDE_BY_ZERO (division by zero)";
    case EXCEPTION_ILLEGAL_INSTRUCTION: return "EXCEPTION_ILLEGAL_INSTRUCTION (illegal instruction)";
    case EXCEPTION_IN_PAGE_ERROR: return "EXCEPTION_IN_PAGE_ERROR (the page could not be read)";
    case EXCEPTION_DATATYPE_MISALIGNMENT: return "EXCEPTION_DATATYPE_MISALIGNMENT (misaligned access)";
    case EXCEPTION_PRIV_INSTRUCTION: return "EXCEPTION_PRIV_INSTRUCTION (privileged instruction)";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED (array bounds exceeded)";
    default: return "unexpected exception";
  }
}

DWORD WINAPI report_on_fresh_stack(void*) {
  reporter(description);
  return 0;
}

// Runs the reporter on a thread of its own and waits for it: after a stack overflow only
// the small guaranteed reserve is left here, far too little for files and a message box.
void report_described() {
  HANDLE thread = CreateThread(nullptr, 1 << 20, report_on_fresh_stack, nullptr, 0, nullptr);
  if (thread == nullptr) {
    reporter(description);
    return;
  }
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

LONG WINAPI on_exception(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  std::uintptr_t address = reinterpret_cast<std::uintptr_t>(record.ExceptionAddress);
  // For a bad memory access the address that matters is the one touched, not the code's.
  if ((record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION || record.ExceptionCode == EXCEPTION_IN_PAGE_ERROR) &&
      record.NumberParameters >= 2) {
    address = static_cast<std::uintptr_t>(record.ExceptionInformation[1]);
  }
  std::snprintf(description, sizeof description,
                "panicked at unknown:0:0:\nexception 0x%08lx %s at address 0x%llx",
                static_cast<unsigned long>(record.ExceptionCode), exception_text(record.ExceptionCode),
                static_cast<unsigned long long>(address));
  report_described();
  // Ended here with the exception's code, as Windows itself would: letting the system unwind
  // after a stack overflow can leave the process hanging (Wine does).
  TerminateProcess(GetCurrentProcess(), record.ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

void on_abort(int) {
  std::snprintf(description, sizeof description, "panicked at unknown:0:0:\nsignal SIGABRT (the program aborted)");
  report_described();
  // Ended here rather than in abort(), which would show a runtime box of its own.
  TerminateProcess(GetCurrentProcess(), 3);
}

}  // namespace

void install_windows_crash_handlers(CrashReporter report) {
  reporter = report;
  // Room for the exception filter itself once the main thread's stack has overflowed.
  ULONG reserve = 64 * 1024;
  SetThreadStackGuarantee(&reserve);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(on_exception);
  std::signal(SIGABRT, on_abort);
}

bool show_windows_error_box(const std::string& caption, const std::string& text) {
  const std::wstring wide_caption = utf16_from_utf8(caption);
  const std::wstring wide_text = utf16_from_utf8(text);
  // IDOK once closed; 0 (Windows) or -1 (Wine without a display) when no box could be made.
  return MessageBoxW(nullptr, wide_text.c_str(), wide_caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL) > 0;
}

}  // namespace korvedan
