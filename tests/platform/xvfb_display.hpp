// A virtual X display for the real-window tests: Xvfb on a free display number, the tools
// run against it, screenshots, and the processes a test starts, stopped whatever happens.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/platform/game_pictures.hpp"
#include "tests/platform/game_process.hpp"

namespace korvedan::e2e {

#if defined(KV_GAME_BINARY)

inline bool on_path(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (!folder.empty() && access((fs::path(folder) / program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

// A process this test started and must stop, whatever happens to the test.
struct Started {
  pid_t pid = -1;
  ~Started() { stop(); }
  void stop() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (waitpid(pid, &status, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
    pid = -1;
  }
};

inline bool wait_until(const std::function<bool()>& done, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

class XvfbGame : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "import", "convert"}) {
      if (!on_path(tool)) GTEST_SKIP() << tool << " is missing (scripts/setup installs it)";
    }
    folder_ = game_folder(folder_name_);
    // Xvfb picks a free display number itself and tells it through a pipe, so tests that run
    // side by side never reach for the same one.
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    xvfb_.pid = start_xvfb(pipe_ends[1]);
    close(pipe_ends[1]);
    display_ = read_display_number(pipe_ends[0]);
    close(pipe_ends[0]);
    ASSERT_FALSE(display_.empty()) << "Xvfb did not come up: " << read_text(folder_ / "xvfb.err");
  }

  pid_t start_xvfb(int write_end) {
    std::vector<std::string> args{"Xvfb", "-displayfd", "3", "-screen", "0", screen_, "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = base_environment();
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, write_end, 3);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, (folder_ / "xvfb.out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (folder_ / "xvfb.err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = -1;
    if (posix_spawnp(&child, "Xvfb", &actions, nullptr, argv.data(), envp.data()) != 0) child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
  }

  // ":N" once Xvfb has written N and a line feed, or empty after 20 s.
  static std::string read_display_number(int read_end) {
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd wait{read_end, POLLIN, 0};
      if (poll(&wait, 1, 100) <= 0) continue;
      char c = 0;
      if (read(read_end, &c, 1) != 1) return {};
      if (c == '\n') return ":" + number;
      number += c;
    }
    return {};
  }

  std::vector<std::string> display_environment() const {
    std::vector<std::string> environment = base_environment();
    environment.push_back("DISPLAY=" + display_);
    // Without a session bus, SDL's D-Bus start would launch one through X, and that can hang.
    environment.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/korvedan-test-bus");
    return environment;
  }

  // Runs a tool against the display; its standard output.
  std::string tool(const std::vector<std::string>& argv, const std::string& name) {
    const pid_t child = start_process(argv, display_environment(), folder_, name);
    const int status = wait_for(child, 30, argv[0]);
    EXPECT_TRUE(exited_cleanly(status)) << argv[0] << ": " << read_text(folder_ / (name + ".err"));
    return read_text(folder_ / (name + ".out"));
  }

  // Runs xdotool for a key that ends the game, without judging its exit: the game may close its
  // window between the key's press and its release, and xdotool then fails on the release.
  void closing_key(std::vector<std::string> xdotool_argv) {
    wait_for(start_process(xdotool_argv, display_environment(), folder_, "closing-key"), 30, "xdotool");
  }

  Picture screenshot(const std::string& name) {
    tool({"import", "-window", "root", (folder_ / (name + ".png")).string()}, "import-" + name);
    tool({"convert", (folder_ / (name + ".png")).string(), (folder_ / (name + ".ppm")).string()}, "convert-" + name);
    return load_ppm(folder_ / (name + ".ppm"));
  }

  fs::path folder_;
  std::string display_;
  std::string screen_ = "1280x800x24";  // a test may ask for another before SetUp
  std::string folder_name_ = "xvfb";
  Started xvfb_;
};

#endif

}  // namespace korvedan::e2e
