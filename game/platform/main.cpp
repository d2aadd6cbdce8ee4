// The program's entry: the crash hook first, then the screenshot tour or the game.
#include "game/diag/controller_log.hpp"
#include "game/platform/crash_hook.hpp"
#include "game/platform/entry.hpp"

int main() {
  // A crashed run starts the program again only to show its error box.
  if (korvedan::show_crash_box_if_asked()) return 0;
  korvedan::install_crash_hook();
  korvedan::log_line("start: started");
  return korvedan::run_program();
}
