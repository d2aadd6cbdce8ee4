// The crash hook: every fatal error, on any thread, leaves a report beside the program, a line
// in the controller log and an error box before the process ends abnormally.
#pragma once

namespace korvedan {

// Routes fatal(), uncaught exceptions and crashing signals to the report. Call it first thing.
void install_crash_hook();

// A crashing process cannot safely open a window itself, so it starts the program again to
// show the box. Returns true when this process is that box (shown and closed by now).
bool show_crash_box_if_asked();

}  // namespace korvedan
