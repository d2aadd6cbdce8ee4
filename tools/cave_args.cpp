// Cave numbers and difficulty words on kvtool's command lines.
#include "tools/cave_args.hpp"

#include <charconv>

#include "core/levels.hpp"

namespace korvedan::tool {

std::optional<std::size_t> cave_index_arg(std::string_view text) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > level_count) return std::nullopt;
  return number - 1;
}

std::optional<Difficulty> difficulty_arg(std::string_view text) { return difficulty_from_word(text); }

bool count_arg(const Args& args, std::size_t& i, std::size_t& out) {
  if (i + 1 >= args.size()) return false;
  const std::string& text = args[i + 1];
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  ++i;
  return true;
}

}  // namespace korvedan::tool
