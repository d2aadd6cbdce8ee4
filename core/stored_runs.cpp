// Finding a stored winning run among the files built into the program.
#include "core/stored_runs.hpp"

#include <algorithm>
#include <array>

namespace korvedan {

namespace {

// The name in a buffer of its own: looking a run up never reaches for the heap.
struct RunName {
  std::array<char, 40> text{};
  std::size_t size = 0;

  RunName(std::size_t cave_index, Difficulty difficulty) {
    const std::size_t number = std::min<std::size_t>(cave_index + 1, 999);  // three digits
    text[0] = static_cast<char>('0' + number / 100);
    text[1] = static_cast<char>('0' + number / 10 % 10);
    text[2] = static_cast<char>('0' + number % 10);
    text[3] = '-';
    size = 4;
    for (const std::string_view part : {difficulty_word(difficulty), std::string_view(".txt")}) {
      part.copy(text.data() + size, part.size());
      size += part.size();
    }
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
