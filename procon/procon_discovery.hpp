// Finding Pro Controllers among the HID devices and opening the new ones.
#pragma once

#include <vector>

#include "procon/procon_hid.hpp"
#include "procon/procon_pad.hpp"
#include "procon/procon_services.hpp"

namespace korvedan {

// Paths that could not be opened; never tried again in this run, so a controller held by
// another program is not pestered every two seconds.
using FailedPaths = std::vector<DevicePath>;

// Logs, once at start, every device that looks like a game controller or comes from Nintendo.
void list_controllers(const HidLibrary& hid, DriverServices& services);

// Lists the devices again and opens every Pro Controller interface not yet open and not
// failed before; each one opened is woken and appended to `pads`.
void scan(HidLibrary& hid, std::vector<ProPad>& pads, FailedPaths& failed,
          DriverServices& services);

}  // namespace korvedan
