// What the game remembers between runs: caves opened, best scores, names and settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/difficulty.hpp"
#include "core/settings.hpp"

namespace korvedan {

// A player who is not the current one, put away until their slot comes round again.
struct Profile {
  std::uint64_t slot = 0;
  std::string name;
  std::uint64_t solved = 0;
  std::vector<std::uint32_t> best;

  bool operator==(const Profile&) const = default;
};

inline constexpr std::uint64_t profile_slots = 8;
// The longest name the game lets a player type, in characters.
inline constexpr std::size_t name_length = 10;

struct Progress {
  std::uint64_t solved = 0;          // caves 0..solved are open
  std::vector<std::uint32_t> best;   // best score per cave; a missing entry counts as 0
  bool music_off = false;
  bool two_players = false;
  Difficulty difficulty = Difficulty::Normal;
  std::uint64_t slot = 0;            // the current player's profile number 0..7
  std::string name;
  std::vector<Profile> others;       // in the order they were put away
  bool all_open = false;
  Settings settings;                 // shared by every profile

  bool is_open(std::size_t cave_index) const;
  // Called with a won cave's final score; true when anything changed (so it must be saved).
  bool record_win(std::size_t cave_index, std::uint32_t score);
  // Puts the current player away and brings in the next slot's, keeping the shared settings.
  void switch_profile();

  bool operator==(const Progress&) const = default;
};

// Cuts every name longer than name_length characters to that length, never inside a UTF-8
// sequence. A save written by hand could hold megabytes of name, to be drawn every frame.
void cut_long_names(Progress& progress);

// Easy → Normal → Hard → Easy, as the title screen steps it.
Difficulty next_difficulty(Difficulty difficulty);

}  // namespace korvedan
