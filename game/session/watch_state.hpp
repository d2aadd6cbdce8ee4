// What the session keeps while a recorded run is watched, and the note the title shows about it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/input_tokens.hpp"

namespace korvedan {

inline constexpr unsigned watch_top_speed = 8;      // Right doubles the speed up to this
inline constexpr float title_note_seconds = 3.0f;   // how long the title shows a note
inline constexpr unsigned show_how_after_losses = 3;  // losses in a row before H is offered

enum class WatchKind : std::uint8_t {
  OwnBest,  // the player's best run of the cave, from its file (V on the title)
  ShowHow,  // the game's own winning run (H after losing the cave again and again)
};

struct Watch {
  WatchKind kind = WatchKind::OwnBest;
  std::vector<TickInputs> inputs;  // played one a tick; when they run out the players stand still
  std::size_t next = 0;
  unsigned speed = 1;  // 1, 2, 4 or 8 times
  bool paused = false;

  bool operator==(const Watch&) const = default;
};

// Why V on the title showed a note instead of a run.
enum class TitleNote : std::uint8_t {
  None,
  NoRun,      // no recorded run for this cave, difficulty and player count
  OlderCave,  // the run was recorded on an older version of the cave
  Unreadable, // the run's file could not be read or is damaged
};

}  // namespace korvedan
