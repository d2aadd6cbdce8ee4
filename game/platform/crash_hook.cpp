// Installing the crash hook and reporting a crash, from fatal(), std::terminate or a signal.
#include "game/platform/crash_hook.hpp"

#include <SDL.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

#include "base/fatal.hpp"
#include "game/diag/controller_log.hpp"
#include "game/diag/crash_report.hpp"
#include "game/diag/executable_path.hpp"

#if defined(__unix__) || defined(__APPLE__)
#define KV_POSIX_SIGNALS 1
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
extern char** environ;
#endif
#if defined(_WIN32)
#include "game/platform/crash_handlers_windows.hpp"
#endif

namespace korvedan {

namespace {

// The variable that turns a fresh start of the program into the error box of a crashed one.
constexpr char box_variable[] = "KV_CRASH_BOX";
// Where a crash has no source location of its own (signals, exceptions).
constexpr char unknown_place[] = "unknown";

// One crash is reported; a second thread crashing meanwhile waits for the first to end it all.
enum : int { no_crash = 0, reporting = 1, reported = 2 };
std::atomic<int> crash_state{no_crash};

void show_box(const std::string& text) {
#if defined(_WIN32)
  if (!show_windows_error_box(std::string(crash_box_caption), text)) {
    std::fprintf(stderr, "could not show the crash report: the message box could not be made\n");
  }
#else
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(crash_box_caption).c_str(), text.c_str(),
                               nullptr) != 0) {
    std::fprintf(stderr, "could not show the crash report: %s\n", SDL_GetError());
  }
#endif
}

#if KV_POSIX_SIGNALS

std::atomic<pthread_t> reporter{};

[[noreturn]] void wait_forever() {
  for (;;) {
    timespec second{1, 0};
    nanosleep(&second, nullptr);
  }
}

// True when this thread is to report. False when this very thread has reported already (its
// own abort comes back here) or failed while reporting. Any other thread waits for the
// reporting one to end the process.
bool claim_report() {
  int expected = no_crash;
  if (crash_state.compare_exchange_strong(expected, reporting)) {
    reporter.store(pthread_self());
    return true;
  }
  if (pthread_equal(reporter.load(), pthread_self())) return false;
  wait_forever();
}

#else

bool claim_report() {
  int expected = no_crash;
  return crash_state.compare_exchange_strong(expected, reporting);
}

#endif

void report_crash(const std::string& description) {
  if (!claim_report()) return;
  const std::string report = crash_report_text(description);
  const std::optional<std::filesystem::path> path = write_crash_report(crash_report_places(), report);
  log_line("start: stopped: " + description);
  show_box(crash_box_text(report, path));
  crash_state.store(reported);
}

void on_fatal(std::string_view message, const std::source_location& where) {
  report_crash(crash_description(where.file_name(), where.line(), where.column(), message));
}

[[noreturn]] void on_terminate() {
  std::string message;
  if (std::exception_ptr exception = std::current_exception()) {
    try {
      std::rethrow_exception(exception);
    } catch (const std::exception& e) {
      message = std::string("uncaught exception: ") + e.what();
    } catch (...) {
      message = "uncaught exception of an unknown kind";
    }
  } else {
    message = "std::terminate was called without an exception";
  }
  report_crash(crash_description(unknown_place, 0, 0, message));
  std::abort();
}

#if KV_POSIX_SIGNALS

// Text built into a fixed buffer without allocating: safe inside a signal handler.
template <std::size_t Capacity>
struct FixedText {
  char data[Capacity];
  std::size_t size = 0;

  void add(const char* text) {
    while (*text != '\0' && size + 1 < Capacity) data[size++] = *text++;
    data[size] = '\0';
  }
  template <std::size_t Other>
  void add(const FixedText<Other>& other) {
    add(other.data);
  }
  void add_hex(std::uintptr_t value) {
    char digits[2 * sizeof value];
    int count = 0;
    do {
      digits[count++] = "0123456789abcdef"[value & 15];
      value >>= 4;
    } while (value != 0);
    add("0x");
    while (count > 0 && size + 1 < Capacity) data[size++] = digits[--count];
    data[size] = '\0';
  }
  void add_decimal(long value) {
    char digits[24];
    int count = 0;
    unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) add("-");
    while (count > 0 && size + 1 < Capacity) data[size++] = digits[--count];
    data[size] = '\0';
  }
};

// A file's places in the order they are tried: beside the program, then the state folder.
struct Places {
  static constexpr std::size_t capacity = 2;
  FixedText<4096> path[capacity];
  std::size_t count = 0;
};

// Everything the signal handler needs that would allocate, worked out at install time.
struct Prepared {
  FixedText<64> opening;
  Places report;
  FixedText<4096> program;
  FixedText<64> system;
};
Prepared prepared;

// The handler's working space: never on the (possibly broken) stack, never allocated.
FixedText<1024> signal_description;
FixedText<1100> signal_log_line;
FixedText<8192> signal_report;
FixedText<16384> box_setting;
constexpr std::size_t max_child_environment = 512;
char* child_environment[max_child_environment];

alignas(16) unsigned char alternate_stack[1 << 16];

constexpr int crash_signals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS, SIGQUIT};

const char* signal_text(int signal) {
  switch (signal) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGABRT: return "SIGABRT (the program aborted)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGQUIT: return "SIGQUIT (asked to quit with a report)";
    default: return "unexpected signal";
  }
}

bool write_all(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes every missing folder on the way to `file`, with mkdir alone (safe in a signal handler).
void make_folders(FixedText<4096>& file) {
  for (std::size_t i = 1; i < file.size; ++i) {
    if (file.data[i] != '/') continue;
    file.data[i] = '\0';
    mkdir(file.data, 0755);
    file.data[i] = '/';
  }
}

int create_report_file(FixedText<4096>& file) {
  const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  int fd = open(file.data, flags, 0644);
  if (fd < 0 && errno == ENOENT) {
    make_folders(file);
    fd = open(file.data, flags, 0644);
  }
  return fd;
}

// The place the report went to, or none.
const FixedText<4096>* write_signal_report() {
  for (std::size_t i = 0; i < prepared.report.count; ++i) {
    const int fd = create_report_file(prepared.report.path[i]);
    if (fd < 0) continue;
    const bool written = write_all(fd, signal_report.data, signal_report.size);
    if (close(fd) == 0 && written) return &prepared.report.path[i];
  }
  return nullptr;
}

// Starts the program again as the error box and waits until the player has closed it.
void show_box_from_signal(const FixedText<4096>* report_written_to) {
  if (prepared.program.size == 0) return;
  box_setting.size = 0;
  box_setting.add(box_variable);
  box_setting.add("=");
  box_setting.add(signal_report);
  if (report_written_to != nullptr) {
    box_setting.add("\n\nGespeichert in ");
    box_setting.add(*report_written_to);
  }
  std::size_t count = 0;
  child_environment[count++] = box_setting.data;
  for (char** entry = environ; entry != nullptr && *entry != nullptr && count + 1 < max_child_environment; ++entry) {
    child_environment[count++] = *entry;
  }
  child_environment[count] = nullptr;
  char* arguments[] = {prepared.program.data, nullptr};
  // glibc's posix_spawn is a bare clone and exec: no fork handlers, no malloc (the crash may
  // have happened inside it), and it works from the alternate signal stack.
  pid_t child = 0;
  if (posix_spawn(&child, prepared.program.data, nullptr, nullptr, arguments, child_environment) != 0) return;
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

// A signal another process sent (kill -SEGV) names that process: its address field holds the
// sender's id, not an address. A fault names the address touched; the program's own abort()
// or a quit key neither.
void add_origin(FixedText<1024>& text, int signal, const siginfo_t* info) {
  if (info == nullptr) return;
  if (info->si_code <= 0) {  // SI_USER, SI_QUEUE, SI_TKILL: sent, not raised by a fault
    if (info->si_pid != getpid()) {
      text.add(" sent by process ");
      text.add_decimal(info->si_pid);
    }
    return;
  }
  if (signal == SIGSEGV || signal == SIGBUS || signal == SIGILL || signal == SIGFPE) {
    text.add(" at address ");
    text.add_hex(reinterpret_cast<std::uintptr_t>(info->si_addr));
  }
}

// A closed terminal ends the game as SIGTERM does, with exit code 0: the progress is saved at
// every change already. Once the window system's library listens for SIGTERM, the game leaves
// through its event loop; before that, at once.
void on_hangup(int) {
  struct sigaction term {};
  if (sigaction(SIGTERM, nullptr, &term) == 0 && term.sa_handler != SIG_DFL && term.sa_handler != SIG_IGN) {
    raise(SIGTERM);
  } else {
    _exit(0);
  }
}

void on_signal(int signal, siginfo_t* info, void*) {
  const int saved_errno = errno;
  if (claim_report()) {
    signal_description.size = 0;
    signal_description.add("panicked at ");
    signal_description.add(unknown_place);
    signal_description.add(":0:0:\nsignal ");
    signal_description.add(signal_text(signal));
    add_origin(signal_description, signal, info);
    signal_report.size = 0;
    signal_report.add(prepared.opening);
    signal_report.add("\n\n");
    signal_report.add(signal_description);
    signal_report.add("\n\nSystem: ");
    signal_report.add(prepared.system);

    const FixedText<4096>* written_to = write_signal_report();
    // The log's own lock may be held by the crashed code: the line goes past it, counted
    // like any other, in one write to the log's file, which appends.
    if (ControllerLog* log = running_log()) {
      if (const int fd = log->claim_line_without_lock(); fd >= 0) {
        signal_log_line.size = 0;
        signal_log_line.add("start: stopped: ");
        signal_log_line.add(signal_description);
        signal_log_line.add("\n");
        write_all(fd, signal_log_line.data, signal_log_line.size);
      }
    }
    show_box_from_signal(written_to);
    crash_state.store(reported);
  }
  errno = saved_errno;
  // The default action is back (SA_RESETHAND): it ends the process once this handler returns.
  raise(signal);
}

void copy_path(FixedText<4096>& into, const std::optional<std::filesystem::path>& path) {
  into.size = 0;
  into.data[0] = '\0';
  if (path && path->native().size() + 1 < sizeof into.data) into.add(path->c_str());
}

void copy_places(Places& into, const std::vector<std::filesystem::path>& places) {
  into.count = 0;
  for (const std::filesystem::path& place : places) {
    if (into.count == Places::capacity) break;
    copy_path(into.path[into.count], place);
    if (into.path[into.count].size > 0) ++into.count;
  }
}

void install_signal_handlers() {
  copy_places(prepared.report, crash_report_places());
  copy_path(prepared.program, executable_path());
  prepared.opening.add(std::string(crash_report_opening).c_str());
  prepared.system.add(std::string(system_names()).c_str());

  stack_t stack{};
  stack.ss_sp = alternate_stack;
  stack.ss_size = sizeof alternate_stack;
  sigaltstack(&stack, nullptr);  // without it a stack overflow is simply not reported

  struct sigaction action {};
  action.sa_sigaction = on_signal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int signal : crash_signals) sigaction(signal, &action, nullptr);

  // A reader gone from a pipe is an error where the write is made, not a reason to stop.
  signal(SIGPIPE, SIG_IGN);
  struct sigaction hangup {};
  hangup.sa_handler = on_hangup;
  sigemptyset(&hangup.sa_mask);
  sigaction(SIGHUP, &hangup, nullptr);
}

#endif

}  // namespace

void install_crash_hook() {
  set_fatal_hook(on_fatal);
  std::set_terminate(on_terminate);
#if KV_POSIX_SIGNALS
  install_signal_handlers();
#elif defined(_WIN32)
  install_windows_crash_handlers(report_crash);
#endif
}

bool show_crash_box_if_asked() {
  const char* text = std::getenv(box_variable);
  if (text == nullptr) return false;
  show_box(text);
  return true;
}

}  // namespace korvedan
