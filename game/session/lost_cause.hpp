// Why a cave was lost, told from the losing tick's events and what stood around the diggers.
#pragma once

#include <array>
#include <cstdint>

#include "core/cave.hpp"
#include "core/tick.hpp"

namespace korvedan {

enum class LostCause : std::uint8_t { Unknown, Crushed, Caught, BlownUp, Drop, Acid, Lamp };

// One digger's neighbourhood just before a tick: enough to tell afterwards what got it.
struct DiggerSurroundings {
  bool inside = false;
  Cell above{};
  std::array<CellKind, 4> beside{};  // up, right, down, left
  CellKind ahead = CellKind::Empty;  // where its input would walk it; Empty when it stands
};
using LossWatch = std::array<DiggerSurroundings, 2>;

// Taken before each tick; copies a few cells only.
LossWatch watch_diggers(const Cave& cave, TickInput player1, TickInput player2);

// The cause of the loss in the tick that `before` was taken for, from the cave after it and
// that tick's events. The rules are not asked again: this only reads what happened.
LostCause lost_cause(const LossWatch& before, const Cave& after, const EventList& events);

}  // namespace korvedan
