// The controller log: its header, its 600-line cap, a fresh file per run and a folder
// where it cannot be written.
#include "game/diag/controller_log.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/diag/executable_path.hpp"

#if defined(__unix__)
#include <unistd.h>
#endif

namespace korvedan {
namespace {

namespace fs = std::filesystem;

class ControllerLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(KV_BINARY_DIR) / "controller_log_test" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }

  fs::path file() const { return folder_ / "korvedan-controller.txt"; }

  std::vector<std::string> lines() const {
    std::ifstream in(file(), std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    EXPECT_TRUE(text.empty() || text.back() == '\n') << "the last line is not ended";
    std::vector<std::string> result;
    std::string line;
    std::istringstream split(text);
    while (std::getline(split, line)) {
      EXPECT_EQ(line.find('\r'), std::string::npos) << "lines end with a line feed alone";
      result.push_back(line);
    }
    return result;
  }

  fs::path folder_;
};

TEST_F(ControllerLogTest, HeaderThenTheFirstSixHundredLines) {
  ControllerLog log(file());
  for (int i = 1; i <= 650; ++i) log.write("line " + std::to_string(i));
  const std::vector<std::string> written = lines();
  ASSERT_EQ(written.size(), 601u);
  EXPECT_EQ(written[0], "Korvedan build " KV_BUILD);
  EXPECT_EQ(written[1], "line 1");
  EXPECT_EQ(written[600], "line 600");
}

TEST_F(ControllerLogTest, EachLineIsOnTheDiskAtOnce) {
  ControllerLog log(file());
  log.write("start: started");
  // Read while the log is still open: nothing waits in a buffer.
  EXPECT_EQ(lines(), (std::vector<std::string>{"Korvedan build " KV_BUILD, "start: started"}));
  log.write("  opened");
  EXPECT_EQ(lines().back(), "  opened");
}

TEST_F(ControllerLogTest, ANewRunStartsAFreshFile) {
  {
    ControllerLog first_run(file());
    for (int i = 0; i < 5; ++i) first_run.write("first run");
  }
  ControllerLog second_run(file());
  EXPECT_TRUE(fs::exists(file()));  // nothing happens before the first line
  EXPECT_EQ(lines().size(), 6u);
  second_run.write("second run");
  EXPECT_EQ(lines(), (std::vector<std::string>{"Korvedan build " KV_BUILD, "second run"}));
}

TEST_F(ControllerLogTest, AFolderThatCannotBeWrittenLeavesTheLogSilent) {
  // A regular file in place of the folder fails even for root.
  const fs::path blocker = folder_ / "not-a-folder";
  std::ofstream(blocker) << "x";
  ControllerLog log(blocker / "korvedan-controller.txt");
  for (int i = 0; i < 700; ++i) log.write("lost");
  EXPECT_FALSE(fs::exists(blocker / "korvedan-controller.txt"));
  EXPECT_EQ(fs::file_size(blocker), 1u);

  ControllerLog nowhere(std::nullopt);  // no executable path at all
  nowhere.write("lost too");
}

// An installed game cannot write beside itself: the lines go to the state folder instead.
TEST_F(ControllerLogTest, WhereTheProgramsFolderCannotBeWrittenTheStateFolderServes) {
  const fs::path blocker = folder_ / "not-a-folder";
  std::ofstream(blocker) << "x";
  const fs::path state_file = folder_ / "state" / "korvedan" / "korvedan-controller.txt";
  {
    ControllerLog log(std::vector<fs::path>{blocker / "korvedan-controller.txt", state_file});
    log.write("start: started");
  }
  ControllerLog second_run(std::vector<fs::path>{blocker / "korvedan-controller.txt", state_file});
  second_run.write("second run");
  std::ifstream in(state_file);
  std::vector<std::string> written;
  for (std::string line; std::getline(in, line);) written.push_back(line);
  EXPECT_EQ(written, (std::vector<std::string>{"Korvedan build " KV_BUILD, "second run"}));
  EXPECT_EQ(fs::file_size(blocker), 1u);
}

TEST_F(ControllerLogTest, LinesFromManyThreadsNeverInterleave) {
  ControllerLog log(file());
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&log, t] {
      for (int i = 0; i < 100; ++i) log.write(std::string(50, static_cast<char>('a' + t)));
    });
  }
  for (std::thread& writer : writers) writer.join();
  const std::vector<std::string> written = lines();
  ASSERT_EQ(written.size(), 401u);
  for (std::size_t i = 1; i < written.size(); ++i) {
    ASSERT_EQ(written[i].size(), 50u);
    EXPECT_EQ(written[i].find_first_not_of(written[i][0]), std::string::npos) << written[i];
  }
}

TEST_F(ControllerLogTest, AnotherRunTruncatingTheFileMeanwhileLeavesNoHole) {
  ControllerLog running(file());
  for (int i = 1; i <= 50; ++i) running.write("running " + std::to_string(i));
  ControllerLog started_later(file());  // a second copy of the game, or the screenshot tour
  started_later.write("later 1");
  started_later.write("later 2");
  running.write("running 51");
  started_later.write("later 3");
  std::ifstream in(file(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.find('\0'), std::string::npos) << "a hole in the log";
  EXPECT_EQ(lines(), (std::vector<std::string>{"Korvedan build " KV_BUILD, "later 1", "later 2", "running 51", "later 3"}));
}

#if defined(__unix__)
TEST_F(ControllerLogTest, ACrashHandlersLineIsCountedAndAppendedAfterTheOthers) {
  ControllerLog log(file());
  EXPECT_EQ(log.claim_line_without_lock(), -1) << "nothing is open before the first line";
  EXPECT_FALSE(fs::exists(file()));
  for (int i = 1; i <= 598; ++i) log.write("line " + std::to_string(i));
  const int descriptor = log.claim_line_without_lock();  // the 599th line
  ASSERT_GE(descriptor, 0);
  ASSERT_EQ(::write(descriptor, "crash\n", 6), 6);
  log.write("line 600");
  EXPECT_EQ(log.claim_line_without_lock(), -1) << "the 601st line";
  log.write("line 602");
  const std::vector<std::string> written = lines();
  ASSERT_EQ(written.size(), 601u);
  EXPECT_EQ(written[598], "line 598");
  EXPECT_EQ(written[599], "crash");
  EXPECT_EQ(written[600], "line 600");

  ControllerLog nowhere(std::nullopt);
  nowhere.write("lost");
  EXPECT_EQ(nowhere.claim_line_without_lock(), -1);
}
#endif

TEST(ControllerLogPath, BesideTheRunningProgram) {
  const std::optional<fs::path> program = executable_path();
  ASSERT_TRUE(program);
  EXPECT_EQ(program->filename(), "test_diag");
  EXPECT_TRUE(fs::exists(*program));
  const std::optional<fs::path> log = controller_log_path();
  ASSERT_TRUE(log);
  EXPECT_EQ(*log, program->parent_path() / "korvedan-controller.txt");
  EXPECT_EQ(controller_log_places().front(), *log);
}

}  // namespace
}  // namespace korvedan
