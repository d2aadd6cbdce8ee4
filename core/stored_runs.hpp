// The winning runs of data/runs/, built into the program: one for every cave and difficulty.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/difficulty.hpp"

namespace korvedan {

// One file of data/runs/ as the build found it.
struct StoredRunFile {
  std::string_view name;  // "001-normal.txt"
  std::string_view text;
};

// Every file, in the order of their names (made from data/runs/ when the program is built).
std::span<const StoredRunFile> stored_run_files();

// "001-normal.txt" for the first cave on Normal.
std::string stored_run_name(std::size_t cave_index, Difficulty difficulty);

// The tokens of the cave's stored run (one player); empty when there is none.
std::string_view stored_run_text(std::size_t cave_index, Difficulty difficulty);

}  // namespace korvedan
