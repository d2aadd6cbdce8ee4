// The driver loop of the "procon" thread.
#include "procon/procon_driver.hpp"

#include <algorithm>
#include <utility>

namespace korvedan {

namespace {

using namespace std::chrono_literals;

constexpr auto scan_interval = 2s;
constexpr auto idle_nap = 250ms;

}  // namespace

ProconDriver::ProconDriver(HidLibrary& hid, SharedPads shared, DriverServices services)
    : hid_(hid), shared_(std::move(shared)), services_(std::move(services)) {}

void ProconDriver::pass() {
  if (!last_scan_ || services_.clock.now() - *last_scan_ > scan_interval) {
    last_scan_ = services_.clock.now();
    scan(hid_, pads_, failed_, services_);
  }
  if (pads_.empty()) {
    // The list is left alone: it was emptied when the last controller went.
    services_.clock.sleep(idle_nap);
    return;
  }
  std::erase_if(pads_, [this](ProPad& pad) { return poll(pad, services_) == PollOutcome::Drop; });

  std::vector<PadState> states;
  for (const ProPad& pad : pads_) {
    if (pad.state) states.push_back(*pad.state);
  }
  shared_->replace(std::move(states));
}

void run_driver(const HidStarter& start, SharedPads shared, DriverServices services) {
  Result<std::unique_ptr<HidLibrary>> started = start();
  if (!started) {
    services.log("the device library did not start: " + started.error());
    return;
  }
  std::unique_ptr<HidLibrary> hid = std::move(started).value();
  list_controllers(*hid, services);
  ProconDriver driver(*hid, std::move(shared), std::move(services));
  for (;;) driver.pass();
}

}  // namespace korvedan
