// kvtool: trace, solve, render and listen to the game without a window.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "tools/command.hpp"

namespace korvedan::tool {

std::vector<Command>& commands() {
  static std::vector<Command> all;
  return all;
}

int usage_error(std::string_view command, std::string_view message) {
  std::cerr << "kvtool " << command << ": " << message << "\n";
  for (const Command& c : commands()) {
    if (c.name == command) std::cerr << "usage: kvtool " << c.name << " " << c.usage << "\n";
  }
  return 2;
}

}  // namespace korvedan::tool

int main(int argc, char** argv) {
  using namespace korvedan::tool;
  auto& all = commands();
  std::sort(all.begin(), all.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
  if (argc < 2 || std::string_view(argv[1]) == "help" || std::string_view(argv[1]) == "--help") {
    std::cerr << "usage: kvtool COMMAND ARGS...\n";
    for (const Command& c : all) std::cerr << "  kvtool " << c.name << " " << c.usage << "\n";
    return argc < 2 ? 2 : 0;
  }
  std::string_view name = argv[1];
  for (const Command& c : all) {
    if (c.name == name) return c.run(Args(argv + 2, argv + argc));
  }
  std::cerr << "kvtool: no command \"" << name << "\" (kvtool help lists them)\n";
  return 2;
}
