// What the Pro Controller driver needs besides the devices: time, sleep and the log.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

namespace korvedan {

class DriverClock {
 public:
  using Instant = std::chrono::steady_clock::time_point;

  virtual ~DriverClock() = default;
  virtual Instant now() = 0;
  virtual void sleep(std::chrono::milliseconds how_long) = 0;
};

// The monotonic clock and a real sleep.
class SteadyDriverClock final : public DriverClock {
 public:
  Instant now() override;
  void sleep(std::chrono::milliseconds how_long) override;
};

using LogSink = std::function<void(std::string_view line)>;

struct DriverServices {
  DriverClock& clock;
  LogSink log;
};

}  // namespace korvedan
