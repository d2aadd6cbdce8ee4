// Where the log and the crash report go: beside the program first, else the state folder.
#include "game/diag/file_places.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "game/diag/executable_path.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup environment(std::map<std::string, std::string> variables) {
  return [variables](const char* name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

TEST(StateFolder, XdgStateHomeFirstThenHome) {
  EXPECT_EQ(state_folder(environment({{"XDG_STATE_HOME", "/s"}, {"HOME", "/h"}})), fs::path("/s/korvedan"));
  EXPECT_EQ(state_folder(environment({{"HOME", "/h"}})), fs::path("/h/.local/state/korvedan"));
  EXPECT_EQ(state_folder(environment({})), std::nullopt);
}

// A relative folder would scatter reports wherever the game was started from.
TEST(StateFolder, EmptyOrRelativeValuesCountAsUnset) {
  EXPECT_EQ(state_folder(environment({{"XDG_STATE_HOME", ""}, {"HOME", "/h"}})),
            fs::path("/h/.local/state/korvedan"));
  EXPECT_EQ(state_folder(environment({{"XDG_STATE_HOME", "state"}, {"HOME", "/h"}})),
            fs::path("/h/.local/state/korvedan"));
  EXPECT_EQ(state_folder(environment({{"HOME", "h"}})), std::nullopt);
  EXPECT_EQ(state_folder(environment({{"XDG_STATE_HOME", ""}, {"HOME", ""}})), std::nullopt);
}

TEST(FilePlaces, BesideTheProgramComesFirst) {
  const fs::path program = "/usr/games/korvedan";
  const fs::path state = "/home/ada/.local/state/korvedan";
  EXPECT_EQ(file_places("korvedan-crash.txt", program, state),
            (std::vector<fs::path>{"/usr/games/korvedan-crash.txt", "/home/ada/.local/state/korvedan/korvedan-crash.txt"}));
  EXPECT_EQ(file_places("x.txt", std::nullopt, state), (std::vector<fs::path>{state / "x.txt"}));
  EXPECT_EQ(file_places("x.txt", program, std::nullopt), (std::vector<fs::path>{"/usr/games/x.txt"}));
  EXPECT_TRUE(file_places("x.txt", std::nullopt, std::nullopt).empty());

  // This very program, with the process's own environment.
  const std::vector<fs::path> places = file_places("korvedan-controller.txt");
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(places.front(), executable_path()->parent_path() / "korvedan-controller.txt");
  if (state_folder(process_environment)) {
    EXPECT_EQ(places.size(), 2u);
  }
}

class CreateInFirstPlace : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(KV_BINARY_DIR) / "file_places_test" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "program");
    // A regular file where a folder should be: nothing can be made in it, not even by root.
    std::ofstream(folder_ / "read-only") << "x";
  }

  // What the log does: create the file for writing; every place tried is noted.
  bool create(const fs::path& place) {
    tried_.push_back(place);
    // A stream opens the path as it is on both systems (UTF-16 on Windows), as the log does.
    std::ofstream file(place, std::ios::binary);
    return file.is_open();
  }

  std::function<bool(const fs::path&)> creator() {
    return [this](const fs::path& place) { return create(place); };
  }

  fs::path folder_;
  std::vector<fs::path> tried_;
};

TEST_F(CreateInFirstPlace, BesideTheProgramWhenItCanBeMadeThere) {
  const fs::path beside = folder_ / "program" / "korvedan-crash.txt";
  const fs::path state = folder_ / "home" / ".local" / "state" / "korvedan" / "korvedan-crash.txt";
  EXPECT_EQ(create_in_first_place({beside, state}, creator()), beside);
  EXPECT_TRUE(fs::exists(beside));
  EXPECT_FALSE(fs::exists(folder_ / "home"));  // the state folder is made only when needed
  EXPECT_EQ(tried_, std::vector<fs::path>{beside});
}

TEST_F(CreateInFirstPlace, TheStateFolderIsMadeWhenBesideTheProgramFails) {
  const fs::path beside = folder_ / "read-only" / "korvedan-crash.txt";
  const fs::path state = folder_ / "home" / ".local" / "state" / "korvedan" / "korvedan-crash.txt";
  EXPECT_EQ(create_in_first_place({beside, state}, creator()), state);
  EXPECT_TRUE(fs::is_regular_file(state));
  // Beside the program once; the state place once before its folder existed and once after.
  EXPECT_EQ(tried_, (std::vector<fs::path>{beside, state, state}));

  tried_.clear();
  EXPECT_EQ(create_in_first_place({beside, state}, creator()), state);  // the folder is there now
  EXPECT_EQ(tried_, (std::vector<fs::path>{beside, state}));
}

TEST_F(CreateInFirstPlace, NowhereAtAll) {
  const fs::path beside = folder_ / "read-only" / "korvedan-crash.txt";
  const fs::path state = folder_ / "read-only" / "state" / "korvedan" / "korvedan-crash.txt";
  EXPECT_EQ(create_in_first_place({beside, state}, creator()), std::nullopt);
  EXPECT_EQ(create_in_first_place({}, creator()), std::nullopt);
  EXPECT_EQ(fs::file_size(folder_ / "read-only"), 1u);
}

}  // namespace
}  // namespace korvedan
