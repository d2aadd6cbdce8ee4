// Reading and writing recorded inputs, one token per tick.
#include "core/input_tokens.hpp"

#include <optional>

#include "core/echo.hpp"

namespace korvedan {

namespace {

std::optional<TickInput> one_player(std::string_view t) {
  TickInput in;
  std::size_t i = 0;
  if (i < t.size() && t[i] == 'G') in.grab = 1, ++i;
  if (i < t.size() && t[i] == 'F') in.fire = 1, ++i;
  if (i + 1 != t.size()) return std::nullopt;
  switch (t[i]) {
    case 'U': in.dir = Dir::Up; break;
    case 'R': in.dir = Dir::Right; break;
    case 'D': in.dir = Dir::Down; break;
    case 'L': in.dir = Dir::Left; break;
    case '.': in.dir = Dir::None; break;
    default: return std::nullopt;
  }
  return in;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

Result<std::vector<TickInputs>> parse_input_tokens(std::string_view text, int players) {
  std::vector<TickInputs> inputs;
  std::size_t line = 1, column = 1, i = 0;
  while (i < text.size()) {
    if (is_space(text[i])) {
      if (text[i] == '\n') ++line, column = 0;
      ++i, ++column;
      continue;
    }
    const std::size_t start = i, start_column = column;
    while (i < text.size() && !is_space(text[i])) ++i, ++column;
    const std::string_view token = text.substr(start, i - start);
    const std::size_t slash = token.find('/');
    std::optional<TickInput> first, second = TickInput{};
    if (players == 2) {
      if (slash != std::string_view::npos) {
        first = one_player(token.substr(0, slash));
        second = one_player(token.substr(slash + 1));
      }
    } else if (slash == std::string_view::npos) {
      first = one_player(token);
    }
    if (!first || !second) {
      return Failure{"line " + std::to_string(line) + ", column " + std::to_string(start_column) +
                     ": " + echoed(token) + " is not an input token" +
                     (players == 2 ? " (two players: like R/. or GU/FL)" : " (like R, FR, GU or F.)")};
    }
    inputs.push_back({*first, *second});
  }
  return inputs;
}

std::string format_input_token(TickInput in) {
  std::string t;
  if (in.grab & 1) t += 'G';
  if (in.fire & 1) t += 'F';
  switch (in.dir) {
    case Dir::Up: t += 'U'; break;
    case Dir::Right: t += 'R'; break;
    case Dir::Down: t += 'D'; break;
    case Dir::Left: t += 'L'; break;
    case Dir::None: t += '.'; break;
  }
  return t;
}

}  // namespace korvedan
