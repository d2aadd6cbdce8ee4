// Real time for the Pro Controller driver.
#include "procon/procon_services.hpp"

#include <thread>

namespace korvedan {

DriverClock::Instant SteadyDriverClock::now() { return std::chrono::steady_clock::now(); }

void SteadyDriverClock::sleep(std::chrono::milliseconds how_long) {
  std::this_thread::sleep_for(how_long);
}

}  // namespace korvedan
