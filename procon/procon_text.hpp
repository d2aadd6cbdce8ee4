// How the Pro Controller driver writes bytes, ids and device paths into the log.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "procon/procon_hid.hpp"

namespace korvedan {

// "0a": two lower-case hex digits.
std::string hex_byte(std::uint8_t value);

// "057e": four lower-case hex digits.
std::string hex_u16(std::uint16_t value);

// "80 02": the bytes as two-digit lower-case hex, separated by single spaces.
std::string hex_bytes(std::span<const std::uint8_t> bytes);

// The path in double quotes with backslashes, quotes and control characters escaped;
// every other byte as it is.
std::string quoted_path(const DevicePath& path);

}  // namespace korvedan
