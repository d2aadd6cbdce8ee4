// The crash report's words and its file.
#include "game/diag/crash_report.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvedan {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CrashReport, TheReportNamesThePlaceTheMessageAndTheSystem) {
  const std::string description = crash_description("core/levels.cpp", 41, 7, "level RUTSCHE: row 3 is too long");
  EXPECT_EQ(description, "panicked at core/levels.cpp:41:7:\nlevel RUTSCHE: row 3 is too long");
  EXPECT_EQ(crash_report_text(description),
            "Korvedan 0.1.0 konnte nicht weiterlaufen.\n\n"
            "panicked at core/levels.cpp:41:7:\nlevel RUTSCHE: row 3 is too long\n\n"
            "System: linux x86_64");
}

TEST(CrashReport, TheBoxSaysWhereTheReportIsOnlyWhenItWasWritten) {
  EXPECT_EQ(crash_box_text("REPORT", fs::path("/games/korvedan-crash.txt")),
            "REPORT\n\nGespeichert in /games/korvedan-crash.txt");
  EXPECT_EQ(crash_box_text("REPORT", std::nullopt), "REPORT");
}

TEST(CrashReport, TheFileLiesBesideTheProgramAndHoldsOnlyTheLastReport) {
  const std::optional<fs::path> beside = crash_report_path();
  ASSERT_TRUE(beside.has_value());
  EXPECT_EQ(beside->filename(), "korvedan-crash.txt");
  EXPECT_EQ(beside->parent_path(), fs::read_symlink("/proc/self/exe").parent_path());

  const fs::path folder = fs::path(KV_BINARY_DIR) / "test-output" / "crash-report";
  fs::create_directories(folder);
  const fs::path file = folder / "korvedan-crash.txt";
  ASSERT_TRUE(write_crash_report(file, "the first, rather longer report"));
  ASSERT_TRUE(write_crash_report(file, "the second"));
  EXPECT_EQ(read_file(file), "the second");
  EXPECT_FALSE(write_crash_report(folder / "no such folder" / "korvedan-crash.txt", "lost"));
  EXPECT_EQ(crash_report_places().front(), *beside);
}

// The installed game: its folder cannot be written, so the report, and the box, name the state folder.
TEST(CrashReport, WhereTheProgramsFolderCannotBeWrittenTheStateFolderHoldsTheReport) {
  const fs::path folder = fs::path(KV_BINARY_DIR) / "test-output" / "crash-report-state";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path blocker = folder / "games";
  std::ofstream(blocker) << "x";  // a file where the program's folder is: nothing can go in it
  const fs::path beside = blocker / "korvedan-crash.txt";
  const fs::path state = folder / "home" / ".local" / "state" / "korvedan" / "korvedan-crash.txt";

  const std::optional<fs::path> written = write_crash_report(std::vector<fs::path>{beside, state}, "REPORT");
  ASSERT_EQ(written, state);
  EXPECT_EQ(read_file(state), "REPORT");
  EXPECT_EQ(crash_box_text("REPORT", written), "REPORT\n\nGespeichert in " + state.string());

  EXPECT_EQ(write_crash_report(std::vector<fs::path>{beside, blocker / "state" / "korvedan-crash.txt"}, "lost"),
            std::nullopt);
  const fs::path writable = folder / "program" / "korvedan-crash.txt";
  fs::create_directories(writable.parent_path());
  EXPECT_EQ(write_crash_report(std::vector<fs::path>{writable, state}, "beside"), writable);
  EXPECT_EQ(read_file(writable), "beside");
  EXPECT_EQ(read_file(state), "REPORT");  // the state folder's older report is left alone
}

}  // namespace
}  // namespace korvedan
