// Waking and polling one Pro Controller.
#include "procon/procon_pad.hpp"

#include <algorithm>
#include <string>

#include "procon/procon_reports.hpp"
#include "procon/procon_text.hpp"

namespace korvedan {

namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t handshake[] = {0x80, 0x02};
constexpr std::uint8_t fast_rate[] = {0x80, 0x03};
constexpr std::uint8_t usb_only[] = {0x80, 0x04};
// Output report 1, packet 1, neutral rumble, then sub-command 0x03 "input mode" 0x30.
constexpr std::uint8_t full_reports[] = {0x01, 0x01, 0x00, 0x01, 0x40, 0x40,
                                         0x00, 0x01, 0x40, 0x40, 0x03, 0x30};

constexpr WakeCommand wake_commands[] = {
    {"handshake", handshake},
    {"fast rate", fast_rate},
    {"handshake", handshake},
    {"usb only", usb_only},
    {"full reports", full_reports},
};

constexpr auto command_pause = 80ms;
constexpr auto read_wait = 8ms;
constexpr auto wake_interval = 1500ms;
constexpr auto silence_limit = 8s;
constexpr std::uint32_t most_tries = 4;  // the first wake-up and three more
constexpr std::size_t logged_report_bytes = 16;

// Reports 1 to 3 of each id and every 500th are logged, so a running controller cannot
// fill the log.
bool worth_logging(std::uint32_t count) { return count < 4 || count % 500 == 0; }

std::uint32_t count_report(ProPad& pad, std::uint8_t id) {
  auto entry = std::find_if(pad.report_counts.begin(), pad.report_counts.end(),
                            [id](const ReportCount& seen) { return seen.id == id; });
  if (entry == pad.report_counts.end()) {
    pad.report_counts.push_back({id, 1});
    return 1;
  }
  return ++entry->count;
}

void take_report(ProPad& pad, std::span<const std::uint8_t> report, DriverServices& services) {
  pad.last_report = services.clock.now();
  const std::uint32_t count = count_report(pad, report[0]);
  if (worth_logging(count)) {
    services.log("  report " + hex_byte(report[0]) + " #" + std::to_string(count) + ", " +
                 std::to_string(report.size()) + " bytes: " +
                 hex_bytes(report.first(std::min(report.size(), logged_report_bytes))));
  }
  if (std::optional<PadState> decoded = decode_report(report)) {
    if (!pad.state) services.log("  buttons are arriving: " + to_string(*decoded));
    pad.state = decoded;
  }
}

}  // namespace

std::span<const WakeCommand> wake_sequence() { return wake_commands; }

void send_command(HidDevice& device, std::string_view name, std::span<const std::uint8_t> bytes,
                  DriverServices& services) {
  std::array<std::uint8_t, report_size> report{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), report.size()), report.begin());
  const std::string shown = std::string(name) + " (" + hex_bytes(bytes) + ")";
  Result<std::size_t> written = device.write(report);
  if (written) {
    services.log("  sent " + shown + ": " + std::to_string(written.value()) + " bytes");
  } else {
    // The rest of the sequence is still worth sending.
    services.log("  sending " + shown + " failed: " + written.error());
  }
  services.clock.sleep(command_pause);
}

void wake_up(HidDevice& device, DriverServices& services) {
  for (const WakeCommand& command : wake_sequence()) {
    send_command(device, command.name, command.bytes, services);
  }
}

PollOutcome poll(ProPad& pad, DriverServices& services) {
  std::array<std::uint8_t, report_size> buffer{};
  Result<std::size_t> read = pad.device->read(buffer, read_wait);
  if (!read) {
    services.log("  reading failed, giving it up: " + read.error());
    return PollOutcome::Drop;
  }
  const std::size_t length = std::min(read.value(), buffer.size());
  if (length > 0) take_report(pad, std::span(buffer).first(length), services);

  if (!pad.state && pad.tries < most_tries &&
      services.clock.now() - pad.last_wake > wake_interval) {
    pad.tries += 1;
    pad.last_wake = services.clock.now();
    services.log("  no buttons yet, waking it again (try " + std::to_string(pad.tries) + ")");
    wake_up(*pad.device, services);
  }

  if (services.clock.now() - pad.last_report > silence_limit) {
    services.log("  silent for too long, letting it go");
    return PollOutcome::Drop;
  }
  return PollOutcome::Keep;
}

}  // namespace korvedan
