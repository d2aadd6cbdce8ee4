// The real program without a display: SDL's dummy window, sound into a file, events pushed by
// its test script. Playing from the title, the log, the save, the picture in the window, a
// virtual gamepad, touches, and the crash report for each way the program can die.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tests/platform/game_process.hpp"
#include "tests/platform/game_pictures.hpp"

namespace korvedan {
namespace {

using namespace e2e;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;
using ::testing::StartsWith;

#if defined(KV_GAME_BINARY)

// One "state" line of the script, taken apart.
std::vector<std::string> start_lines(const std::vector<std::string>& log) {
  std::vector<std::string> lines;
  for (const std::string& line : log) {
    if (line.rfind("start: ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

TEST(AppEndToEnd, PlaysTheFirstCaveFromTheTitleAndLeavesByTheTitle) {
  const GameRun run = run_game(game_folder("play"),
                               "at 2 state\n"
                               "at 3 key Enter\n"
                               "at 6 state\n"
                               "at 8 down ArrowRight\n"
                               "at 22 up ArrowRight\n"
                               "at 26 state\n"
                               "at 27 key KeyP\n"
                               "at 30 state\n"
                               "at 45 state\n"
                               "at 46 key Escape\n"
                               "at 49 state\n"
                               "at 50 key Escape\n"
                               "at 500 state\n");
  EXPECT_TRUE(exited_cleanly(run.status)) << "status " << run.status << "\n" << run.errors;

  EXPECT_FALSE(state_at(run, 2).playing);
  const Shown started = state_at(run, 6);
  EXPECT_TRUE(started.playing);
  EXPECT_EQ(started.cave, 1);
  const Shown walked = state_at(run, 26);
  EXPECT_GT(walked.digger_x, started.digger_x);
  EXPECT_EQ(walked.digger_y, started.digger_y);
  const Shown paused = state_at(run, 30), later = state_at(run, 45);
  EXPECT_TRUE(paused.paused);
  EXPECT_EQ(later.digger_x, paused.digger_x);  // nothing moves while paused
  EXPECT_FALSE(state_at(run, 49).playing);
  EXPECT_THAT(run.output, Not(Contains(StartsWith("frame 500:"))));  // it left at frame 50

  ASSERT_FALSE(run.log.empty());
  EXPECT_EQ(run.log[0], "Korvedan build " KV_BUILD);
  EXPECT_THAT(start_lines(run.log),
              ElementsAre("start: started", "start: loading the save and drawing the sprites",
                          "start: game set up, reaching for the window system", "start: entering the event loop",
                          "start: opening the window", "start: window open, asking for a surface to draw on",
                          "start: surface ready", "start: sound running", "start: first frame on its way to the screen",
                          "start: leaving by the title", "start: the event loop has ended"));
  EXPECT_THAT(run.log, Contains("gamepads known to the gamepad library at start:"));
}

TEST(AppEndToEnd, SettingsAndNamesAreSavedAndComeBack) {
  const fs::path folder = game_folder("save");
  GameRun run = run_game(folder,
                         "at 3 key KeyM\n"
                         "at 6 state\n"
                         "at 7 key KeyN\n"
                         "at 9 text ab\n"
                         "at 10 key Backspace\n"
                         "at 10 text c-1\n"
                         "at 12 state\n"
                         "at 13 key Enter\n"
                         "at 16 close\n");
  EXPECT_TRUE(exited_cleanly(run.status)) << run.errors;
  EXPECT_TRUE(state_at(run, 6).music_off);
  EXPECT_EQ(state_at(run, 12).name, "AC1");
  const std::string save = read_text(folder / "save.json");
  EXPECT_THAT(save, HasSubstr("\"music_off\":true"));
  EXPECT_THAT(save, HasSubstr("\"name\":\"AC1\""));
  EXPECT_THAT(start_lines(run.log), Contains("start: the window was closed"));
  EXPECT_THAT(start_lines(run.log), Not(Contains("start: leaving by the title")));

  // The next run starts from the save; M switches the music back on and saves again.
  run = run_game(folder, "at 2 state\nat 3 key KeyM\nat 5 state\nat 6 close\n");
  EXPECT_TRUE(exited_cleanly(run.status)) << run.errors;
  EXPECT_TRUE(state_at(run, 2).music_off);
  EXPECT_FALSE(state_at(run, 5).music_off);
  EXPECT_THAT(read_text(folder / "save.json"), HasSubstr("\"music_off\":false"));
}

TEST(AppEndToEnd, TheWindowShowsTheTitleScaledAndFollowsItsSize) {
  const fs::path folder = game_folder("picture");
  const GameRun run = run_game(folder, "at 1 resize 500 300\nat 4 close\n", {"SDL_VIDEO_DUMMY_SAVE_FRAMES=1"});
  EXPECT_TRUE(exited_cleanly(run.status)) << run.errors;

  std::vector<fs::path> frames;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".bmp") frames.push_back(entry.path());
  }
  std::sort(frames.begin(), frames.end());
  ASSERT_GE(frames.size(), 2u);  // frames the window already shows are not sent again

  // The first frame comes before any animation has moved: exactly the title as drawn.
  Session title{Progress{}};
  title.stage().screen_clock = 0.05f;
  const Picture first = load_bmp(frames.front());
  ASSERT_EQ(first.width, 960u);
  ASSERT_EQ(first.height, 600u);
  EXPECT_TRUE(first.pixels == presented(drawn(title), 960, 600).pixels);

  // After the resize the surface is 500 × 300, letterboxed.
  const Picture last = load_bmp(frames.back());
  ASSERT_EQ(last.width, 500u);
  ASSERT_EQ(last.height, 300u);
  double best = 0;
  const Canvas canvas = best_matching_canvas(Session{Progress{}}, last, 3.0f, best);
  EXPECT_TRUE(last.pixels == presented(canvas, 500, 300).pixels) << "best agreement " << best;
}

TEST(AppEndToEnd, AVirtualGamepadStartsTheCaveAndSteersTheDigger) {
  const GameRun run = run_game(game_folder("gamepad"),
                               "at 2 pad attach\n"
                               "at 6 state\n"
                               "at 8 pad button start down\n"
                               "at 10 pad button start up\n"
                               "at 13 state\n"
                               "at 15 pad button dpright down\n"
                               "at 29 pad button dpright up\n"
                               "at 33 state\n"
                               "at 34 close\n");
  EXPECT_TRUE(exited_cleanly(run.status)) << run.errors;
  const Shown attached = state_at(run, 6);
  EXPECT_EQ(attached.pads, 1u);
  EXPECT_FALSE(attached.playing);
  const Shown started = state_at(run, 13);
  EXPECT_TRUE(started.playing);
  EXPECT_GT(state_at(run, 33).digger_x, started.digger_x);
  EXPECT_THAT(run.log, Contains(MatchesRegex("gamepad event from [0-9]+: Connected")));
  EXPECT_THAT(run.log, Contains(MatchesRegex("gamepad event from [0-9]+: ButtonPressed\\(start\\)")));
  EXPECT_THAT(run.log, Contains(MatchesRegex("gamepad event from [0-9]+: ButtonReleased\\(dpright\\)")));
}

TEST(AppEndToEnd, ATapStartsTheCaveAndASwipeWalks) {
  const GameRun run = run_game(game_folder("touch"),
                               "at 2 finger down 1 0.5 0.5\n"
                               "at 3 finger up 1 0.505 0.5\n"
                               "at 6 state\n"
                               "at 8 finger down 2 0.3 0.5\n"
                               "at 9 finger move 2 0.4 0.52\n"
                               "at 22 finger up 2 0.4 0.52\n"
                               "at 26 state\n"
                               "at 27 close\n");
  EXPECT_TRUE(exited_cleanly(run.status)) << run.errors;
  const Shown started = state_at(run, 6);
  EXPECT_TRUE(started.playing);
  EXPECT_GT(state_at(run, 26).digger_x, started.digger_x);
}

// The crash report of one run: its file, its log and how the process ended.
struct Crash {
  GameRun run;
  std::string report;
};

Crash crash(const std::string& name, const std::string& step) {
  Crash c;
  c.run = run_game(game_folder(name), "at 3 " + step + "\n");
  c.report = read_text(c.run.folder / "korvedan-crash.txt");
  return c;
}

void expect_crash_reported(const Crash& c, const std::string& description_pattern) {
  EXPECT_FALSE(WIFEXITED(c.run.status)) << "status " << c.run.status;  // no exit status of the game's own
  EXPECT_THAT(c.report, MatchesRegex("Korvedan 0\\.1\\.0 konnte nicht weiterlaufen\\.\n\n" + description_pattern +
                                     "\n\nSystem: linux x86_64"));
  // The log's last line names the stop; a description runs on over a line feed.
  std::string log_tail;
  for (const std::string& line : c.run.log) {
    if (line.rfind("start: stopped: ", 0) == 0) log_tail.clear();
    if (line.rfind("start: stopped: ", 0) == 0 || !log_tail.empty()) log_tail += line + "\n";
  }
  EXPECT_THAT(log_tail, MatchesRegex("start: stopped: " + description_pattern + "\n"));
  // No display here, so the box cannot be shown, and says so.
  EXPECT_THAT(c.run.errors, HasSubstr("could not show the crash report: "));
}

TEST(AppEndToEnd, AFatalErrorLeavesAReportBesideTheProgram) {
  const Crash c = crash("fatal", "fatal the test asked for it");
  EXPECT_TRUE(WIFSIGNALED(c.run.status) && WTERMSIG(c.run.status) == SIGABRT) << c.run.status;
  expect_crash_reported(c, "panicked at game/platform/test_script\\.cpp:[0-9]+:[0-9]+:\nthe test asked for it");
}

TEST(AppEndToEnd, ACrashingSignalLeavesAReport) {
  const Crash c = crash("segv", "segv");
  EXPECT_TRUE(WIFSIGNALED(c.run.status) && WTERMSIG(c.run.status) == SIGSEGV) << c.run.status;
  expect_crash_reported(c, "panicked at unknown:0:0:\nsignal SIGSEGV \\(invalid memory access\\) at address 0x0");
}

TEST(AppEndToEnd, AnExceptionLeftUncaughtOnAnotherThreadLeavesAReport) {
  const Crash c = crash("throw", "throw");
  EXPECT_TRUE(WIFSIGNALED(c.run.status) && WTERMSIG(c.run.status) == SIGABRT) << c.run.status;
  expect_crash_reported(c, "panicked at unknown:0:0:\nuncaught exception: thrown on another thread");
}

// Folders in place of the files beside the program: they cannot be created there, not even by
// root, as for an installed game under /usr.
void block_beside(const fs::path& folder, const char* name) { fs::create_directory(folder / name); }

TEST(AppEndToEnd, WhereTheProgramsFolderCannotBeWrittenLogAndReportGoToTheStateFolder) {
  const fs::path folder = game_folder("state-fatal");
  block_beside(folder, "korvedan-controller.txt");
  block_beside(folder, "korvedan-crash.txt");
  const GameRun run =
      run_game(folder, "at 3 fatal the test asked for it\n", {"XDG_STATE_HOME=" + (folder / "state").string()});
  EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGABRT) << run.status;
  const fs::path state = folder / "state" / "korvedan";
  const std::vector<std::string> log = read_lines(state / "korvedan-controller.txt");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0], "Korvedan build " KV_BUILD);
  EXPECT_THAT(log, Contains("start: started"));
  EXPECT_THAT(log, Contains(MatchesRegex("start: stopped: panicked at [^\n]*test_script\\.cpp:[0-9]+:[0-9]+:")));
  const std::string report = read_text(state / "korvedan-crash.txt");
  EXPECT_THAT(report, StartsWith("Korvedan 0.1.0 konnte nicht weiterlaufen.\n\npanicked at "));
  EXPECT_THAT(report, HasSubstr(":\nthe test asked for it\n\nSystem: linux x86_64"));
}

// A signal's report makes the missing state folders itself; the log stayed beside the program.
TEST(AppEndToEnd, ACrashingSignalMakesTheStateFolderForItsReport) {
  const fs::path folder = game_folder("state-segv");
  block_beside(folder, "korvedan-crash.txt");
  const fs::path state_home = folder / "deeper" / "state";
  const GameRun run = run_game(folder, "at 3 segv\n", {"XDG_STATE_HOME=" + state_home.string()});
  EXPECT_TRUE(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGSEGV) << run.status;
  EXPECT_EQ(read_text(state_home / "korvedan" / "korvedan-crash.txt"),
            "Korvedan 0.1.0 konnte nicht weiterlaufen.\n\npanicked at unknown:0:0:\n"
            "signal SIGSEGV (invalid memory access) at address 0x0\n\nSystem: linux x86_64");
  EXPECT_THAT(run.log, Contains("start: stopped: panicked at unknown:0:0:"));
  EXPECT_FALSE(fs::exists(state_home / "korvedan" / "korvedan-controller.txt"));
}

#else

TEST(AppEndToEnd, NeedsTheGame) { GTEST_SKIP() << "built without the game's path"; }

#endif

}  // namespace
}  // namespace korvedan
