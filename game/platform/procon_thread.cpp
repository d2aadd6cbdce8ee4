// Starting the Pro Controller thread with hidapi, the steady clock and the controller log.
#include "game/platform/procon_thread.hpp"

#include <thread>
#include <utility>

#if defined(__linux__) || defined(__APPLE__)
#include <pthread.h>
#endif

#include "game/diag/controller_log.hpp"
#include "game/platform/hid_library.hpp"
#include "procon/procon_driver.hpp"

namespace korvedan {

namespace {

void name_this_thread() {
#if defined(__linux__)
  pthread_setname_np(pthread_self(), "procon");
#elif defined(__APPLE__)
  pthread_setname_np("procon");
#endif
}

}  // namespace

void run_driver(SharedPads shared) {
  SteadyDriverClock clock;
  DriverServices services{clock, [](std::string_view line) { log_line(line); }};
  run_driver(start_hid_library, std::move(shared), std::move(services));
}

void start_procon_thread(SharedPads shared) {
  std::thread([shared = std::move(shared)]() mutable {
    name_this_thread();
    run_driver(std::move(shared));
  }).detach();
}

}  // namespace korvedan
