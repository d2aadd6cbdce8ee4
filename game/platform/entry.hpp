// The program's start-up after the crash hook: the screenshot tour, or the game in its window.
#pragma once

namespace korvedan {

// With KV_SHOTS set, writes the screenshot tour and returns 0. Otherwise sets the game up,
// runs the window's event loop and ends the process with status 0 when it is over.
int run_program();

}  // namespace korvedan
