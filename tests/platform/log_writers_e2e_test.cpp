// Other writers of the controller log: a second copy of the program truncating it while the
// first still writes, and a crash reported while another thread goes on logging.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tests/platform/game_process.hpp"

namespace korvedan {
namespace {

using namespace e2e;
using ::testing::ElementsAreArray;
using ::testing::Gt;

#if defined(KV_LOG_PROBE)

// A fresh folder with its own copy of the probe, so the log lands in it.
fs::path probe_folder(const std::string& name) {
  const fs::path folder = fs::path(KV_BINARY_DIR) / "test-output" / "log-writers" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(KV_LOG_PROBE, folder / "log_probe", fs::copy_options::overwrite_existing);
  return folder;
}

pid_t start_probe(const fs::path& folder, const std::vector<std::string>& arguments, const std::string& output) {
  std::vector<std::string> argv{(folder / "log_probe").string()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return start_process(argv, base_environment(), folder, output);
}

// The log's lines, after checking that the file has no holes in it.
std::vector<std::string> log_of(const fs::path& folder) {
  const std::string text = read_text(folder / "korvedan-controller.txt");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\0'), 0) << "the log has NUL bytes in it";
  return read_lines(folder / "korvedan-controller.txt");
}

bool log_holds(const fs::path& folder, const std::string& line) {
  const std::vector<std::string> lines = read_lines(folder / "korvedan-controller.txt");
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(LogWriters, ASecondCopyTruncatesTheLogAndTheFirstGoesOnAtItsEnd) {
  const fs::path folder = probe_folder("two-copies");
  const fs::path go = folder / "go";
  const pid_t first = start_probe(folder, {"write", "A", "50", go.string(), "3"}, "first");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!log_holds(folder, "A line 50") && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(log_holds(folder, "A line 50")) << "the first copy did not start";

  const int second = wait_for(start_probe(folder, {"write", "B", "2"}, "second"), 30, "the second copy");
  EXPECT_TRUE(exited_cleanly(second));
  std::ofstream(go) << "go";
  EXPECT_TRUE(exited_cleanly(wait_for(first, 30, "the first copy")));

  // The second start truncated the first one's lines away (the log is one run's), and what
  // the first wrote after that follows the second's lines whole.
  EXPECT_THAT(log_of(folder), ElementsAreArray({"Korvedan build " KV_BUILD, "start: B started", "B line 1", "B line 2",
                                                "A later line 1", "A later line 2", "A later line 3"}));
}

struct CrashedLog {
  int status = -1;
  std::vector<std::string> lines;
};

CrashedLog crash_probe(const std::string& name, int lines_before, bool logging_thread) {
  const fs::path folder = probe_folder(name);
  CrashedLog crashed;
  crashed.status = wait_for(start_probe(folder, {"crash", std::to_string(lines_before), logging_thread ? "1" : "0"},
                                        "probe"),
                            60, "the crashing probe");
  crashed.lines = log_of(folder);
  return crashed;
}

std::vector<std::size_t> positions_starting(const std::vector<std::string>& lines, const std::string& lead) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(lead, 0) == 0) found.push_back(i);
  }
  return found;
}

const std::string stopped = "start: stopped: panicked at unknown:0:0:";
const std::string signal_line = "signal SIGSEGV (invalid memory access) at address 0x0";

TEST(LogWriters, ACrashLineStaysWhileAnotherThreadGoesOnLogging) {
  const CrashedLog crashed = crash_probe("crash-while-logging", 10, true);
  EXPECT_TRUE(WIFSIGNALED(crashed.status) && WTERMSIG(crashed.status) == SIGSEGV) << crashed.status;
  const std::vector<std::string>& lines = crashed.lines;
  const std::vector<std::size_t> starts = positions_starting(lines, "start: ");
  ASSERT_EQ(starts.size(), 2u) << "no crash line";
  EXPECT_EQ(lines[starts[0]], "start: started");
  const std::size_t crash_at = starts[1];
  EXPECT_EQ(lines[crash_at], stopped);
  ASSERT_LT(crash_at + 1, lines.size());
  EXPECT_EQ(lines[crash_at + 1], signal_line);
  // The other thread logged on while the box was open, after the crash line, not over it.
  const std::vector<std::size_t> procon = positions_starting(lines, "  procon line ");
  ASSERT_FALSE(procon.empty());
  EXPECT_THAT(procon.back(), Gt(crash_at + 1));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (i == crash_at + 1) continue;
    EXPECT_TRUE(lines[i].rfind("start: ", 0) == 0 || lines[i].rfind("  ", 0) == 0) << "a broken line: " << lines[i];
  }
}

TEST(LogWriters, ACrashLineCountsAgainstTheSixHundredLines) {
  // 599 lines used: the crash line is the 600th and is kept.
  const CrashedLog last_one = crash_probe("crash-at-600", 598, false);
  ASSERT_EQ(last_one.lines.size(), 1u + 600u + 1u);  // the header, 600 lines, the description's second line
  EXPECT_EQ(last_one.lines[599], "  line 598");
  EXPECT_EQ(last_one.lines[600], stopped);
  EXPECT_EQ(last_one.lines[601], signal_line);

  // All 600 used: the crash line is dropped like any later line.
  const CrashedLog full = crash_probe("crash-at-601", 599, false);
  EXPECT_TRUE(WIFSIGNALED(full.status) && WTERMSIG(full.status) == SIGSEGV) << full.status;
  ASSERT_EQ(full.lines.size(), 601u);
  EXPECT_EQ(full.lines.back(), "  line 599");
}

#else

TEST(LogWriters, NeedsTheLogProbe) { GTEST_SKIP() << "built without the log probe"; }

#endif

}  // namespace
}  // namespace korvedan
