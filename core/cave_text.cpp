// Cells back to letters, for tools, tests and anyone reading a cave at the terminal.
#include "core/cave_text.hpp"

#include "core/cell_table.hpp"

namespace korvedan {

std::vector<std::string> cave_rows(const Cave& cave) {
  std::vector<std::string> rows;
  for (std::int32_t y = 0; y < cave.height; ++y) {
    std::string row;
    for (std::int32_t x = 0; x < cave.width; ++x) row += cell_letter(cell_at(cave, x, y));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace korvedan
