// Fuzzing the cave parser and then the cave rules: any cave the parser takes must play.
// Input: one byte of settings (bit 0: two players, bits 1-2: difficulty), the cave's rows up
// to a NUL byte, then one byte per player and tick of input.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/parse.hpp"
#include "core/tick.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace {

using namespace korvedan;

TickInput input_of(std::uint8_t byte) {
  const std::uint8_t way = byte & 7;
  return TickInput{static_cast<std::uint8_t>(byte >> 3 & 1), static_cast<std::uint8_t>(byte >> 4 & 1),
                   way < 4 ? static_cast<Dir>(way) : Dir::None};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int players = (data[0] & 1) + 1;
  const auto difficulty = static_cast<Difficulty>((data[0] >> 1 & 3) % 3);
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t end = rest.find('\0');
  std::string_view text = rest.substr(0, end);
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);  // a file's last line feed ends a row
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);

  std::vector<std::string_view> rows;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t line_end = std::min(text.find('\n', start), text.size());
    rows.push_back(text.substr(start, line_end - start));
    start = line_end + 1;
  }
  const LevelEntry level{"FUZZ", rows, 3, 150};
  Result<Cave> parsed = parse_cave(level, players, difficulty);
  if (!parsed) {
    KV_FUZZ_CHECK(!parsed.error().empty());
    return 0;
  }
  Cave cave = std::move(parsed).value();
  const std::size_t cells = cave.cells.size();
  KV_FUZZ_CHECK(cells == static_cast<std::size_t>(cave.width) * static_cast<std::size_t>(cave.height));
  // At least a few idle ticks, so that even an input of nothing but a cave plays.
  const std::size_t ticks = std::min<std::size_t>(std::max<std::size_t>(rest.size() / players, 8), 400);
  for (std::size_t t = 0; t < ticks; ++t) {
    const std::size_t at = t * static_cast<std::size_t>(players);
    const TickInput first = at < rest.size() ? input_of(static_cast<std::uint8_t>(rest[at])) : TickInput{};
    const TickInput second =
        players == 2 && at + 1 < rest.size() ? input_of(static_cast<std::uint8_t>(rest[at + 1])) : TickInput{};
    const EventList events = tick(cave, first, second);
    for (const CaveEvent event : events) KV_FUZZ_CHECK(static_cast<int>(event) <= 28);
    KV_FUZZ_CHECK(cave.cells.size() == cells);
    KV_FUZZ_CHECK(cave.diggers.size() == static_cast<std::size_t>(players));
  }
  return 0;
}
