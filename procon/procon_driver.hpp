// The Pro Controller driver's loop: scanning, polling and handing the pads to the game.
#pragma once

#include <optional>
#include <vector>

#include "game/session/input_records.hpp"
#include "procon/procon_discovery.hpp"
#include "procon/procon_hid.hpp"
#include "procon/procon_pad.hpp"
#include "procon/procon_services.hpp"

namespace korvedan {

class ProconDriver {
 public:
  ProconDriver(HidLibrary& hid, SharedPads shared, DriverServices services);

  // One turn of the loop: a scan when two seconds have passed, then one poll of every
  // controller and the shared list replaced by their states; a short nap with none open.
  void pass();

  const std::vector<ProPad>& pads() const { return pads_; }
  const FailedPaths& failed_paths() const { return failed_; }

 private:
  HidLibrary& hid_;
  SharedPads shared_;
  DriverServices services_;
  std::vector<ProPad> pads_;
  FailedPaths failed_;
  std::optional<DriverClock::Instant> last_scan_;
};

// The body of the "procon" thread: starts the library, lists the controllers, then drives
// them for ever. It returns only when the library does not start.
void run_driver(const HidStarter& start, SharedPads shared, DriverServices services);

}  // namespace korvedan
