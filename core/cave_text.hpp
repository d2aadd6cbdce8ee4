// A cave written back as text: the level letters, plus marks for what only play makes.
#pragma once

#include <string>
#include <vector>

#include "core/cave.hpp"

namespace korvedan {

// The level letter of a cell; a blast is "!", a fuse "f", a drop ",", a lit lamp "l" and the
// second player's digger "2".
char cell_letter(Cell cell);

// Every row of the cave in those letters, top row first.
std::vector<std::string> cave_rows(const Cave& cave);

}  // namespace korvedan
