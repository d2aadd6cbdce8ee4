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
}

}  // namespace
}  // namespace korvedan
