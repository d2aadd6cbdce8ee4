// A player's own run of a cave as its file keeps it: a first line saying whose cave it was
// played on and what it scored, then one input token a tick.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.hpp"
#include "core/difficulty.hpp"
#include "core/input_tokens.hpp"

namespace korvedan {

struct RunHeader {
  std::size_t cave_index = 0;  // written as the cave's number, 1 for the first
  int players = 1;             // 1 or 2
  Difficulty difficulty = Difficulty::Normal;
  std::uint32_t score = 0;
  std::uint64_t cave_hash = 0;  // cave_digest of the cave as it was parsed at the start

  bool operator==(const RunHeader&) const = default;
};

struct RecordedRun {
  RunHeader header;
  std::vector<TickInputs> inputs;  // one a tick; with one player the second is idle

  bool operator==(const RecordedRun&) const = default;
};

// "korvedan run cave 1 players 1 difficulty normal score 1234 hash 00ff00ff00ff00ff"
std::string run_first_line(const RunHeader& header);

// The first line, then the tokens 32 to a line.
std::string format_recorded_run(const RunHeader& header, const std::vector<TickInputs>& inputs);

// The message names the line that is wrong.
Result<RecordedRun> parse_recorded_run(std::string_view text);

}  // namespace korvedan
