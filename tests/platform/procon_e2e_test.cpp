// The real "procon" thread and hidapi backend against a fake hidapi that plays a Pro
// Controller: what it writes to the controller, to the log and to the shared pad list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace korvedan {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

std::vector<std::string> read_lines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct ProbeRun {
  std::vector<std::string> output;  // what the probe printed
  std::vector<std::string> log;     // its controller log
  std::vector<std::string> writes;  // what reached the fake controller, one write a line
};

#if defined(KV_FAKE_HIDAPI) && defined(KV_PROCON_PROBE)

// Runs the probe for `seconds` with the fake hidapi preloaded and `extra` in its environment.
ProbeRun run_probe(const std::string& name, double seconds, std::vector<std::string> extra) {
  const fs::path folder = fs::path(KV_BINARY_DIR) / "procon_e2e" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  // A copy of its own, since the log goes beside the program and ctest runs tests side by side.
  const fs::path probe = folder / "procon_probe";
  fs::copy_file(KV_PROCON_PROBE, probe, fs::copy_options::overwrite_existing);
  const fs::path log_file = folder / "korvedan-controller.txt";
  const fs::path writes = folder / "writes.txt";
  const fs::path output = folder / "output.txt";

  std::vector<std::string> environment = std::move(extra);
  environment.push_back(std::string("LD_PRELOAD=") + KV_FAKE_HIDAPI);
  environment.push_back("KV_FAKE_HID_WRITES=" + writes.string());
  // The sanitizer runtime wants to come first; here the fake library must.
  const char* asan = std::getenv("ASAN_OPTIONS");
  environment.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") +
                        "verify_asan_link_order=0");
  for (const char* keep : {"PATH", "HOME", "UBSAN_OPTIONS"}) {
    if (const char* value = std::getenv(keep)) environment.push_back(std::string(keep) + "=" + value);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = probe.string();
  std::string duration = std::to_string(seconds);
  char* argv[] = {program.data(), duration.data(), nullptr};

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0) << "could not start " << program;
  if (spawned != 0) return {};

  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      ADD_FAILURE() << "the probe did not finish";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "probe status " << status;
  return {read_lines(output), read_lines(log_file), read_lines(writes)};
}

std::string padded_hex(std::string start) {
  std::string hex = std::move(start);
  const std::size_t given = (hex.size() + 1) / 3;
  for (std::size_t i = given; i < 64; ++i) hex += " 00";
  return hex;
}

TEST(ProconEndToEnd, AWokenControllerSteersThePadList) {
  // A and d-pad Up held from the moment full reports were asked for.
  ProbeRun run = run_probe("steers", 1.5, {"KV_FAKE_PROCON_BUTTONS=0=080002"});

  EXPECT_THAT(run.output,
              ElementsAre("thread procon",
                          "PadState { dir: Some(Up), face: true, start: false, select: false, "
                          "drop: false }",
                          "end"));
  EXPECT_THAT(run.writes,
              ElementsAre(padded_hex("80 02"), padded_hex("80 03"), padded_hex("80 02"),
                          padded_hex("80 04"), padded_hex("01 01 00 01 40 40 00 01 40 40 03 30")));
  ASSERT_GE(run.log.size(), 14u);
  EXPECT_THAT(std::vector<std::string>(run.log.begin(), run.log.begin() + 10),
              ElementsAre("Korvedan build " KV_BUILD, "devices that look like game controllers:",
                          "  057e:2009 Pro Controller by Nintendo Co., Ltd., usage 0001:0005, Usb",
                          "found a Pro Controller: Pro Controller, interface 0, usage 0001:0005, "
                          "Usb, at \"/dev/hidraw-fake0\"",
                          "  opened", "  sent handshake (80 02): 64 bytes",
                          "  sent fast rate (80 03): 64 bytes", "  sent handshake (80 02): 64 bytes",
                          "  sent usb only (80 04): 64 bytes",
                          "  sent full reports (01 01 00 01 40 40 00 01 40 40 03 30): 64 bytes"));
  EXPECT_THAT(run.log,
              IsSupersetOf({"  report 81 #1, 64 bytes: 81 02 00 00 00 00 00 00 00 00 00 00 00 00 "
                            "00 00",
                            "  report 81 #3, 64 bytes: 81 02 00 00 00 00 00 00 00 00 00 00 00 00 "
                            "00 00",
                            "  report 21 #1, 64 bytes: 21 00 91 00 00 00 00 00 00 00 00 00 00 80 "
                            "03 00",
                            "  buttons are arriving: PadState { dir: Some(Up), face: true, start: "
                            "false, select: false, drop: false }"}));
  EXPECT_THAT(run.log, Contains(::testing::StartsWith("  report 30 #3, 64 bytes: 30 ")));
  // Reports 4 to 499 of an id are not logged: the fourth reply and the running 0x30s.
  EXPECT_THAT(run.log, Not(Contains(::testing::StartsWith("  report 81 #4,"))));
  EXPECT_THAT(run.log, Not(Contains(::testing::StartsWith("  report 30 #4,"))));
}

TEST(ProconEndToEnd, AControllerThatCannotBeOpenedIsTriedOnce) {
  ProbeRun run = run_probe("locked", 2.6, {"KV_FAKE_PROCON_LOCKED=1"});
  EXPECT_THAT(run.output, ElementsAre("thread procon", "end"));
  EXPECT_TRUE(run.writes.empty());
  ASSERT_EQ(run.log.size(), 5u);  // the second scan, after 2 s, leaves it alone
  EXPECT_EQ(run.log[3], "found a Pro Controller: Pro Controller, interface 0, usage 0001:0005, "
                        "Usb, at \"/dev/hidraw-fake0\"");
  EXPECT_EQ(run.log[4],
            "  could not be opened: Failed to open a device with path: Device or resource busy");
}

// An ordinary user without the udev rule: the log line says where the remedy is.
TEST(ProconEndToEnd, AControllerRefusedForWantOfPermissionPointsToTheUdevRule) {
  ProbeRun run = run_probe("denied", 0.5, {"KV_FAKE_PROCON_DENIED=1"});
  ASSERT_EQ(run.log.size(), 5u);
  EXPECT_EQ(run.log[4],
            "  could not be opened: Failed to open a device with path '/dev/hidraw-fake0': Permission denied"
            " (permission denied: see the README about the udev rule)");
  EXPECT_TRUE(run.writes.empty());
}

TEST(ProconEndToEnd, NoDevicesAtAll) {
  ProbeRun run = run_probe("absent", 0.5, {"KV_FAKE_PROCON_ABSENT=1"});
  EXPECT_THAT(run.output, ElementsAre("thread procon", "end"));
  EXPECT_THAT(run.log,
              ElementsAre("Korvedan build " KV_BUILD, "devices that look like game controllers:", "  none"));
}

#else

TEST(ProconEndToEnd, NeedsTheFakeHidapi) { GTEST_SKIP() << "the fake hidapi is built on Linux only"; }

#endif

}  // namespace
}  // namespace korvedan
