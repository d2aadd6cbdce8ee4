// The one-time device listing and the scan for new Pro Controllers.
#include "procon/procon_discovery.hpp"

#include <algorithm>
#include <string>

#include "procon/procon_text.hpp"

namespace korvedan {

namespace {

constexpr std::uint16_t generic_desktop_page = 0x0001;
constexpr std::uint16_t joystick_usage = 0x0004;
constexpr std::uint16_t gamepad_usage = 0x0005;

bool looks_like_controller(const HidDeviceRecord& device) {
  const bool game_usage = device.usage_page == generic_desktop_page &&
                          (device.usage == joystick_usage || device.usage == gamepad_usage);
  return game_usage || device.vendor_id == nintendo_vendor_id;
}

bool is_pro_controller(const HidDeviceRecord& device) {
  return device.vendor_id == nintendo_vendor_id &&
         device.product_id == pro_controller_product_id;
}

std::string text_or_unknown(const std::optional<std::string>& text) {
  return text ? *text : std::string("?");
}

std::string usage_and_bus(const HidDeviceRecord& device) {
  return ", usage " + hex_u16(device.usage_page) + ":" + hex_u16(device.usage) + ", " +
         bus_type_name(device.bus);
}

// "  057e:2009 Pro Controller by Nintendo Co., Ltd., usage 0001:0005, Usb"
std::string listing_line(const HidDeviceRecord& device) {
  return "  " + hex_u16(device.vendor_id) + ":" + hex_u16(device.product_id) + " " +
         text_or_unknown(device.product) + " by " + text_or_unknown(device.manufacturer) +
         usage_and_bus(device);
}

// "Pro Controller, interface 0, usage 0001:0005, Usb"
std::string description(const HidDeviceRecord& device) {
  return text_or_unknown(device.product) + ", interface " +
         std::to_string(device.interface_number) + usage_and_bus(device);
}

bool already_handled(const DevicePath& path, const std::vector<ProPad>& pads,
                     const FailedPaths& failed) {
  return std::any_of(pads.begin(), pads.end(),
                     [&](const ProPad& pad) { return pad.path == path; }) ||
         std::find(failed.begin(), failed.end(), path) != failed.end();
}

}  // namespace

void list_controllers(const HidLibrary& hid, DriverServices& services) {
  services.log("devices that look like game controllers:");
  bool any = false;
  for (const HidDeviceRecord& device : hid.devices()) {
    if (!looks_like_controller(device)) continue;
    services.log(listing_line(device));
    any = true;
  }
  if (!any) services.log("  none");
}

void scan(HidLibrary& hid, std::vector<ProPad>& pads, FailedPaths& failed,
          DriverServices& services) {
  if (Result<std::size_t> listed = hid.refresh(); !listed) {
    services.log("listing devices failed: " + listed.error());
  }
  // A copy: opening a device must not pull the list from under us.
  const std::vector<HidDeviceRecord> devices = hid.devices();
  for (const HidDeviceRecord& device : devices) {
    if (!is_pro_controller(device) || already_handled(device.path, pads, failed)) continue;
    services.log("found a Pro Controller: " + description(device) + ", at " +
                 quoted_path(device.path));
    Result<std::unique_ptr<HidDevice>> opened = hid.open(device.path);
    if (!opened) {
      services.log("  could not be opened: " + opened.error());
      failed.push_back(device.path);
      continue;
    }
    services.log("  opened");
    ProPad pad;
    pad.path = device.path;
    pad.device = std::move(opened).value();
    wake_up(*pad.device, services);
    pad.last_report = pad.last_wake = services.clock.now();
    pads.push_back(std::move(pad));
  }
}

}  // namespace korvedan
