// Scripted HID devices, a hand-wound clock and a captured log for the Pro Controller tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "procon/procon_hid.hpp"
#include "procon/procon_services.hpp"

namespace korvedan::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

// Time moves only when the driver sleeps or waits for a read.
class FakeClock final : public DriverClock {
 public:
  Instant now() override { return now_; }
  void sleep(std::chrono::milliseconds how_long) override { now_ += how_long; }
  void advance(std::chrono::milliseconds how_long) { now_ += how_long; }
  // Seconds since the clock was made, for readable checks.
  double seconds() const { return std::chrono::duration<double>(now_ - start_).count(); }

 private:
  Instant start_ = Instant{} + 1000s;
  Instant now_ = start_;
};

struct LogCapture {
  std::vector<std::string> lines;
  LogSink sink() {
    return [this](std::string_view line) { lines.emplace_back(line); };
  }
};

// What one read gives: a report, an error text, or nothing within the time-out.
struct ReadStep {
  std::optional<Bytes> report;
  std::optional<std::string> error;
};
inline ReadStep report(Bytes bytes) { return {std::move(bytes), std::nullopt}; }
inline ReadStep read_error(std::string text) { return {std::nullopt, std::move(text)}; }
inline ReadStep nothing() { return {}; }

// The controller behind one path, outliving the device objects opened on it.
struct DeviceScript {
  std::deque<ReadStep> reads;  // taken one per read
  ReadStep afterwards;          // what every read gives once `reads` is used up
  std::optional<std::string> write_error;
  std::vector<Bytes> writes;
  std::vector<double> write_times;  // clock seconds of each write
  int opened = 0;
  int closed = 0;
};

class ScriptedDevice final : public HidDevice {
 public:
  ScriptedDevice(std::shared_ptr<DeviceScript> script, FakeClock& clock)
      : script_(std::move(script)), clock_(clock) {}
  ~ScriptedDevice() override { ++script_->closed; }

  Result<std::size_t> write(std::span<const std::uint8_t> bytes) override {
    script_->writes.emplace_back(bytes.begin(), bytes.end());
    script_->write_times.push_back(clock_.seconds());
    if (script_->write_error) return Failure{*script_->write_error};
    return bytes.size();
  }

  // Every read takes its whole time-out, as a controller reporting at 125 Hz would.
  Result<std::size_t> read(std::span<std::uint8_t> buffer,
                           std::chrono::milliseconds timeout) override {
    clock_.advance(timeout);
    ReadStep step = script_->afterwards;
    if (!script_->reads.empty()) {
      step = std::move(script_->reads.front());
      script_->reads.pop_front();
    }
    if (step.error) return Failure{*step.error};
    if (!step.report) return std::size_t{0};
    const std::size_t length = std::min(step.report->size(), buffer.size());
    std::copy_n(step.report->begin(), length, buffer.begin());
    return length;
  }

 private:
  std::shared_ptr<DeviceScript> script_;
  FakeClock& clock_;
};

class ScriptedLibrary final : public HidLibrary {
 public:
  explicit ScriptedLibrary(FakeClock& clock) : clock_(clock) {}

  std::vector<HidDeviceRecord> attached;     // what the next refresh lists
  std::optional<std::string> refresh_error;  // makes refreshes fail
  std::map<Bytes, std::string> open_errors;  // paths that cannot be opened
  std::map<Bytes, std::shared_ptr<DeviceScript>> scripts;
  std::map<Bytes, int> open_calls;
  int refreshes = 0;

  std::shared_ptr<DeviceScript>& script(const Bytes& path) {
    auto& slot = scripts[path];
    if (!slot) slot = std::make_shared<DeviceScript>();
    return slot;
  }

  Result<std::size_t> refresh() override {
    ++refreshes;
    if (refresh_error) return Failure{*refresh_error};
    listed_ = attached;
    return listed_.size();
  }

  const std::vector<HidDeviceRecord>& devices() const override { return listed_; }

  Result<std::unique_ptr<HidDevice>> open(const DevicePath& path) override {
    ++open_calls[path];
    if (auto error = open_errors.find(path); error != open_errors.end()) {
      return Failure{error->second};
    }
    auto& device_script = script(path);
    ++device_script->opened;
    return std::unique_ptr<HidDevice>(std::make_unique<ScriptedDevice>(device_script, clock_));
  }

 private:
  FakeClock& clock_;
  std::vector<HidDeviceRecord> listed_;
};

inline Bytes path_of(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A Pro Controller interface on USB as hidapi lists it.
inline HidDeviceRecord pro_controller(std::string_view path, std::int32_t interface = 0) {
  HidDeviceRecord record;
  record.path = path_of(path);
  record.vendor_id = 0x057E;
  record.product_id = 0x2009;
  record.manufacturer = "Nintendo Co., Ltd.";
  record.product = "Pro Controller";
  record.usage_page = 0x0001;
  record.usage = 0x0005;
  record.interface_number = interface;
  record.bus = BusType::Usb;
  return record;
}

// A full (0x30) report: right, shared and left button bytes and the left stick as 12-bit
// values centred on 2048; 64 bytes like the real thing unless cut shorter.
inline Bytes full_report(std::uint8_t right, std::uint8_t shared, std::uint8_t left,
                         int stick_x = 2048, int stick_y = 2048, std::size_t length = 64) {
  Bytes bytes(64, 0);
  bytes[0] = 0x30;
  bytes[1] = 0x12;  // timer
  bytes[2] = 0x91;  // battery and connection
  bytes[3] = right;
  bytes[4] = shared;
  bytes[5] = left;
  bytes[6] = static_cast<std::uint8_t>(stick_x & 0xFF);
  bytes[7] = static_cast<std::uint8_t>((stick_x >> 8 & 0x0F) | (stick_y & 0x0F) << 4);
  bytes[8] = static_cast<std::uint8_t>(stick_y >> 4);
  bytes.resize(length);
  return bytes;
}

// A simple (0x3F) report: buttons, shared buttons, hat and the stick as 16-bit values
// centred on 32768 with down positive.
inline Bytes simple_report(std::uint8_t buttons, std::uint8_t shared, std::uint8_t hat,
                           int stick_x = 32768, int stick_y = 32768, std::size_t length = 12) {
  Bytes bytes{0x3F, buttons, shared, hat,
              static_cast<std::uint8_t>(stick_x & 0xFF), static_cast<std::uint8_t>(stick_x >> 8),
              static_cast<std::uint8_t>(stick_y & 0xFF), static_cast<std::uint8_t>(stick_y >> 8),
              0, 0, 0, 0};
  bytes.resize(length);
  return bytes;
}

}  // namespace korvedan::testing
