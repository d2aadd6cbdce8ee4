// Fuzzing the input tokens: what parses must format and parse back to the same inputs, and a
// rejected text is told in one short line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/input_tokens.hpp"
#include "tests/fuzz/fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvedan;
  if (size < 1) return 0;
  const int players = (data[0] & 1) + 1;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto parsed = parse_input_tokens(text, players);
  if (!parsed) {
    KV_FUZZ_CHECK(parsed.error().find('\n') == std::string::npos);
    // At most 40 characters of the token, each written out as \u{..} at worst.
    KV_FUZZ_CHECK(parsed.error().size() < 40 * 6 + 200);
    return 0;
  }
  std::string written;
  for (const TickInputs& inputs : parsed.value()) {
    written += format_input_token(inputs[0]);
    if (players == 2) written += "/" + format_input_token(inputs[1]);
    written += ' ';
  }
  const auto again = parse_input_tokens(written, players);
  KV_FUZZ_CHECK(again.ok());
  KV_FUZZ_CHECK(again.value().size() == parsed.value().size());
  for (std::size_t i = 0; i < again.value().size(); ++i) {
    for (int p = 0; p < 2; ++p) {
      const TickInput a = again.value()[i][p], b = parsed.value()[i][p];
      KV_FUZZ_CHECK(a.grab == b.grab && a.fire == b.fire && a.dir == b.dir);
    }
  }
  return 0;
}
