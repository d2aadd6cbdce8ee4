// Starts the real "procon" thread for a while, then prints the pads it handed over and
// whether a thread of that name ran: the end-to-end tests read what it prints.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "game/session/input_records.hpp"
#include "game/platform/procon_thread.hpp"

namespace {

bool thread_named(const std::string& name) {
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
    std::ifstream comm(task.path() / "comm");
    std::string line;
    if (std::getline(comm, line) && line == name) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 1.5;
  korvedan::SharedPads pads = korvedan::make_shared_pads();
  korvedan::start_procon_thread(pads);
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  if (thread_named("procon")) std::cout << "thread procon\n";
  for (const korvedan::PadState& pad : pads->copy()) std::cout << korvedan::to_string(pad) << '\n';
  std::cout << "end" << std::endl;
  return 0;
}
