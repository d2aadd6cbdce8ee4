// Finding a stored winning run among the files built into the program.
#include "core/stored_runs.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

namespace korvedan {

namespace {

// The name in a buffer of its own: looking a run up never reaches for the heap.
struct RunName {
  std::array<char, 40> text{};
  std::size_t size = 0;

  RunName(std::size_t cave_index, Difficulty difficulty) {
    const std::string_view word = difficulty_word(difficulty);
    const int n = std::snprintf(text.data(), text.size(), "%03zu-%.*s.txt", cave_index + 1,
                                static_cast<int>(word.size()), word.data());
    size = n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), text.size() - 1);
  }
  std::string_view view() const { return {text.data(), size}; }
};

}  // namespace

std::string stored_run_name(std::size_t cave_index, Difficulty difficulty) {
  return std::string(RunName(cave_index, difficulty).view());
}

std::string_view stored_run_text(std::size_t cave_index, Difficulty difficulty) {
  const RunName name(cave_index, difficulty);
  for (const StoredRunFile& file : stored_run_files()) {
    if (file.name == name.view()) return file.text;
  }
  return {};
}

}  // namespace korvedan
