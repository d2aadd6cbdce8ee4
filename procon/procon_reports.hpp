// Turning a Pro Controller's input reports into a pad state.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/cave.hpp"
#include "game/session/input_records.hpp"

namespace korvedan {

inline constexpr std::uint8_t full_report_id = 0x30;    // the standard full report
inline constexpr std::uint8_t simple_report_id = 0x3F;  // the plain HID report before waking

// A stick position, each axis from -1 to 1 with up positive, as a direction: none until the
// stick is pushed half way, then the axis pushed further (up or down on a tie).
Dir stick_direction(float x, float y);

// The pad state a report carries, or none for any other report or one too short.
std::optional<PadState> decode_report(std::span<const std::uint8_t> report);

}  // namespace korvedan
