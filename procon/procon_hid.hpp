// Our own narrow view of the HID library: device records, open devices and the library,
// so that the Pro Controller driver can be run against scripted devices.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/result.hpp"

namespace korvedan {

enum class BusType : std::uint8_t { Unknown, Usb, Bluetooth, I2c, Spi };

// "Unknown", "Usb", "Bluetooth", "I2c" or "Spi", as the log names the bus.
const char* bus_type_name(BusType bus);

// Added to the library's text when the system refused a controller for want of permission:
// on Linux an ordinary user gets a Pro Controller only through the udev rule the game brings.
inline constexpr char permission_denied_hint[] = " (permission denied: see the README about the udev rule)";

// A device path as the library gives it: bytes, compared byte for byte.
using DevicePath = std::vector<std::uint8_t>;

// One HID interface as the library lists it.
struct HidDeviceRecord {
  DevicePath path;
  std::uint16_t vendor_id = 0;
  std::uint16_t product_id = 0;
  std::optional<std::string> manufacturer;
  std::optional<std::string> product;
  std::uint16_t usage_page = 0;
  std::uint16_t usage = 0;
  std::int32_t interface_number = -1;
  BusType bus = BusType::Unknown;
};

// An open device; closed when destroyed. Errors carry the library's own text.
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // Writes one output report; the count is what the library says it wrote.
  virtual Result<std::size_t> write(std::span<const std::uint8_t> report) = 0;
  // Reads one input report into `buffer`; 0 bytes when none came within `timeout`.
  virtual Result<std::size_t> read(std::span<std::uint8_t> buffer,
                                   std::chrono::milliseconds timeout) = 0;
};

// The started library with the device list it holds.
class HidLibrary {
 public:
  virtual ~HidLibrary() = default;
  // Lists the devices again; on failure the list held so far stays.
  virtual Result<std::size_t> refresh() = 0;
  virtual const std::vector<HidDeviceRecord>& devices() const = 0;
  virtual Result<std::unique_ptr<HidDevice>> open(const DevicePath& path) = 0;
};

// Starts the library, which lists the devices once; a failure carries the library's text.
using HidStarter = std::function<Result<std::unique_ptr<HidLibrary>>()>;

}  // namespace korvedan
