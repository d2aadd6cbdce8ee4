// A cave written back as text: the level letters, plus marks for what only play makes.
#pragma once

#include <string>
#include <vector>

#include "core/cave.hpp"

namespace korvedan {

// A cell's letter is cell_letter() in core/cell_table.hpp: the level letters, and a blast "!",
// a fuse "f", a drop ",", a lit lamp "l" and the second player's digger "2".

// Every row of the cave in those letters, top row first.
std::vector<std::string> cave_rows(const Cave& cave);

}  // namespace korvedan
