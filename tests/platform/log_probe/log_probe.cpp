// Writes the controller log beside itself the way the game does, for the tests of what other
// writers do to it: a second copy of the program, or a crash while another thread logs.
//   log_probe write NAME COUNT [GO_FILE LATER]  "start: NAME started", COUNT lines, then (once
//                                                GO_FILE exists) LATER more lines
//   log_probe crash COUNT THREAD                 the crash hook, "start: started", COUNT lines,
//                                                then (THREAD 1: while a "procon" thread logs
//                                                a line every millisecond) an invalid access
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "game/diag/controller_log.hpp"
#include "game/platform/crash_hook.hpp"

namespace {

using namespace std::chrono_literals;

void log_lines(const std::string& lead, int count) {
  for (int i = 1; i <= count; ++i) korvedan::log_line(lead + std::to_string(i));
}

int write_lines(int argc, char** argv) {
  const std::string name = argv[2];
  korvedan::log_line("start: " + name + " started");
  log_lines(name + " line ", std::atoi(argv[3]));
  if (argc < 6) return 0;
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (!std::filesystem::exists(argv[4])) {
    if (std::chrono::steady_clock::now() > deadline) return 2;
    std::this_thread::sleep_for(5ms);
  }
  log_lines(name + " later line ", std::atoi(argv[5]));
  return 0;
}

#if defined(__GNUC__)
__attribute__((no_sanitize_undefined))
#endif
void store_through_null() {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}

int crash(char** argv) {
  korvedan::install_crash_hook();
  korvedan::log_line("start: started");
  log_lines("  line ", std::atoi(argv[2]));
  if (std::atoi(argv[3]) != 0) {
    // Static: the thread goes on using it while the crash is reported, after this block ends.
    static std::atomic<int> logged{0};
    // Like the Pro Controller thread, it goes on logging while the crash is reported.
    std::thread([] {
      for (int i = 1; i <= 2000; ++i) {
        korvedan::log_line("  procon line " + std::to_string(i));
        logged.store(i);
        std::this_thread::sleep_for(1ms);
      }
    }).detach();
    while (logged.load() < 5) std::this_thread::sleep_for(1ms);
  }
  store_through_null();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The crashed probe's error box: it stays open a while, as a player would leave it.
  if (std::getenv("KV_CRASH_BOX") != nullptr) {
    std::this_thread::sleep_for(300ms);
    return korvedan::show_crash_box_if_asked() ? 0 : 1;
  }
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "write" && argc >= 4) return write_lines(argc, argv);
  if (mode == "crash" && argc >= 4) return crash(argv);
  return 64;
}
