// One step of the game clock: the players' inputs, everything in the cave acting once, the end.
#pragma once

#include <cstdint>
#include <vector>

#include "core/cave.hpp"

namespace korvedan {

struct TickInput {
  std::uint8_t grab = 0;  // bit 0: act on the neighbour without stepping into it
  std::uint8_t fire = 0;  // bit 0: light a stick of dynamite
  Dir dir = Dir::None;
  bool operator==(const TickInput&) const = default;
};

enum class CaveEvent : std::uint8_t {
  DirtDug = 0,
  Collected = 1,
  Pushed = 2,
  Landed = 3,
  Explosion = 4,
  HatchOpened = 5,
  DiggerLeft = 6,
  Won = 7,
  Lost = 8,
  TimeUp = 9,
  StartedFalling = 10,
  CreatureStep = 11,
  WispStep = 12,
  Crushed = 13,
  NutCracked = 14,
  StarSmashed = 15,
  Shifted = 16,
  KeyTaken = 17,
  DoorOpened = 18,
  DynamiteTaken = 19,
  DynamiteLit = 20,
  StarEaten = 21,
  MossTurned = 22,
  DropGone = 23,
  LampLit = 24,
  LampBroken = 25,
  WheelTurned = 26,
  SwitchPressed = 27,
  Dissolved = 28,
};
inline constexpr int cave_event_count = 29;

using EventList = std::vector<CaveEvent>;

// Advances the cave one tick, appending the events raised to `events` in the order raised.
void tick(Cave& cave, TickInput player1, TickInput player2, EventList& events);
EventList tick(Cave& cave, TickInput player1, TickInput player2);
// Player 1 plays, player 2 stands idle.
void tick_single(Cave& cave, TickInput player1, EventList& events);
EventList tick_single(Cave& cave, TickInput player1);

// Blasts the square of the given radius round (cx, cy), then sets off what it caught.
void explode(Cave& cave, std::int32_t cx, std::int32_t cy, int radius, BlastLeaves leaves,
             EventList& events);

}  // namespace korvedan
