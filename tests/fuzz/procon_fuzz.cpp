// Fuzzing the Pro Controller's report decoding: any bytes a device sends decode or are
// refused, never read past the report, and decode the same way twice.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "procon/procon_reports.hpp"
#include "tests/fuzz/fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvedan;
  const std::span<const std::uint8_t> report(data, size);
  const std::optional<PadState> first = decode_report(report);
  const std::optional<PadState> second = decode_report(report);
  KV_FUZZ_CHECK(first.has_value() == second.has_value());
  if (first) {
    KV_FUZZ_CHECK(size > 0 && (data[0] == full_report_id || data[0] == simple_report_id));
    KV_FUZZ_CHECK(*first == *second);
  }
  if (size >= 8) {
    float x, y;
    std::memcpy(&x, data, 4);
    std::memcpy(&y, data + 4, 4);
    const Dir way = stick_direction(x, y);
    KV_FUZZ_CHECK(way == Dir::None || static_cast<int>(way) < 4);
  }
  return 0;
}
