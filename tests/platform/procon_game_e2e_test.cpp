// The whole program with a Pro Controller on the fake hidapi: found, woken, and steering the digger.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "tests/platform/game_process.hpp"

namespace korvedan {
namespace {

using namespace e2e;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

#if defined(KV_GAME_BINARY) && defined(KV_FAKE_HIDAPI)

// The script's state line of one frame, e.g. "frame 200: playing 1 … digger 4 1 … pads 1".
std::string state_line(const GameRun& run, int frame) {
  const std::string lead = "frame " + std::to_string(frame) + ":";
  for (const std::string& line : run.output) {
    if (line.rfind(lead, 0) == 0) return line;
  }
  ADD_FAILURE() << "no state was printed at frame " << frame;
  return "";
}

int number_after(const std::string& line, const std::string& word) {
  std::smatch match;
  if (!std::regex_search(line, match, std::regex(word + " (-?[0-9]+)"))) return -1;
  return std::stoi(match[1]);
}

TEST(ProconGameEndToEnd, APlusPressStartsTheCaveAndTheDpadWalksTheDigger) {
  const fs::path folder = game_folder("procon");
  const char* asan = std::getenv("ASAN_OPTIONS");
  // Times count from the full-report request: + pressed and let go, then the d-pad held right.
  const GameRun run = run_game(folder,
                               "at 12 state\n"
                               "at 240 state\n"
                               "at 250 close\n",
                               {std::string("LD_PRELOAD=") + KV_FAKE_HIDAPI,
                                "KV_FAKE_PROCON_BUTTONS=400=000200,700=000000,1200=000004,2400=000000",
                                std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") +
                                    "verify_asan_link_order=0"});
  ASSERT_TRUE(exited_cleanly(run.status)) << run.errors;
  const std::string before = state_line(run, 12);
  EXPECT_EQ(number_after(before, "playing"), 0);
  const std::string after = state_line(run, 240);
  EXPECT_EQ(number_after(after, "playing"), 1) << after;
  EXPECT_EQ(number_after(after, "pads"), 1) << after;
  EXPECT_GT(number_after(after, "digger"), 1) << after;  // it started at column 1
  EXPECT_THAT(run.log, Contains(StartsWith("found a Pro Controller: ")));
  EXPECT_THAT(run.log, Contains("  opened"));
  EXPECT_THAT(run.log, Contains(StartsWith("  sent full reports (01 01 00 01 40 40 00 01 40 40 03 30): ")));
  EXPECT_THAT(run.log, Contains(StartsWith("  buttons are arriving: PadState { ")));
}

#else

TEST(ProconGameEndToEnd, NeedsTheGameAndTheFakeHidapi) { GTEST_SKIP() << "built without the game or the fake hidapi"; }

#endif

}  // namespace
}  // namespace korvedan
