// kvtool trace end to end: the JSON line of each tick, and bad input reported with exit status 2.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace korvedan {
namespace {

namespace fs = std::filesystem;

struct TraceRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string error;
};

class Trace : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kv-trace-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    ASSERT_TRUE(fs::exists(kvtool_)) << kvtool_ << " is missing: build the kvtool target before the tests";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& text) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  TraceRun trace(const std::string& arguments) {
    const fs::path out = dir_ / "out.txt", err = dir_ / "err.txt";
    const std::string command =
        "'" + kvtool_.string() + "' trace " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
    TraceRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream lines(out);
    for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
    std::stringstream error;
    error << std::ifstream(err).rdbuf();
    run.error = error.str();
    return run;
  }

  fs::path dir_;
  fs::path kvtool_ = fs::path(KV_BINARY_DIR) / "tools" / "kvtool";
};

std::string steel_row(int width) {
  std::string row;
  for (int i = 0; i < width; ++i) row += "0300";
  return row;
}

std::string line(const std::string& fields, const std::string& cells) {
  return "{" + fields + ",\"cells\":\"" + cells + "\"}";
}

TEST_F(Trace, PrintsEveryTickAsOneJsonLine) {
  const std::string cave = write("cave.txt", "######\n#@.o.#\n#.. X#\n######\n");
  const std::string inputs = write("inputs.txt", "R\n R\n");
  const TraceRun run = trace(cave + " normal 1 " + inputs);
  ASSERT_EQ(run.status, 0) << run.error;
  ASSERT_EQ(run.lines.size(), 2u);
  // Tick 1: the digger digs, the boulder starts to fall (0401: boulder, falling).
  EXPECT_EQ(run.lines[0],
            line("\"tick\":1,\"events\":[0,10],\"crystals\":0,\"score\":0,\"time_left\":999,\"outcome\":0,"
                 "\"dynamite\":0,\"keys\":0,\"unlit_lamps\":0,\"lamp_broken\":0,\"switch_timer\":0,"
                 "\"diggers\":[[2,1,1,0,0,0]]",
                 steel_row(6) + "0300" "0000" "0900" "0000" "0100" "0300" +
                     "0300" "0100" "0100" "0401" "0a00" "0300" + steel_row(6)));
  // Tick 2: the digger steps on, the boulder lands on the steel edge.
  EXPECT_EQ(run.lines[1],
            line("\"tick\":2,\"events\":[3],\"crystals\":0,\"score\":0,\"time_left\":998,\"outcome\":0,"
                 "\"dynamite\":0,\"keys\":0,\"unlit_lamps\":0,\"lamp_broken\":0,\"switch_timer\":0,"
                 "\"diggers\":[[3,1,1,0,0,0]]",
                 steel_row(6) + "0300" "0000" "0000" "0900" "0100" "0300" +
                     "0300" "0100" "0100" "0400" "0a00" "0300" + steel_row(6)));
}

TEST_F(Trace, TakesCrystalsAndTimeAndTwoPlayers) {
  const std::string cave = write("cave.txt", "#####\n#@*X#\n#...#\n#####\n");
  const std::string inputs = write("inputs.txt", "R/. GD/F.");
  const TraceRun run = trace(cave + " easy 2 " + inputs + " --crystals 1 --time 20");
  ASSERT_EQ(run.status, 0) << run.error;
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_NE(run.lines[0].find("\"events\":[1,5],\"crystals\":1,\"score\":10,\"time_left\":29,"), std::string::npos)
      << run.lines[0];
  EXPECT_NE(run.lines[1].find("\"diggers\":[[2,1,2,0,0,0],[1,2,2,0,0,0]]"), std::string::npos) << run.lines[1];
}

TEST_F(Trace, PlaysABuiltInCaveFromStandardInput) {
  const std::string inputs = write("inputs.txt", ". . R");
  const TraceRun run = trace("1 hard 1 - <'" + inputs + "'");
  ASSERT_EQ(run.status, 0) << run.error;
  ASSERT_EQ(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[2].rfind("{\"tick\":3,", 0), 0u) << run.lines[2];
}

TEST_F(Trace, AMalformedTokenIsReportedWithItsPlaceAndNothingRuns) {
  const std::string cave = write("cave.txt", "#####\n#@.X#\n#####\n");
  const std::string inputs = write("inputs.txt", "R R\nR x R\n");
  const TraceRun run = trace(cave + " normal 1 " + inputs);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.lines.empty());
  EXPECT_NE(run.error.find(inputs + ": line 2, column 3"), std::string::npos) << run.error;
  EXPECT_EQ(trace(cave + " normal 2 " + inputs).status, 2) << "two players need R/. tokens";
}

TEST_F(Trace, ACaveThatDoesNotParseStopsWithTheParsersMessage) {
  const std::string cave = write("cave.txt", "#####\n#@.X#\n####\n");
  const std::string inputs = write("inputs.txt", "R");
  const TraceRun run = trace(cave + " normal 1 " + inputs);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.error.find(cave + ": row 2 is 4 wide, expected 5"), std::string::npos) << run.error;
  const std::string crlf = write("crlf.txt", "#####\r\n#@.X#\r\n#####\r\n");
  EXPECT_EQ(trace(crlf + " normal 1 " + inputs).status, 2) << "a carriage return is not guessed away";
}

TEST_F(Trace, BadArgumentsAreUsageErrors) {
  const std::string cave = write("cave.txt", "#####\n#@.X#\n#####\n");
  const std::string inputs = write("inputs.txt", "R");
  EXPECT_EQ(trace(cave + " medium 1 " + inputs).status, 2);
  EXPECT_EQ(trace(cave + " normal 3 " + inputs).status, 2);
  EXPECT_EQ(trace(cave + " normal 1 " + inputs + " --time").status, 2);
  EXPECT_EQ(trace(cave + " normal 1 " + inputs + " --time x").status, 2);
  EXPECT_EQ(trace(cave + " normal 1").status, 2);
  EXPECT_EQ(trace((dir_ / "missing.txt").string() + " normal 1 " + inputs).status, 2);
}

}  // namespace
}  // namespace korvedan
