// What only the Windows build does with files and names: UTF-16 at every system call, the
// program's own path, the durable save under a user name with an umlaut, and APPDATA.
#if defined(_WIN32)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

#include "game/save/durable_file.hpp"
#include "game/diag/environment.hpp"
#include "game/diag/executable_path.hpp"
#include "game/save/save.hpp"
#include "game/diag/wide_text_windows.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// "Jörg 日本 🎮": two-, three- and four-byte UTF-8 (the last a surrogate pair in UTF-16).
const std::string jorg = "J\xC3\xB6rg \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAE";
const std::wstring jorg_wide = L"J\u00F6rg \u65E5\u672C \xD83C\xDFAE";

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(WindowsText, UTF8AndUTF16ConvertBothWaysWithoutLoss) {
  EXPECT_EQ(utf16_from_utf8(jorg), jorg_wide);
  EXPECT_EQ(utf8_from_utf16(jorg_wide), jorg);
  EXPECT_EQ(utf16_from_utf8(""), L"");
  EXPECT_EQ(utf8_from_utf16(L""), "");
  // A broken sequence turns into the replacement character instead of vanishing.
  EXPECT_EQ(utf16_from_utf8("a\xFF" "b"), L"a\uFFFDb");
}

TEST(WindowsText, EnvironmentValuesArriveAsUTF8AndEmptyCountsAsSet) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"KV_TEST_NAME", jorg_wide.c_str()));
  EXPECT_EQ(environment_variable("KV_TEST_NAME"), jorg);
  ASSERT_TRUE(SetEnvironmentVariableW(L"KV_TEST_NAME", L""));
  EXPECT_EQ(environment_variable("KV_TEST_NAME"), std::string());
  ASSERT_TRUE(SetEnvironmentVariableW(L"KV_TEST_NAME", nullptr));
  EXPECT_EQ(environment_variable("KV_TEST_NAME"), std::nullopt);
  // Longer than the first guess of the buffer.
  const std::wstring long_value(5000, L'\u00E4');
  ASSERT_TRUE(SetEnvironmentVariableW(L"KV_TEST_NAME", long_value.c_str()));
  EXPECT_EQ(environment_variable("KV_TEST_NAME")->size(), 10000u);
  SetEnvironmentVariableW(L"KV_TEST_NAME", nullptr);
}

TEST(WindowsText, TheProgramKnowsItsOwnPath) {
  const std::optional<fs::path> path = executable_path();
  ASSERT_TRUE(path.has_value());
  EXPECT_TRUE(path->is_absolute());
  EXPECT_EQ(path->filename(), fs::path("test_save.exe"));
  EXPECT_TRUE(fs::is_regular_file(*path));
}

class WindowsSave : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / fs::path(utf16_from_utf8("kv-" + jorg + "-" + std::to_string(GetCurrentProcessId())));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  fs::path folder;
};

TEST_F(WindowsSave, TheSaveGoesUnderAPPDATAEvenForAUserWithAnUmlaut) {
  const fs::path app_data = folder / "AppData" / "Roaming";
  ASSERT_TRUE(SetEnvironmentVariableW(L"APPDATA", app_data.c_str()));
  const std::optional<std::string> saved_xdg = environment_variable("XDG_DATA_HOME");
  const std::optional<std::string> saved_whole = environment_variable("KORVEDAN_SAVE");
  SetEnvironmentVariableW(L"XDG_DATA_HOME", nullptr);
  SetEnvironmentVariableW(L"KORVEDAN_SAVE", nullptr);

  const std::optional<fs::path> path = save_path();
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, app_data / "korvedan" / "save.json");
  Progress progress;
  progress.solved = 3;
  progress.name = "J\xC3\x96RG";
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(progress, path, errors)) << errors.str();
  EXPECT_TRUE(fs::is_regular_file(folder / "AppData" / "Roaming" / "korvedan" / "save.json"));
  EXPECT_FALSE(fs::exists(temporary_save_path(*path)));
  EXPECT_EQ(load_progress(path, errors), progress);

  // A damaged save is kept aside, and the next save writes a good one again.
  {
    std::ofstream broken(*path, std::ios::binary);
    broken << "{\"solved\":";
  }
  EXPECT_EQ(load_progress(path, errors), Progress{});
  EXPECT_THAT(errors.str(), HasSubstr("save could not be read"));
  EXPECT_EQ(read_bytes(bad_save_path(*path)), "{\"solved\":");
  ASSERT_TRUE(save_progress(progress, path, errors));
  EXPECT_EQ(load_progress(path, errors), progress);

  if (saved_xdg) SetEnvironmentVariableW(L"XDG_DATA_HOME", utf16_from_utf8(*saved_xdg).c_str());
  if (saved_whole) SetEnvironmentVariableW(L"KORVEDAN_SAVE", utf16_from_utf8(*saved_whole).c_str());
}

TEST_F(WindowsSave, ADurableWriteReplacesTheOldFileWhole) {
  const fs::path target = folder / "save.json";
  const fs::path temporary = folder / "save.json.tmp";
  ASSERT_FALSE(replace_file(target, temporary, "old"));
  EXPECT_EQ(read_bytes(target), "old");
  ASSERT_FALSE(replace_file(target, temporary, std::string(100000, 'n')));
  EXPECT_EQ(read_bytes(target), std::string(100000, 'n'));
  // Only the target is left: the temporary file of each write was moved into its place.
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) files += entry.path().filename() != "taken" ? 1 : 0;
  EXPECT_EQ(files, 1u);
  // A folder where the file should be cannot be replaced: the system's error, and no
  // temporary file left behind.
  fs::create_directories(folder / "taken");
  const std::error_code refused = replace_file(folder / "taken", temporary, "x");
  EXPECT_TRUE(refused);
  EXPECT_FALSE(refused.message().empty());
  EXPECT_EQ(read_bytes(target).size(), 100000u);
}

TEST_F(WindowsSave, TheLockTellsASecondCopyApart) {
  const fs::path lock_file = folder / "save.json.lock";
  FileLock first(lock_file);
  EXPECT_EQ(first.state(), FileLock::State::Held);
  FileLock second(lock_file);
  EXPECT_EQ(second.state(), FileLock::State::TakenByAnother);
  first = FileLock();
  FileLock third(lock_file);
  EXPECT_EQ(third.state(), FileLock::State::Held);
}

}  // namespace
}  // namespace korvedan
#endif
