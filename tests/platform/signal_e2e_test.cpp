// Signals sent to the running game by other processes: a SIGSEGV from kill names its sender,
// SIGPIPE is shrugged off, SIGHUP leaves like SIGTERM and SIGQUIT leaves a report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/game_process.hpp"

namespace korvedan {
namespace {

using namespace e2e;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

#if defined(KV_GAME_BINARY)

// Starts the game in its own folder, waits until its script has printed the state of frame
// 5, sends `signal`, and waits for the end. The script closes the window at frame 60.
GameRun signalled(const std::string& name, int signal) {
  const fs::path folder = game_folder(name);
  {
    std::ofstream script(folder / "script.txt");
    script << "at 5 state\nat 40 state\nat 60 close\n";
  }
  std::vector<std::string> environment = base_environment();
  for (std::string entry : {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"}) environment.push_back(entry);
  environment.push_back("KORVEDAN_SAVE=" + (folder / "save.json").string());
  environment.push_back("KV_TEST_SCRIPT=" + (folder / "script.txt").string());
  const pid_t child = start_process({(folder / "korvedan").string()}, environment, folder, "game");
  GameRun run;
  run.folder = folder;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (read_text(folder / "game.out").find("frame 5:") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_NE(read_text(folder / "game.out").find("frame 5:"), std::string::npos) << "the game never got going";
  if (child > 0) kill(child, signal);
  run.status = wait_for(child, 45, "the game");
  run.output = read_lines(folder / "game.out");
  run.errors = read_text(folder / "game.err");
  run.log = read_lines(folder / "korvedan-controller.txt");
  return run;
}

bool printed(const GameRun& run, const std::string& lead) {
  return std::any_of(run.output.begin(), run.output.end(), [&](const std::string& line) { return line.rfind(lead, 0) == 0; });
}

TEST(SignalEndToEnd, ASegvSentByAnotherProcessNamesTheSenderNotAnAddress) {
  const GameRun run = signalled("kill-segv", SIGSEGV);
  EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGSEGV) << run.status;
  EXPECT_THAT(read_text(run.folder / "korvedan-crash.txt"),
              MatchesRegex("Korvedan 0\\.1\\.0 konnte nicht weiterlaufen\\.\n\npanicked at unknown:0:0:\n"
                           "signal SIGSEGV \\(invalid memory access\\) sent by process " +
                           std::to_string(getpid()) + "\n\nSystem: linux x86_64"));
}

TEST(SignalEndToEnd, SigquitLeavesAReportNamingTheSender) {
  const GameRun run = signalled("kill-quit", SIGQUIT);
  EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGQUIT) << run.status;
  EXPECT_THAT(read_text(run.folder / "korvedan-crash.txt"),
              HasSubstr("\nsignal SIGQUIT (asked to quit with a report) sent by process " + std::to_string(getpid()) +
                        "\n\nSystem: "));
}

TEST(SignalEndToEnd, SigpipeIsIgnored) {
  const GameRun run = signalled("kill-pipe", SIGPIPE);
  EXPECT_TRUE(exited_cleanly(run.status)) << run.status << "\n" << run.errors;
  EXPECT_TRUE(printed(run, "frame 40:")) << "the game went on after the signal";
  EXPECT_FALSE(fs::exists(run.folder / "korvedan-crash.txt"));
}

TEST(SignalEndToEnd, SighupLeavesLikeSigtermWithExitCodeZero) {
  for (const int signal : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const GameRun run = signalled(signal == SIGHUP ? "kill-hup" : "kill-term", signal);
    EXPECT_TRUE(exited_cleanly(run.status)) << run.status << "\n" << run.errors;
    EXPECT_FALSE(printed(run, "frame 40:")) << "it left at once";
    EXPECT_FALSE(fs::exists(run.folder / "korvedan-crash.txt"));
  }
}

#else

TEST(SignalEndToEnd, NeedsTheGame) { GTEST_SKIP() << "built without the game's path"; }

#endif

}  // namespace
}  // namespace korvedan
