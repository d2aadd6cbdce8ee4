// Joins the groups of caves into one table indexed 0..118.
#include "core/levels.hpp"

#include <iterator>
#include <span>
#include <string>

#include "base/fatal.hpp"
#include "core/levels_data.hpp"

namespace korvedan {

namespace {
const std::span<const LevelEntry> groups[] = {
    levels_teaching, levels_districts_a, levels_districts_b,
    levels_districts_c, levels_districts_d, levels_districts_e,
    levels_showpieces,  levels_great,
};
}  // namespace

const LevelEntry& level_entry(std::size_t index) {
  std::size_t first = 0;
  for (std::span<const LevelEntry> group : groups) {
    if (index < first + group.size()) return group[index - first];
    first += group.size();
  }
  fatal("level index " + std::to_string(index) + " is outside 0.." + std::to_string(level_count - 1));
}

}  // namespace korvedan
