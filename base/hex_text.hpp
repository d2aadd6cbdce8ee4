// Numbers as lower-case hex in the texts the game writes: ids, bytes and escaped characters.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace korvedan {

// Appends the value in lower-case hex, zero-padded to at least `width` digits.
inline void append_hex(std::string& out, std::uint32_t value, std::size_t width = 1) {
  char digits[8];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, 16);
  (void)error;  // eight hex digits hold every 32-bit value
  const auto count = static_cast<std::size_t>(end - digits);
  if (count < width) out.append(width - count, '0');
  out.append(digits, count);
}

}  // namespace korvedan
