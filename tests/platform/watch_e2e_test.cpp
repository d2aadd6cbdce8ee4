// Watching runs in the real window: V on the title plays the player's kept run of cave 1 with
// its band, Right doubles the speed, the end shows the won cave and a key gives the title back;
// three losses in a row offer H, which plays the game's own run of the cave to the win.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art/colours.hpp"
#include "core/input_tokens.hpp"
#include "game/save/run_files.hpp"
#include "game/save/save_json.hpp"
#include "tests/platform/game_pictures.hpp"
#include "tests/platform/game_process.hpp"
#include "tests/platform/xvfb_display.hpp"

namespace korvedan {
namespace {

using namespace e2e;

#if defined(KV_GAME_BINARY)

// Walks under the boulder at the foot of cave 1's middle and stands there: crushed within a
// few ticks, however many idle ticks fall between the steps.
const std::vector<std::string> crushing_walk = {"Down",  "Down",  "Down",  "Down",  "Down",  "Right", "Right",
                                                "Right", "Right", "Right", "Right", "Down",  "Right", "Down"};

std::vector<TickInputs> stored_normal_run_of_cave_1() {
  std::ifstream file(fs::path(KV_SOURCE_DIR) / "data" / "runs" / "001-normal.txt");
  std::stringstream text;
  text << file.rdbuf();
  Result<std::vector<TickInputs>> inputs = parse_input_tokens(text.str(), 1);
  EXPECT_TRUE(inputs) << (inputs ? "" : inputs.error());
  return inputs ? std::move(inputs).value() : std::vector<TickInputs>{};
}

// The share of the canvas's gold pixels in the given rows that the window shows in gold too:
// the band's text, whatever the cave beneath it does.
double gold_text_shown(const Canvas& expected, const Picture& shot, std::uint32_t top, std::uint32_t bottom) {
  const std::vector<std::uint32_t> want = packed(expected), got = sampled_canvas(shot);
  const std::uint32_t gold = packed_pixel(colours::gold);
  std::size_t total = 0, same = 0;
  for (std::uint32_t y = top; y < bottom; ++y) {
    for (std::uint32_t x = 0; x < Canvas::width; ++x) {
      const std::size_t i = std::size_t{y} * Canvas::width + x;
      if (want[i] != gold) continue;
      ++total;
      same += got[i] == gold ? 1 : 0;
    }
  }
  return total == 0 ? 0.0 : static_cast<double>(same) / static_cast<double>(total);
}

// Lets a watch play on for `seconds` of 60 frames a second.
void watch_on(Session& s, float seconds) {
  for (int frame = 0; frame < static_cast<int>(seconds * 60); ++frame) s.update(FrameInput{}, 1.0f / 60);
}

class WatchWindow : public XvfbGame {
 protected:
  void SetUp() override {
    folder_name_ = std::string("watch-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    XvfbGame::SetUp();
  }
  void TearDown() override { game_.stop(); }

  void start_game() {
    std::vector<std::string> environment = display_environment();
    environment.push_back("SDL_AUDIODRIVER=dummy");
    environment.push_back("KORVEDAN_SAVE=" + (folder_ / "save.json").string());
    game_.pid = start_process({(folder_ / "korvedan").string()}, environment, folder_, "game");
    const fs::path log = folder_ / "korvedan-controller.txt";
    ASSERT_TRUE(wait_until(
        [&] {
          const std::vector<std::string> lines = read_lines(log);
          if (std::find(lines.begin(), lines.end(), "start: first frame on its way to the screen") == lines.end()) {
            return false;
          }
          std::istringstream found(tool({"xdotool", "search", "--name", "^Korvedan$"}, "search"));
          return static_cast<bool>(found >> window_);
        },
        30))
        << read_text(folder_ / "game.err");
    const std::string geometry = tool({"xdotool", "getwindowgeometry", window_}, "geometry");
    const std::size_t position = geometry.find("Position: ");
    ASSERT_NE(position, std::string::npos) << geometry;
    ASSERT_EQ(std::sscanf(geometry.c_str() + position, "Position: %d,%d", &left_, &top_), 2) << geometry;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }

  // Each key a little more than two ticks after the last, so no press shares a tick.
  void keys(const std::vector<std::string>& names, int gap_ms = 280) {
    for (const std::string& name : names) {
      tool({"xdotool", "key", "--window", window_, name}, "key");
      std::this_thread::sleep_for(std::chrono::milliseconds(gap_ms));
    }
  }

  Picture shot(const std::string& name) {
    return crop(screenshot(name), static_cast<std::uint32_t>(std::max(0, left_)),
                static_cast<std::uint32_t>(std::max(0, top_)), 960, 600);
  }

  void leave() {
    closing_key({"xdotool", "key", "--window", window_, "Escape"});
    EXPECT_TRUE(exited_cleanly(wait_for(game_.pid, 20, "the game"))) << read_text(folder_ / "game.err");
    game_.pid = -1;
  }

  Started game_;
  std::string window_;
  int left_ = 0, top_ = 0;
};

TEST_F(WatchWindow, CaveOneWonByKeysIsKeptAndVPlaysItWithItsBandAtTwiceTheSpeed) {
  // The stored route typed in, a step every two ticks or so: the route wins with idle ticks
  // between its steps too.
  start_game();
  if (HasFatalFailure()) return;
  keys({"Return"}, 400);
  const std::vector<TickInputs> route = stored_normal_run_of_cave_1();
  std::vector<std::string> steps;
  for (const TickInputs& tick : route) {
    steps.push_back(std::string(std::array{"Up", "Right", "Down", "Left"}[static_cast<std::size_t>(tick[0].dir)]));
  }
  keys(steps, 300);
  const fs::path kept_file = folder_ / "runs" / "0" / "001-normal-1p.txt";
  ASSERT_TRUE(wait_until([&] { return fs::exists(kept_file); }, 10)) << "cave 1 was not won by the keys";
  std::ostringstream errors;
  const RunFiles runs(folder_ / "save.json", errors);
  const RunLookup kept = runs.find(0, 0, Difficulty::Normal, 1);
  ASSERT_EQ(kept.kind, RunLookup::Kind::Read) << errors.str();
  EXPECT_GT(kept.run.inputs.size(), route.size());  // the idle ticks too
  keys({"Escape"}, 400);  // back to the title, which offers cave 1 again

  keys({"v"}, 1000);
  keys({"Right"}, 300);
  Session watching{Progress{}};
  watching.watch_own_run(kept.run);
  ASSERT_TRUE(watching.watch().has_value());
  watching.stage().watch->speed = 2;
  EXPECT_EQ(gold_text_shown(drawn(watching), shot("replay"), 186, 200), 1.0);  // "WIEDERHOLUNG   2X"

  // At twice the speed the run is over in about nine seconds; then the won cave stands still.
  std::this_thread::sleep_for(std::chrono::milliseconds(kept.run.inputs.size() * 65 + 2500));
  const Picture end = shot("replay-end");
  watch_on(watching, static_cast<float>(kept.run.inputs.size()) * 0.065f + 3);
  ASSERT_EQ(watching.cave().outcome, CaveOutcome::Won);
  EXPECT_EQ(watching.cave().score, kept.run.header.score);
  double match = 0;
  best_matching_canvas(watching, end, 2.0f, match);
  EXPECT_GT(match, 0.99);

  // Any other key ends it: the title again, offering cave 1 as before the replay.
  keys({"x"}, 400);
  const Result<Progress> saved = progress_from_json(read_text(folder_ / "save.json"));
  ASSERT_TRUE(saved) << (saved ? "" : saved.error());
  EXPECT_EQ(saved.value().solved, 1u);
  Session title{saved.value()};
  title.start_cave(0);
  title.stage().playing = false;
  double title_match = 0;
  best_matching_canvas(title, shot("title-after"), 4.0f, title_match);
  EXPECT_EQ(title_match, 1.0);
  leave();
}

TEST_F(WatchWindow, ThreeLossesInARowOfferHAndItPlaysTheGamesOwnRunToTheWin) {
  start_game();
  if (HasFatalFailure()) return;
  keys({"Return"}, 400);
  // The lost box as the session draws it, with and without the extra line.
  Session lost{Progress{}};
  lost.start_cave(0);
  const auto box_after = [&](unsigned losses) {
    Session s = lost;
    s.stage().cave.outcome = CaveOutcome::Lost;
    s.stage().lost_cause = LostCause::Crushed;
    s.stage().losses_in_row = losses;
    s.stage().end_clock = 1.0f;
    return drawn(s);
  };
  const Canvas with_h = box_after(3), without_h = box_after(2);
  // The H line's pixels: text the box with it shows where the box without it does not (the box
  // grows too, and the cave it shades moves on in the window).
  const std::uint32_t text_colours[] = {packed_pixel(colours::text_white), packed_pixel(colours::gold),
                                        packed_pixel(colours::lavender)};
  const auto h_line_shown = [&](const Picture& shot) {
    const std::vector<std::uint32_t> a = packed(with_h), b = packed(without_h), got = sampled_canvas(shot);
    std::size_t total = 0, same = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] == b[i] || std::find(std::begin(text_colours), std::end(text_colours), a[i]) == std::end(text_colours)) {
        continue;
      }
      ++total;
      same += got[i] == a[i] ? 1 : 0;
    }
    return total == 0 ? 0.0 : static_cast<double>(same) / static_cast<double>(total);
  };
  for (int loss = 1; loss <= 3; ++loss) {
    keys(crushing_walk);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const double shown = h_line_shown(shot("lost-" + std::to_string(loss)));
    if (loss < 3) {
      EXPECT_LT(shown, 0.5) << loss;
      keys({"space"}, 400);  // the cave again
    } else {
      EXPECT_EQ(shown, 1.0);
    }
  }

  keys({"h"}, 1000);
  Session showing = lost;
  showing.stage().cave.outcome = CaveOutcome::Lost;
  showing.stage().losses_in_row = 3;
  showing.stage().end_clock = 1.0f;
  showing.update([] { FrameInput in; in.show_key = true; return in; }(), 0.0f);
  ASSERT_TRUE(showing.watch().has_value());
  EXPECT_EQ(gold_text_shown(drawn(showing), shot("show-how"), 186, 200), 1.0);  // "SO GEHT ES"

  // 60 ticks at four times the speed; the game's own run wins the cave.
  keys({"Right", "Right"}, 200);
  std::this_thread::sleep_for(std::chrono::seconds(4));
  const Picture end = shot("show-how-end");
  showing.stage().watch->speed = 4;
  watch_on(showing, 6);
  ASSERT_EQ(showing.cave().outcome, CaveOutcome::Won);
  double match = 0;
  best_matching_canvas(showing, end, 2.0f, match);
  EXPECT_GT(match, 0.99);
  keys({"Escape"}, 400);  // out of the watch, back to the lost cave
  leave();
}

#endif

}  // namespace
}  // namespace korvedan
