// The program's entry: the screenshot tour when KV_SHOTS names a folder, else the game.
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "game/shots.hpp"

int main() {
  if (const char* folder = std::getenv("KV_SHOTS")) {
    korvedan::run_tour(folder, std::cout);
    return 0;
  }
  std::fputs("korvedan: the window is not built yet; KV_SHOTS=FOLDER writes the screenshot tour\n", stderr);
  return 1;
}
