// The "procon" thread that drives Pro Controllers over raw HID.
#pragma once

#include "game/app/game.hpp"

namespace korvedan {

// The thread body with the real HID library, clock and controller log; returns only when
// the library does not start.
void run_driver(SharedPads shared);

// Starts the "procon" thread; it is never joined.
void start_procon_thread(SharedPads shared);

}  // namespace korvedan
