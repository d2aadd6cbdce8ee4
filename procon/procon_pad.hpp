// One opened Pro Controller: waking it with vendor commands and reading its reports.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "game/session/input_records.hpp"
#include "procon/procon_hid.hpp"
#include "procon/procon_services.hpp"

namespace korvedan {

inline constexpr std::uint16_t nintendo_vendor_id = 0x057E;
inline constexpr std::uint16_t pro_controller_product_id = 0x2009;

// Every command goes out as a zero-filled report of this size, and reads use one too.
inline constexpr std::size_t report_size = 64;

struct WakeCommand {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};

// Handshake, fast rate, handshake, USB only, then a request for full reports: without them
// the controller keeps its buttons to itself.
std::span<const WakeCommand> wake_sequence();

struct ReportCount {
  std::uint8_t id = 0;
  std::uint32_t count = 0;
};

struct ProPad {
  std::vector<ReportCount> report_counts;  // in order of first arrival
  DriverClock::Instant last_report;
  DriverClock::Instant last_wake;
  DevicePath path;
  std::unique_ptr<HidDevice> device;
  std::uint32_t tries = 1;       // wake-up sequences sent
  std::optional<PadState> state;  // none until a report could be decoded
};

// Writes one command as a 64-byte report, logs how it went, then gives the controller 80 ms.
void send_command(HidDevice& device, std::string_view name, std::span<const std::uint8_t> bytes,
                  DriverServices& services);

// The five wake-up commands in order, about 0.4 s in all.
void wake_up(HidDevice& device, DriverServices& services);

enum class PollOutcome { Keep, Drop };

// One read of at most 8 ms and what follows from it: counting and decoding the report,
// waking a controller that sends no buttons yet, and giving up on a broken or silent one.
PollOutcome poll(ProPad& pad, DriverServices& services);

}  // namespace korvedan
