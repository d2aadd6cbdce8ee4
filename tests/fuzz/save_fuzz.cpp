// Fuzzing the save reader: whatever it accepts must write out and read back as the same
// progress, and whatever it rejects must say why in one short line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/save/save_json.hpp"
#include "tests/fuzz/fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvedan;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Result<Progress> read = progress_from_json(text);
  if (!read) {
    KV_FUZZ_CHECK(!read.error().empty());
    KV_FUZZ_CHECK(read.error().find('\n') == std::string::npos);
    KV_FUZZ_CHECK(read.error().size() < 1000);  // a few quoted parts, each cut to 40 characters
    return 0;
  }
  const std::string written = progress_to_json(read.value());
  const Result<Progress> again = progress_from_json(written);
  KV_FUZZ_CHECK(again.ok());
  KV_FUZZ_CHECK(again.value() == read.value());
  KV_FUZZ_CHECK(progress_to_json(again.value()) == written);
  return 0;
}
