// The options in the real window under a window manager: F11 covers the screen and gives the
// window back, a letter chosen for grabbing digs without stepping, the choices outlive a
// restart, and English shows on the title.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "game/save/save_json.hpp"
#include "tests/platform/game_pictures.hpp"
#include "tests/platform/game_process.hpp"
#include "tests/platform/xvfb_display.hpp"

namespace korvedan {
namespace {

using namespace e2e;

#if defined(KV_GAME_BINARY)

struct WindowBox {
  int x = 0, y = 0, w = 0, h = 0;
};

class OptionsWindow : public XvfbGame {
 protected:
  void SetUp() override {
    // 1300 × 800: fullscreen gives a 4× picture of 1280 × 800 with ten black columns each side.
    screen_ = "1300x800x24";
    folder_name_ = std::string("options-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    XvfbGame::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    if (!on_path("evilwm")) GTEST_SKIP() << "evilwm is missing (scripts/setup installs it)";
    // Borderless fullscreen is the window manager's to grant.
    wm_.pid = start_process({"evilwm", "-fn", "fixed"}, display_environment(), folder_, "wm");
    ASSERT_TRUE(wait_until(
        [&] {
          // On a busy machine the window manager now and then cannot reach the new display at
          // once and gives up; it is started again.
          int status = 0;
          if (waitpid(wm_.pid, &status, WNOHANG) == wm_.pid) {
            wm_.pid = start_process({"evilwm", "-fn", "fixed"}, display_environment(), folder_, "wm");
          }
          wait_for(start_process({"xprop", "-root", "_NET_SUPPORTED"}, display_environment(), folder_, "xprop"), 30,
                   "xprop");
          return read_text(folder_ / "xprop.out").find("FULLSCREEN") != std::string::npos;
        },
        10))
        << read_text(folder_ / "wm.err");
  }
  void TearDown() override {
    game_.stop();
    wm_.stop();
  }

  // Starts the game on the test's save and waits for its window; its id.
  std::string start_game() {
    std::vector<std::string> environment = display_environment();
    environment.push_back("SDL_AUDIODRIVER=dummy");
    environment.push_back("KORVEDAN_SAVE=" + (folder_ / "save.json").string());
    game_.pid = start_process({(folder_ / "korvedan").string()}, environment, folder_, "game");
    const fs::path log = folder_ / "korvedan-controller.txt";
    std::string window;
    EXPECT_TRUE(wait_until(
        [&] {
          const std::vector<std::string> lines = read_lines(log);
          if (std::find(lines.begin(), lines.end(), "start: first frame on its way to the screen") == lines.end()) {
            return false;
          }
          // No match yet is no failure: the window manager may not have mapped it.
          const pid_t search = start_process({"xdotool", "search", "--name", "^Korvedan$"}, display_environment(),
                                             folder_, "search");
          wait_for(search, 30, "xdotool search");
          std::istringstream found(read_text(folder_ / "search.out"));
          return static_cast<bool>(found >> window);
        },
        30))
        << read_text(folder_ / "game.err");
    // Under a window manager keys go to the focused window, through the XTEST extension.
    if (!window.empty()) tool({"xdotool", "windowfocus", "--sync", window}, "focus");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return window;
  }

  void keys(const std::string& window, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      (void)window;
      tool({"xdotool", "key", name}, "key");
      std::this_thread::sleep_for(std::chrono::milliseconds(120));  // a frame or more apart
    }
  }

  WindowBox box(const std::string& window) {
    const std::string info = tool({"xwininfo", "-id", window}, "xwininfo");
    WindowBox b;
    const auto number = [&](const char* label, int& value) {
      const std::size_t at = info.find(label);
      if (at != std::string::npos) std::sscanf(info.c_str() + at + std::strlen(label), "%d", &value);
    };
    number("Absolute upper-left X:", b.x);
    number("Absolute upper-left Y:", b.y);
    number("Width:", b.w);
    number("Height:", b.h);
    return b;
  }

  bool box_becomes(const std::string& window, int w, int h) {
    return wait_until([&] { const WindowBox b = box(window); return b.w == w && b.h == h; }, 10);
  }

  // The save as it stands; defaults while there is none yet, so a test can wait for it (the
  // game writes it whole, through a temporary file).
  Progress saved() {
    const fs::path file = folder_ / "save.json";
    if (!fs::exists(file)) return Progress{};
    const Result<Progress> p = progress_from_json(read_text(file));
    EXPECT_TRUE(p) << (p ? "" : p.error());
    return p ? p.value() : Progress{};
  }

  void leave(const std::string& window) {
    (void)window;  // keys go to the focused window
    closing_key({"xdotool", "key", "Escape"});
    EXPECT_TRUE(exited_cleanly(wait_for(game_.pid, 20, "the game")));
    game_.pid = -1;
  }

  Started wm_;
  Started game_;
};

TEST_F(OptionsWindow, F11CoversTheScreenLetterboxedAndASecondF11GivesTheWindowBack) {
  const std::string window = start_game();
  ASSERT_FALSE(window.empty());
  const WindowBox before = box(window);
  ASSERT_EQ(before.w, 960);
  ASSERT_EQ(before.h, 600);

  keys(window, {"F11"});
  ASSERT_TRUE(box_becomes(window, 1300, 800)) << box(window).w << "x" << box(window).h;
  EXPECT_EQ(box(window).x, 0);
  EXPECT_EQ(box(window).y, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Picture shot = screenshot("fullscreen");
  ASSERT_EQ(shot.width, 1300u);
  // A whole-number scale of 4 and black bars at the sides, as in a window.
  for (std::uint32_t y = 0; y < 800; y += 7) {
    for (const std::uint32_t x : {0u, 9u, 1290u, 1299u}) ASSERT_EQ(shot.at(x, y), 0u) << x << "," << y;
  }
  Progress full;
  full.settings.fullscreen = true;
  double match = 0;
  const Canvas title = best_matching_canvas(Session{full}, shot, 4.0f, match);
  EXPECT_EQ(match, 1.0);
  EXPECT_TRUE(shot.pixels == presented(title, 1300, 800).pixels);
  EXPECT_TRUE(wait_until([&] { return saved().settings.fullscreen; }, 5));

  keys(window, {"F11"});
  ASSERT_TRUE(box_becomes(window, 960, 600)) << box(window).w << "x" << box(window).h;
  EXPECT_EQ(box(window).x, before.x);
  EXPECT_EQ(box(window).y, before.y);
  EXPECT_TRUE(wait_until([&] { return !saved().settings.fullscreen; }, 5));
  leave(window);
}

TEST_F(OptionsWindow, ALetterChosenForGrabbingDigsWithoutSteppingAndOutlivesARestart) {
  std::string window = start_game();
  ASSERT_FALSE(window.empty());
  // F1, the options page, down to player 1's grab, choose it and press K.
  keys(window, {"F1", "Right", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Return", "k"});
  ASSERT_TRUE(wait_until([&] { return saved().settings.keys[0][4] == "KeyK"; }, 5)) << read_text(folder_ / "save.json");

  // Back to the title and into the first cave; hold K and press towards the dirt.
  keys(window, {"Escape", "Return"});
  Progress chosen;
  chosen.settings.keys[0][4] = "KeyK";
  Session cave{chosen};
  cave.start_cave(0);
  const DiggerState digger = cave.cave().diggers[0];
  Dir towards = Dir::None;
  for (const Dir d : {Dir::Right, Dir::Down, Dir::Left, Dir::Up}) {
    if (cell_at(cave.cave(), digger.x + dir_dx(d), digger.y + dir_dy(d)).kind == CellKind::Dirt) {
      towards = d;
      break;
    }
  }
  ASSERT_NE(towards, Dir::None);
  const char* arrow = towards == Dir::Right ? "Right" : towards == Dir::Down ? "Down" : towards == Dir::Left ? "Left" : "Up";
  tool({"xdotool", "keydown", "k"}, "k-down");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  tool({"xdotool", "key", arrow}, "arrow");
  std::this_thread::sleep_for(std::chrono::milliseconds(400));  // three ticks or so
  tool({"xdotool", "keyup", "k"}, "k-up");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));

  const WindowBox b = box(window);
  const Picture shot = crop(screenshot("grabbed"), static_cast<std::uint32_t>(b.x), static_cast<std::uint32_t>(b.y), 960, 600);
  // What the rules make of that grab: the digger stays and the dirt beside it is gone.
  Session grabbed = cave, stepped = cave;
  grabbed.session_tick(TickInput{1, 0, towards}, TickInput{});
  stepped.session_tick(TickInput{0, 0, towards}, TickInput{});
  ASSERT_EQ(grabbed.cave().diggers[0].x, digger.x);
  ASSERT_EQ(cell_at(grabbed.cave(), digger.x + dir_dx(towards), digger.y + dir_dy(towards)).kind, CellKind::Empty);
  // The two cells, as the window shows them (the camera stands still for a grab).
  const auto cells_of = [&](const Picture& p) {
    std::vector<std::uint32_t> pixels;
    const PixelPoint cam = grabbed.camera();
    for (const auto& [cx, cy] : {std::pair{digger.x, digger.y},
                                std::pair{digger.x + dir_dx(towards), digger.y + dir_dy(towards)}}) {
      const int left = (16 * cx - static_cast<int>(std::lround(cam.x))) * 3;
      const int top = (16 * cy + 24 - static_cast<int>(std::lround(cam.y))) * 3;
      for (int y = 6; y < 42; y += 3) {
        for (int x = 6; x < 42; x += 3) pixels.push_back(p.at(static_cast<std::uint32_t>(left + x), static_cast<std::uint32_t>(top + y)));
      }
    }
    return pixels;
  };
  const std::vector<std::uint32_t> shown = cells_of(shot);
  EXPECT_EQ(shown, cells_of(presented(drawn(grabbed), 960, 600)));
  EXPECT_NE(shown, cells_of(presented(drawn(stepped), 960, 600)));

  // Out, and in again: the key is still K, shown on the options page exactly as drawn.
  keys(window, {"Escape"});
  leave(window);
  window = start_game();
  ASSERT_FALSE(window.empty());
  keys(window, {"F1", "Right"});
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const WindowBox again = box(window);
  const Picture page = crop(screenshot("options-after-restart"), static_cast<std::uint32_t>(again.x),
                            static_cast<std::uint32_t>(again.y), 960, 600);
  Session expected{chosen};
  expected.stage().help = HelpScreen{1, 0, false, std::nullopt};
  EXPECT_TRUE(page.pixels == presented(drawn(expected), 960, 600).pixels);
  keys(window, {"Escape"});
  leave(window);
}

TEST_F(OptionsWindow, EnglishChosenOnTheOptionsPageShowsOnTheTitleAndAfterARestart) {
  std::string window = start_game();
  ASSERT_FALSE(window.empty());
  keys(window, {"F1", "Right", "Down", "Return", "Escape"});
  ASSERT_TRUE(wait_until([&] { return saved().settings.language == Language::English; }, 5));
  Progress english;
  english.settings.language = Language::English;
  for (int run = 0; run < 2; ++run) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const WindowBox b = box(window);
    const Picture shot = crop(screenshot("english-title-" + std::to_string(run)), static_cast<std::uint32_t>(b.x),
                              static_cast<std::uint32_t>(b.y), 960, 600);
    double match = 0;
    const Canvas title = best_matching_canvas(Session{english}, shot, 4.0f, match);
    EXPECT_EQ(match, 1.0) << run;
    EXPECT_TRUE(shot.pixels == presented(title, 960, 600).pixels) << run;
    leave(window);
    if (run == 0) window = start_game();
  }
}

#endif

}  // namespace
}  // namespace korvedan
