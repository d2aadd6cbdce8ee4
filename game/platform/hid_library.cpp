// hidapi behind our HID interface: device records, open devices and their error texts.
#include "game/platform/hid_library.hpp"

#include <hidapi/hidapi.h>

#include <cerrno>
#include <cwchar>
#include <string>

#include "base/utf8.hpp"

namespace korvedan {

namespace {

// hidapi speaks wide strings: UTF-32 here, UTF-16 on Windows.
std::string to_utf8(const wchar_t* text) {
  std::string out;
  for (; *text != L'\0'; ++text) {
    char32_t code = static_cast<char32_t>(*text);
    if constexpr (sizeof(wchar_t) == 2) {
      if (code >= 0xD800 && code < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[1]) - 0xDC00);
        ++text;
      }
    }
    if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) code = 0xFFFD;
    append_utf8(out, code);
  }
  return out;
}

std::optional<std::string> optional_text(const wchar_t* text) {
  if (text == nullptr) return std::nullopt;
  return to_utf8(text);
}

std::string error_text(hid_device* device) {
  const wchar_t* text = hid_error(device);
  return text != nullptr ? to_utf8(text) : std::string("no error text");
}

BusType bus_type(hid_bus_type bus) {
  switch (bus) {
    case HID_API_BUS_USB: return BusType::Usb;
    case HID_API_BUS_BLUETOOTH: return BusType::Bluetooth;
    case HID_API_BUS_I2C: return BusType::I2c;
    case HID_API_BUS_SPI: return BusType::Spi;
    default: return BusType::Unknown;
  }
}

HidDeviceRecord record_of(const hid_device_info& info) {
  HidDeviceRecord record;
  if (info.path != nullptr) {
    const std::string_view path(info.path);
    record.path.assign(path.begin(), path.end());
  }
  record.vendor_id = info.vendor_id;
  record.product_id = info.product_id;
  record.manufacturer = optional_text(info.manufacturer_string);
  record.product = optional_text(info.product_string);
  record.usage_page = info.usage_page;
  record.usage = info.usage;
  record.interface_number = info.interface_number;
  record.bus = bus_type(info.bus_type);
  return record;
}

class HidapiDevice final : public HidDevice {
 public:
  explicit HidapiDevice(hid_device* device) : device_(device) {}
  ~HidapiDevice() override { hid_close(device_); }
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  Result<std::size_t> write(std::span<const std::uint8_t> report) override {
    const int written = hid_write(device_, report.data(), report.size());
    if (written < 0) return Failure{error_text(device_)};
    return static_cast<std::size_t>(written);
  }

  Result<std::size_t> read(std::span<std::uint8_t> buffer,
                           std::chrono::milliseconds timeout) override {
    const int got = hid_read_timeout(device_, buffer.data(), buffer.size(),
                                     static_cast<int>(timeout.count()));
    if (got < 0) return Failure{error_text(device_)};
    return static_cast<std::size_t>(got);
  }

 private:
  hid_device* device_;
};

class Hidapi final : public HidLibrary {
 public:
  // An empty answer is an empty list: hidapi says no more than that about failures here.
  Result<std::size_t> refresh() override {
    hid_device_info* first = hid_enumerate(0, 0);
    std::vector<HidDeviceRecord> listed;
    for (const hid_device_info* info = first; info != nullptr; info = info->next) {
      listed.push_back(record_of(*info));
    }
    hid_free_enumeration(first);
    devices_ = std::move(listed);
    return devices_.size();
  }

  const std::vector<HidDeviceRecord>& devices() const override { return devices_; }

  Result<std::unique_ptr<HidDevice>> open(const DevicePath& path) override {
    const std::string terminated(path.begin(), path.end());
    errno = 0;
    hid_device* device = hid_open_path(terminated.c_str());
    if (device == nullptr) {
      // hidapi keeps the system's errno from its failed open(); its own text only says it.
      const bool refused = errno == EACCES || errno == EPERM;
      return Failure{error_text(nullptr) + (refused ? permission_denied_hint : "")};
    }
    return std::unique_ptr<HidDevice>(std::make_unique<HidapiDevice>(device));
  }

 private:
  std::vector<HidDeviceRecord> devices_;
};

}  // namespace

Result<std::unique_ptr<HidLibrary>> start_hid_library() {
  if (hid_init() != 0) return Failure{error_text(nullptr)};
  auto hid = std::make_unique<Hidapi>();
  hid->refresh();
  return std::unique_ptr<HidLibrary>(std::move(hid));
}

}  // namespace korvedan
