// Opening caves, keeping best scores and cycling through the players sharing the machine.
#include "core/progress.hpp"

#include <algorithm>
#include <utility>

#include "core/echo.hpp"

namespace korvedan {

bool Progress::is_open(std::size_t cave_index) const {
  return all_open || cave_index <= solved;
}

bool Progress::record_win(std::size_t cave_index, std::uint32_t score) {
  bool changed = false;
  const std::uint64_t reached = static_cast<std::uint64_t>(cave_index) + 1;
  if (solved < reached) {
    solved = reached;
    changed = true;
  }
  // Padding the list with zeros is no change of its own: a missing entry already counts as 0.
  if (best.size() < cave_index + 1) best.resize(cave_index + 1, 0);
  if (best[cave_index] < score) {
    best[cave_index] = score;
    changed = true;
  }
  return changed;
}

void Progress::switch_profile() {
  const std::uint64_t next_slot = (slot + 1) % profile_slots;
  others.push_back(Profile{slot, std::move(name), solved, std::move(best)});
  name.clear();
  best.clear();
  solved = 0;

  auto waiting = std::find_if(others.begin(), others.end(),
                              [&](const Profile& p) { return p.slot == next_slot; });
  if (waiting != others.end()) {
    name = std::move(waiting->name);
    solved = waiting->solved;
    best = std::move(waiting->best);
    others.erase(waiting);
  }
  slot = next_slot;

  // An unnamed player who never won anything is forgotten once switched away from.
  std::erase_if(others, [](const Profile& p) { return p.solved == 0 && p.name.empty(); });
}

namespace {

void cut_name(std::string& name) { name.resize(first_chars(name, name_length).size()); }

}  // namespace

void cut_long_names(Progress& progress) {
  cut_name(progress.name);
  for (Profile& profile : progress.others) cut_name(profile.name);
}

Difficulty next_difficulty(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return Difficulty::Normal;
    case Difficulty::Normal: return Difficulty::Hard;
    case Difficulty::Hard: return Difficulty::Easy;
  }
  return Difficulty::Normal;
}

}  // namespace korvedan
