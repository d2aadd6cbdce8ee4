// Decoding the Pro Controller's full (0x30) and simple (0x3F) input reports.
#include "procon/procon_reports.hpp"

#include <algorithm>
#include <cmath>

namespace korvedan {

namespace {

// Full report: byte 3 right-hand buttons, 4 shared, 5 left-hand, 6-8 the left stick.
constexpr std::uint8_t face_buttons = 0x0F;  // Y, X, B, A (right byte) or B, A, Y, X (simple)
constexpr std::uint8_t minus_button = 0x01;
constexpr std::uint8_t plus_button = 0x02;
constexpr std::uint8_t shoulder_buttons = 0xC0;  // R and ZR, or L and ZL
constexpr std::uint8_t dpad_down = 0x01;
constexpr std::uint8_t dpad_up = 0x02;
constexpr std::uint8_t dpad_right = 0x04;
constexpr std::uint8_t dpad_left = 0x08;

PadState decode_full(std::span<const std::uint8_t> report) {
  const std::uint8_t right = report[3];
  const std::uint8_t shared = report[4];
  const std::uint8_t left = report[5];
  PadState pad;
  pad.face = (right & face_buttons) != 0;
  pad.start = (shared & plus_button) != 0;
  pad.select = (shared & minus_button) != 0;
  pad.drop = ((right | left) & shoulder_buttons) != 0;
  // The d-pad wins over the stick; Up and Right are tested before Down and Left.
  if (left & dpad_up) {
    pad.dir = Dir::Up;
  } else if (left & dpad_right) {
    pad.dir = Dir::Right;
  } else if (left & dpad_down) {
    pad.dir = Dir::Down;
  } else if (left & dpad_left) {
    pad.dir = Dir::Left;
  } else {
    // Two 12-bit values packed into three bytes, centred on 2048.
    const int raw_x = (report[7] & 0x0F) << 8 | report[6];
    const int raw_y = report[8] << 4 | report[7] >> 4;
    pad.dir = stick_direction(static_cast<float>(raw_x - 2048) / 2048.0f,
                              static_cast<float>(raw_y - 2048) / 2048.0f);
  }
  return pad;
}

PadState decode_simple(std::span<const std::uint8_t> report) {
  const std::uint8_t buttons = report[1];
  const std::uint8_t shared = report[2];
  const std::uint8_t hat = report[3];
  PadState pad;
  pad.face = (buttons & face_buttons) != 0;
  pad.drop = buttons >= 0x10;
  pad.start = (shared & plus_button) != 0;
  pad.select = (shared & minus_button) != 0;
  if (hat == 0) {
    pad.dir = Dir::Up;
  } else if (hat <= 3) {
    pad.dir = Dir::Right;
  } else if (hat == 4) {
    pad.dir = Dir::Down;
  } else if (hat <= 7) {
    pad.dir = Dir::Left;
  } else {
    // A centred hat: little-endian 16-bit axes centred on 32768, down positive.
    const int raw_x = report[4] | report[5] << 8;
    const int raw_y = report[6] | report[7] << 8;
    pad.dir = stick_direction(static_cast<float>(raw_x - 32768) / 32768.0f,
                              -static_cast<float>(raw_y - 32768) / 32768.0f);
  }
  return pad;
}

}  // namespace

Dir stick_direction(float x, float y) {
  const float ax = std::fabs(x);
  const float ay = std::fabs(y);
  if (std::max(ax, ay) < 0.5f) return Dir::None;
  if (ax > ay) return x > 0 ? Dir::Right : Dir::Left;
  return y > 0 ? Dir::Up : Dir::Down;
}

std::optional<PadState> decode_report(std::span<const std::uint8_t> report) {
  if (report.empty()) return std::nullopt;
  if (report[0] == full_report_id && report.size() > 8) return decode_full(report);
  if (report[0] == simple_report_id && report.size() > 7) return decode_simple(report);
  return std::nullopt;
}

}  // namespace korvedan
