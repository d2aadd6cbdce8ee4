// The text form of recorded inputs: one token per tick, as kvtool and the stored runs use it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.hpp"
#include "core/tick.hpp"

namespace korvedan {

// A token is an optional G (grab), an optional F (fire), then U, R, D, L or "." for no move;
// with two players it is two such tokens joined by "/", player 1 first ("R/." ).
using TickInputs = std::array<TickInput, 2>;

// Tokens are separated by white space. A malformed token fails with its line and column.
Result<std::vector<TickInputs>> parse_input_tokens(std::string_view text, int players);
std::string format_input_token(TickInput input);

}  // namespace korvedan
