// The real program in a real X window: Xvfb as the display, keys from xdotool, screenshots from
// ImageMagick, compared with the canvas the session draws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <poll.h>

#include <cstdio>
#include <functional>
#include <optional>

#include "tests/platform/game_pictures.hpp"
#include "tests/platform/game_process.hpp"
#include "tests/platform/xvfb_display.hpp"

namespace korvedan {
namespace {

using namespace e2e;

#if defined(KV_GAME_BINARY)

TEST_F(XvfbGame, TheWindowShowsTheTitleThenTheFirstCaveAndEscapeLeaves) {
  std::vector<std::string> environment = display_environment();
  environment.push_back("SDL_AUDIODRIVER=dummy");
  environment.push_back("KORVEDAN_SAVE=" + (folder_ / "save.json").string());
  Started game;
  game.pid = start_process({(folder_ / "korvedan").string()}, environment, folder_, "game");
  const fs::path log = folder_ / "korvedan-controller.txt";
  const auto logged = [&](const std::string& line) {
    const std::vector<std::string> lines = read_lines(log);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  ASSERT_TRUE(wait_until([&] { return logged("start: first frame on its way to the screen"); }, 30))
      << read_text(folder_ / "game.err");

  std::string window;
  ASSERT_TRUE(wait_until(
      [&] {
        std::istringstream found(tool({"xdotool", "search", "--name", "^Korvedan$"}, "search"));
        return static_cast<bool>(found >> window);
      },
      10));
  const std::string geometry = tool({"xdotool", "getwindowgeometry", window}, "geometry");
  int x = 0, y = 0, w = 0, h = 0;
  const std::size_t position = geometry.find("Position: "), extent = geometry.find("Geometry: ");
  ASSERT_TRUE(position != std::string::npos && extent != std::string::npos) << geometry;
  ASSERT_EQ(std::sscanf(geometry.c_str() + position, "Position: %d,%d", &x, &y), 2) << geometry;
  ASSERT_EQ(std::sscanf(geometry.c_str() + extent, "Geometry: %dx%d", &w, &h), 2) << geometry;
  const auto left = static_cast<std::uint32_t>(std::max(0, x));
  const auto top = static_cast<std::uint32_t>(std::max(0, y));
  ASSERT_EQ(w, 960);
  ASSERT_EQ(h, 600);

  // The title, exactly as the session draws it at some moment of its four-second cycle.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Picture title_shot = crop(screenshot("title"), left, top, 960, 600);
  double title_match = 0;
  const Canvas title = best_matching_canvas(Session{Progress{}}, title_shot, 4.0f, title_match);
  EXPECT_EQ(title_match, 1.0);
  EXPECT_TRUE(title_shot.pixels == presented(title, 960, 600).pixels);

  // Enter starts the first cave; its picture moves on its own, so most of it must agree.
  tool({"xdotool", "key", "--window", window, "Return"}, "key-return");
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const Picture cave_shot = crop(screenshot("cave"), left, top, 960, 600);
  Session playing{Progress{}};
  playing.start_cave(0);
  double cave_match = 0;
  best_matching_canvas(playing, cave_shot, 2.0f, cave_match);
  EXPECT_GT(cave_match, 0.9);
  EXPECT_LT(agreement(sampled_canvas(cave_shot), packed(title)), 0.5);

  // Escape goes back to the title, and Escape there ends the game.
  tool({"xdotool", "key", "--window", window, "Escape"}, "key-escape-1");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  closing_key({"xdotool", "key", "--window", window, "Escape"});
  const int status = wait_for(game.pid, 20, "the game");
  game.pid = -1;
  EXPECT_TRUE(exited_cleanly(status)) << status << " " << read_text(folder_ / "game.err");
  EXPECT_TRUE(logged("start: leaving by the title"));
}

#endif

}  // namespace
}  // namespace korvedan
