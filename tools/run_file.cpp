// Token files of player-1 inputs.
#include "tools/run_file.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

#include "core/input_tokens.hpp"

namespace korvedan::tool {

Result<std::vector<TickInput>> read_run_file(const std::string& path) {
  std::stringstream text;
  if (path == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(path);
    if (!in) return Failure{path + ": cannot be read"};
    text << in.rdbuf();
  }
  const auto tokens = parse_input_tokens(text.str(), 1);
  if (!tokens) return Failure{path + ": " + tokens.error()};
  std::vector<TickInput> inputs;
  for (const TickInputs& t : tokens.value()) inputs.push_back(t[0]);
  return inputs;
}

}  // namespace korvedan::tool
