// Running a piece of a test in a forked child: to give up root, to set limits, or to be
// killed in the middle of something, without touching the test process itself.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace korvedan::testing {

// Forks; the child runs `work` and sends back the text it returns. The text, and the
// child's wait status through `status` when given.
inline std::string in_child(const std::function<std::string()>& work, int* status = nullptr) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    const std::string said = work();
    const char* at = said.data();
    std::size_t left = said.size();
    while (left > 0) {
      const ssize_t n = ::write(pipe_ends[1], at, left);
      if (n <= 0) break;
      at += n;
      left -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
  ::close(pipe_ends[0]);
  int ended = 0;
  ::waitpid(child, &ended, 0);
  if (status != nullptr) *status = ended;
  return said;
}

// Runs `work` as a user who lacks a file's permissions: in this process when it is no root,
// else in a child that has given up root (root reads every file whatever its mode).
inline std::string without_root(const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  return in_child([&] { return ::setgid(65534) == 0 && ::setuid(65534) == 0 ? work() : "could not give up root"; });
}

}  // namespace korvedan::testing
