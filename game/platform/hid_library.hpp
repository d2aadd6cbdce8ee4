// The real HID library (hidapi) behind our own HID interface.
#pragma once

#include <memory>

#include "base/result.hpp"
#include "procon/procon_hid.hpp"

namespace korvedan {

// Starts hidapi and lists the devices once; the failure carries hidapi's error text.
Result<std::unique_ptr<HidLibrary>> start_hid_library();

}  // namespace korvedan
