// The words for the difficulties.
#include "core/difficulty.hpp"

namespace korvedan {

std::string_view difficulty_word(Difficulty d) {
  switch (d) {
    case Difficulty::Easy: return "easy";
    case Difficulty::Normal: return "normal";
    case Difficulty::Hard: return "hard";
  }
  return "normal";
}

std::optional<Difficulty> difficulty_from_word(std::string_view word) {
  for (const Difficulty d : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
    if (word == difficulty_word(d)) return d;
  }
  return std::nullopt;
}

}  // namespace korvedan
