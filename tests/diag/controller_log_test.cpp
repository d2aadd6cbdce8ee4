// The controller log: its header, its 600-line cap, a fresh file per run and a folder
// where it cannot be written.
#include "game/diag/controller_log.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/diag/executable_path.hpp"

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
  EXPECT_EQ(written[0], "Korvedan build 21");
  EXPECT_EQ(written[1], "line 1");
  EXPECT_EQ(written[600], "line 600");
}

TEST_F(ControllerLogTest, EachLineIsOnTheDiskAtOnce) {
  ControllerLog log(file());
  log.write("start: started");
  // Read while the log is still open: nothing waits in a buffer.
  EXPECT_EQ(lines(), (std::vector<std::string>{"Korvedan build 21", "start: started"}));
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
  EXPECT_EQ(lines(), (std::vector<std::string>{"Korvedan build 21", "second run"}));
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

TEST(ControllerLogPath, BesideTheRunningProgram) {
  const std::optional<fs::path> program = executable_path();
  ASSERT_TRUE(program);
  EXPECT_EQ(program->filename(), "test_diag");
  EXPECT_TRUE(fs::exists(*program));
  const std::optional<fs::path> log = controller_log_path();
  ASSERT_TRUE(log);
  EXPECT_EQ(*log, program->parent_path() / "korvedan-controller.txt");
}

}  // namespace
}  // namespace korvedan
