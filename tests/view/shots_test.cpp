// The screenshot tour: 29 scenes in their order, 38 sprites, and the same bytes every run.
#include "game/view/shots.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art/sprite_sheet.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;

std::string read_all(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(Tour, WritesEveryScenePrintsItsPathAndIsTheSameTwice) {
  const fs::path base = fs::path(::testing::TempDir()) / "korvedan-tour";
  fs::remove_all(base);
  std::ostringstream first_paths, second_paths;
  run_tour(base / "one", first_paths);
  run_tour(base / "two", second_paths);

  const std::vector<std::string> stems = {
      "00-title", "01-start", "02-digging", "03-won", "04-title-after", "05-rockslide", "06-time-up",
      "07-mites", "08-wisps", "09-deep", "10-paused", "11-two-title", "12-two-start", "17-keys",
      "18-changing-wall", "19-moss", "20-gobblers", "21-bombs", "22-naming", "23-made-early",
      "24-made-middle", "25-made-late", "26-lamps", "27-robots", "28-district", "14-shafts", "15-maze",
      "16-rockfall", "13-two-far"};
  std::string expected;
  for (const std::string& stem : stems) expected += (base / "one" / (stem + ".png")).string() + "\n";
  EXPECT_EQ(first_paths.str(), expected);

  for (const std::string& stem : stems) {
    const std::string one = read_all(base / "one" / (stem + ".png"));
    EXPECT_EQ(one.size(), 1'728'600u + 8 + 25 + 12 + 12 + 2 + 27 * 5 + 4) << stem;  // stored, uncompressed
    EXPECT_EQ(one, read_all(base / "two" / (stem + ".png"))) << stem;
  }
  int sprites = 0;
  for (const NamedSprite& named : named_sprites()) {
    const fs::path path = base / "one" / "sprites" / (std::string(named.name) + ".png");
    EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(read_all(path), read_all(base / "two" / "sprites" / (std::string(named.name) + ".png")));
    ++sprites;
  }
  EXPECT_EQ(sprites, 38);
  EXPECT_EQ(std::distance(fs::directory_iterator(base / "one" / "sprites"), fs::directory_iterator()), 38);
  fs::remove_all(base);
}

TEST(TourDeathTest, AFolderThatCannotBeMadeStopsTheTour) {
  const fs::path file = fs::path(::testing::TempDir()) / "korvedan-tour-blocker";
  std::ofstream(file) << "a file where a folder should be";
  std::ostringstream paths;
  EXPECT_DEATH(run_tour(file / "shots", paths), "the screenshots can be written");
  fs::remove(file);
}

}  // namespace
}  // namespace korvedan
