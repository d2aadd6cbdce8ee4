// The whole program with a Pro Controller on the fake hidapi: found, woken, and steering the digger.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform/game_process.hpp"

namespace korvedan {
namespace {

using namespace e2e;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

#if defined(KV_GAME_BINARY) && defined(KV_FAKE_HIDAPI)

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
  EXPECT_FALSE(state_at(run, 12).playing);
  const Shown after = state_at(run, 240);
  EXPECT_TRUE(after.playing);
  EXPECT_EQ(after.pads, 1u);
  EXPECT_GT(after.digger_x, 1);  // it started at column 1
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
