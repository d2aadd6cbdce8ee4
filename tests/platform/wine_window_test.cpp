// The Windows build's window under Wine: scripts/test-windows takes the screenshots (title,
// then the first cave after Enter) and this compares them with the canvas the session draws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform/game_pictures.hpp"

namespace korvedan {
namespace {

using namespace e2e;

class WineWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* folder = std::getenv("KV_WINE_SHOTS");
    if (folder == nullptr) GTEST_SKIP() << "only scripts/test-windows has screenshots of the Wine window";
    folder_ = folder;
  }
  std::filesystem::path folder_;
};

TEST_F(WineWindow, TheTitleIsTheCanvasScaledExactly) {
  const Picture shot = load_ppm(folder_ / "title.ppm");
  ASSERT_EQ(shot.width, 960u);
  ASSERT_EQ(shot.height, 600u);
  double match = 0;
  const Canvas title = best_matching_canvas(Session{Progress{}}, shot, 4.0f, match);
  EXPECT_EQ(match, 1.0);
  EXPECT_TRUE(shot.pixels == presented(title, 960, 600).pixels);
}

TEST_F(WineWindow, EnterShowsTheFirstCave) {
  const Picture shot = load_ppm(folder_ / "cave.ppm");
  ASSERT_EQ(shot.width, 960u);
  ASSERT_EQ(shot.height, 600u);
  Session playing{Progress{}};
  playing.start_cave(0);
  double match = 0;
  best_matching_canvas(playing, shot, 2.0f, match);
  EXPECT_GT(match, 0.9);  // the cave moves on its own, so most of it must agree
  EXPECT_LT(agreement(sampled_canvas(shot), packed(drawn(Session{Progress{}}))), 0.5);  // not the title
}

}  // namespace
}  // namespace korvedan
