// kvtool cave N: a built-in cave's table entry as plain text.
#include <iostream>

#include "core/levels.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

int run_cave(const Args& args) {
  if (args.size() != 1) return usage_error("cave", "expected one cave number");
  const auto index = cave_index_arg(args[0]);
  if (!index) return usage_error("cave", "the cave number must be 1 to 119, not \"" + args[0] + "\"");
  const LevelEntry& level = level_entry(*index);
  const std::size_t width = level.rows.empty() ? 0 : level.rows[0].size();
  std::cout << level.name << '|' << width << '|' << level.rows.size() << '|' << level.crystals_needed << '|'
            << level.time << '\n';
  for (std::string_view row : level.rows) std::cout << row << '\n';
  return 0;
}

KV_COMMAND(cave, "cave", "N   (prints NAME|WIDTH|HEIGHT|CRYSTALS|TIME, then the rows)", run_cave);

}  // namespace
}  // namespace korvedan::tool
