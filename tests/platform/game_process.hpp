// Running the real game as a child process for the end-to-end tests: a folder of its own with
// a copy of the program (the controller log and crash report go beside it), a clean
// environment, its output in files, and a time limit.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace korvedan::e2e {

namespace fs = std::filesystem;

inline std::vector<std::string> read_lines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline std::string read_text(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// An empty folder under the build tree holding a fresh copy of the game.
inline fs::path game_folder(const std::string& name) {
  const fs::path folder = fs::path(KV_BINARY_DIR) / "test-output" / "app-e2e" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(KV_GAME_BINARY, folder / "korvedan", fs::copy_options::overwrite_existing);
  return folder;
}

// What every child gets: no DISPLAY unless a test adds one, the sanitizer settings kept.
inline std::vector<std::string> base_environment() {
  std::vector<std::string> environment;
  for (const char* keep : {"PATH", "HOME", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(keep)) environment.push_back(std::string(keep) + "=" + value);
  }
  return environment;
}

// Puts "NAME=value" into the environment, replacing an earlier NAME (the first one would win).
inline void set_variable(std::vector<std::string>& environment, std::string entry) {
  const std::string name = entry.substr(0, entry.find('=') + 1);
  std::erase_if(environment, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
  environment.push_back(std::move(entry));
}

// Starts `argv` in `folder` with standard output and error going to files there.
inline pid_t start_process(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const fs::path& folder, const std::string& output_name) {
  std::vector<std::string> args = argv, env = environment;
  std::vector<char*> arg_pointers, env_pointers;
  for (std::string& a : args) arg_pointers.push_back(a.data());
  arg_pointers.push_back(nullptr);
  for (std::string& e : env) env_pointers.push_back(e.data());
  env_pointers.push_back(nullptr);
  const fs::path out = folder / (output_name + ".out");
  const fs::path err = folder / (output_name + ".err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, args[0].c_str(), &actions, nullptr, arg_pointers.data(),
                                   env_pointers.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0) << "could not start " << args[0];
  return spawned == 0 ? child : -1;
}

// Waits for the child; after `seconds` it is killed and the test fails. The wait status, or -1.
inline int wait_for(pid_t child, double seconds, const std::string& what) {
  if (child <= 0) return -1;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      ADD_FAILURE() << what << " did not finish within " << seconds << " s";
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return status;
}

inline bool exited_cleanly(int status) { return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

struct GameRun {
  fs::path folder;
  int status = -1;
  std::vector<std::string> output;  // standard output: the script's state lines
  std::string errors;               // standard error
  std::vector<std::string> log;     // the controller log
};

// The game in `folder` (see game_folder) without a display, sound going to a file, the save
// in the folder, driven by `script`; `extra` adds to the environment or replaces its entries.
inline GameRun run_game(const fs::path& folder, const std::string& script, std::vector<std::string> extra = {},
                        double seconds = 45) {
  {
    std::ofstream file(folder / "script.txt");
    file << script;
  }
  std::vector<std::string> environment = base_environment();
  environment.push_back("SDL_VIDEODRIVER=dummy");
  environment.push_back("SDL_AUDIODRIVER=disk");
  environment.push_back("SDL_DISKAUDIOFILE=" + (folder / "audio.raw").string());
  environment.push_back("KORVEDAN_SAVE=" + (folder / "save.json").string());
  environment.push_back("KV_TEST_SCRIPT=" + (folder / "script.txt").string());
  for (std::string& e : extra) set_variable(environment, std::move(e));
  const pid_t child = start_process({(folder / "korvedan").string()}, environment, folder, "game");
  GameRun run;
  run.folder = folder;
  run.status = wait_for(child, seconds, "the game");
  run.output = read_lines(folder / "game.out");
  run.errors = read_text(folder / "game.err");
  run.log = read_lines(folder / "korvedan-controller.txt");
  return run;
}

// What the test script's "state" line printed at one frame, e.g. "frame 200: playing 1 … digger 4 1 … pads 1".
struct Shown {
  int frame = -1;
  bool playing = false, paused = false;
  int cave = 0;
  int digger_x = -1, digger_y = -1;
  bool music_off = false;
  unsigned pads = 0;
  std::string name;
};

inline Shown state_at(const GameRun& run, int frame) {
  const std::string lead = "frame " + std::to_string(frame) + ":";
  for (const std::string& line : run.output) {
    if (line.rfind(lead, 0) != 0) continue;
    Shown s;
    s.frame = frame;
    std::istringstream in(line.substr(lead.size()));
    for (std::string word; in >> word;) {
      int value = 0;
      if (word == "digger") {
        in >> s.digger_x >> s.digger_y;
      } else if (word == "name") {
        in >> s.name;
      } else if (in >> value) {
        if (word == "playing") s.playing = value != 0;
        if (word == "paused") s.paused = value != 0;
        if (word == "cave") s.cave = value;
        if (word == "music_off") s.music_off = value != 0;
        if (word == "pads") s.pads = static_cast<unsigned>(value);
      }
    }
    return s;
  }
  ADD_FAILURE() << "no state was printed at frame " << frame;
  return {};
}

}  // namespace korvedan::e2e
