// The level table's pieces, one array per group of caves, joined by core/levels.cpp.
#pragma once

#include <span>
#include <string_view>

#include "core/level_entry.hpp"

namespace korvedan {

// Checked when the program is built: every row as wide as the first, the border all steel.
consteval bool walled_rectangle(std::span<const std::string_view> rows) {
  if (rows.size() < 3) return false;
  const std::size_t width = rows[0].size();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string_view row = rows[r];
    if (row.size() != width || row.front() != '#' || row.back() != '#') return false;
    if (r == 0 || r + 1 == rows.size()) {
      for (char c : row) {
        if (c != '#') return false;
      }
    }
  }
  return true;
}

extern const LevelEntry levels_teaching[22];      // caves 1-22
extern const LevelEntry levels_districts_a[27];   // caves 23-49
extern const LevelEntry levels_districts_b[22];   // caves 50-71
extern const LevelEntry levels_districts_c[11];   // caves 72-82
extern const LevelEntry levels_districts_d[8];    // caves 83-90
extern const LevelEntry levels_districts_e[10];   // caves 91-100
extern const LevelEntry levels_showpieces[13];    // caves 101-113
extern const LevelEntry levels_great[6];          // caves 114-119

}  // namespace korvedan
