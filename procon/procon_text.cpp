// Hex numbers, quoted device paths and bus names as the controller log shows them.
#include "procon/procon_text.hpp"

#include "base/hex_text.hpp"

namespace korvedan {

std::string hex_byte(std::uint8_t value) {
  std::string text;
  append_hex(text, value, 2);
  return text;
}

std::string hex_u16(std::uint16_t value) {
  std::string text;
  append_hex(text, value, 4);
  return text;
}

std::string hex_bytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (!text.empty()) text += ' ';
    append_hex(text, byte, 2);
  }
  return text;
}

std::string quoted_path(const DevicePath& path) {
  std::string text = "\"";
  for (std::uint8_t byte : path) {
    switch (byte) {
      case '\\': text += "\\\\"; break;
      case '"': text += "\\\""; break;
      case '\n': text += "\\n"; break;
      case '\r': text += "\\r"; break;
      case '\t': text += "\\t"; break;
      case '\0': text += "\\0"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          // Other control characters as \u{1b}, the escape the log has always used.
          text += "\\u{";
          append_hex(text, byte);
          text += '}';
        } else {
          text += static_cast<char>(byte);
        }
    }
  }
  text += '"';
  return text;
}

const char* bus_type_name(BusType bus) {
  switch (bus) {
    case BusType::Usb: return "Usb";
    case BusType::Bluetooth: return "Bluetooth";
    case BusType::I2c: return "I2c";
    case BusType::Spi: return "Spi";
    case BusType::Unknown: break;
  }
  return "Unknown";
}

}  // namespace korvedan
