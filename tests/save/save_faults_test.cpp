// The save under the accidents that lose progress: a file the game may not read, a damaged
// file that cannot be kept aside, damage twice, two copies of the game, links, huge names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "game/save/save.hpp"
#include "game/save/save_json.hpp"
#include "tests/save/child_process.hpp"
#include "tests/save/save_folder.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using testing::read_bytes;
using testing::without_root;
using testing::write_bytes;

Progress won(std::uint64_t solved, std::string name = "ANNA") {
  Progress p;
  p.solved = solved;
  p.best.assign(static_cast<std::size_t>(solved % 50), static_cast<std::uint32_t>(solved * 7));
  p.name = std::move(name);
  p.others = {Profile{3, "BEN", solved / 2, {1, 2, 3}}};
  return p;
}

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::size_t lines_in(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

using SaveFaults = testing::SaveFolder;

// ---- A save the game could not read is never written over ------------------------------

TEST_F(SaveFaults, AFileThatCannotBeReadIsReportedAndNeverOverwritten) {
  const std::string kept = progress_to_json(won(40));
  write_bytes(save, kept);
  ::chmod(save.c_str(), 0);
  ::chmod(dir.c_str(), 0777);  // the folder stays writable: only the game's own care keeps the file
  const std::string said = without_root([&] {
    std::ostringstream errors;
    SaveKeeper keeper(save, errors);
    const Progress loaded = keeper.load();
    const bool saved = keeper.save(won(1));
    const bool saved_again = keeper.save(won(2));
    return std::string(loaded == Progress{} ? "default " : "other ") + (saved || saved_again ? "saved " : "kept ") +
           (keeper.memory_only() ? "memory\n" : "disk\n") + errors.str();
  });
  EXPECT_THAT(said, StartsWith("default kept memory\nsave could not be read (" + save.string() + ": "));
  EXPECT_THAT(said, HasSubstr("Permission denied): progress is kept in memory only this run"));
  EXPECT_EQ(lines_in(said), 2u) << said;  // said once, at loading, for all the saves after it
  EXPECT_EQ(read_bytes(save), kept);
  EXPECT_EQ(names_in(dir), (std::vector<std::string>{"save.json", "save.json.lock"}));
}

TEST_F(SaveFaults, AMissingFileIsStillQuietlyAFirstRun) {
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  EXPECT_EQ(keeper.load(), Progress{});
  EXPECT_FALSE(keeper.memory_only());
  EXPECT_TRUE(keeper.save(won(3)));
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(read_bytes(save), progress_to_json(won(3)));
}

TEST_F(SaveFaults, ADamagedSaveThatCannotBeKeptAsideIsNotOverwrittenEither) {
  fs::create_directories(dir / "save.json.bad" / "full");
  write_bytes(save, "{\"solved\":");
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  EXPECT_EQ(keeper.load(), Progress{});
  EXPECT_TRUE(keeper.memory_only());
  EXPECT_FALSE(keeper.save(won(5)));
  EXPECT_FALSE(keeper.save(won(6)));
  const std::string said = errors.str();
  EXPECT_THAT(said, StartsWith("save could not be read ("));
  EXPECT_THAT(said, HasSubstr("the old save could not be moved to " + (dir / "save.json.bad").string()));
  EXPECT_THAT(said, HasSubstr("progress is kept in memory only this run, and the old save is left as it is\n"));
  EXPECT_EQ(lines_in(said), 1u);
  EXPECT_EQ(read_bytes(save), "{\"solved\":");
  EXPECT_TRUE(fs::is_directory(dir / "save.json.bad" / "full"));
}

TEST_F(SaveFaults, AReadOnlyFolderKeepsTheDamagedSave) {
  write_bytes(save, "[1,2]");
  ::chmod(dir.c_str(), 0555);
  const std::string said = without_root([&] {
    std::ostringstream errors;
    SaveKeeper keeper(save, errors);
    keeper.load();
    return std::string(keeper.memory_only() ? "memory\n" : "disk\n") + errors.str();
  });
  EXPECT_THAT(said, StartsWith("memory\nsave could not be read ("));
  EXPECT_THAT(said, HasSubstr("could not be moved to"));
  ::chmod(dir.c_str(), 0700);
  EXPECT_EQ(read_bytes(save), "[1,2]");
}

// ---- Earlier damaged saves are kept too ----------------------------------------------------

TEST_F(SaveFaults, EachDamagedSaveIsKeptTheOldestDroppedPastTheLimit) {
  const auto damage = [&](const std::string& bytes) {
    write_bytes(save, bytes);
    std::ostringstream errors;
    EXPECT_EQ(load_progress(save, errors), Progress{});
    EXPECT_THAT(errors.str(), HasSubstr("the old save is kept as " + (dir / "save.json.bad").string() + "\n"));
  };
  damage("first");
  damage("second");
  damage("third");
  EXPECT_EQ(read_bytes(dir / "save.json.bad"), "third");
  EXPECT_EQ(read_bytes(dir / "save.json.1.bad"), "second");
  EXPECT_EQ(read_bytes(dir / "save.json.2.bad"), "first");
  for (int i = 4; i <= kept_bad_saves + 1; ++i) damage("damage " + std::to_string(i));
  EXPECT_EQ(read_bytes(dir / "save.json.bad"), "damage " + std::to_string(kept_bad_saves + 1));
  EXPECT_EQ(read_bytes(bad_save_path(save, kept_bad_saves - 1)), "second") << "the first one went";
  EXPECT_FALSE(fs::exists(bad_save_path(save, kept_bad_saves)));
}

TEST_F(SaveFaults, AGapAmongTheKeptCopiesIsFilledFirst) {
  write_bytes(dir / "save.json.bad", "newer");
  write_bytes(dir / "save.json.2.bad", "older");
  write_bytes(save, "now");
  std::ostringstream errors;
  load_progress(save, errors);
  EXPECT_EQ(read_bytes(dir / "save.json.bad"), "now");
  EXPECT_EQ(read_bytes(dir / "save.json.1.bad"), "newer");
  EXPECT_EQ(read_bytes(dir / "save.json.2.bad"), "older");
  EXPECT_FALSE(fs::exists(dir / "save.json.3.bad"));
}

TEST_F(SaveFaults, AFolderAmongTheKeptCopiesIsNeverMovedOrReplaced) {
  write_bytes(dir / "save.json.bad", "newer");
  fs::create_directories(dir / "save.json.1.bad" / "mine");
  write_bytes(save, "now");
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  keeper.load();
  EXPECT_TRUE(keeper.memory_only());
  EXPECT_EQ(read_bytes(save), "now");
  EXPECT_EQ(read_bytes(dir / "save.json.bad"), "newer");
  EXPECT_TRUE(fs::is_directory(dir / "save.json.1.bad" / "mine"));
}

// ---- Two copies of the game ------------------------------------------------------------------

TEST_F(SaveFaults, TwoCopiesSavingAtOnceAlwaysLeaveAWholeSave) {
  std::ostringstream first_errors, second_errors;
  SaveKeeper first(save, first_errors), second(save, second_errors);
  first.load();
  second.load();
  std::atomic<bool> done{false};
  std::atomic<int> invalid{0}, samples{0};
  std::thread reader([&] {
    while (!done) {
      std::ifstream in(save, std::ios::binary);
      if (!in) continue;
      std::ostringstream text;
      text << in.rdbuf();
      ++samples;
      if (!progress_from_json(text.str()).ok()) ++invalid;
    }
  });
  const auto writer = [&](SaveKeeper& keeper, std::uint64_t from) {
    for (std::uint64_t i = 0; i < 400; ++i) EXPECT_TRUE(keeper.save(won(from + i, std::string(200 + i % 300, 'Q'))));
  };
  std::thread a(writer, std::ref(first), 1000), b(writer, std::ref(second), 5000);
  a.join();
  b.join();
  done = true;
  reader.join();
  EXPECT_GT(samples.load(), 0);
  EXPECT_EQ(invalid.load(), 0) << "of " << samples.load() << " samples";
  EXPECT_TRUE(progress_from_json(read_bytes(save)).ok());
  EXPECT_EQ(names_in(dir), (std::vector<std::string>{"save.json", "save.json.lock"})) << "no temporary file left";
  EXPECT_EQ(first_errors.str(), "");
  EXPECT_EQ(second_errors.str(), "another copy of the game is using the save " + save.string() +
                                     ": the one that saves last keeps its progress\n");
}

TEST_F(SaveFaults, TheOnlyCopyClearsTemporaryFilesOfSavesThatNeverFinished) {
  write_bytes(save, progress_to_json(won(9)));
  write_bytes(dir / "save.json.tmp", "left by an older version");
  write_bytes(dir / "save.json.tmp.a1B2c3", "{\"solv");
  write_bytes(dir / "save.json.tmp.mine-keep", "not one of ours");
  {
    const FileLock other_copy(save_lock_path(save));
    ASSERT_EQ(other_copy.state(), FileLock::State::Held);
    std::ostringstream errors;
    SaveKeeper keeper(save, errors);
    EXPECT_EQ(keeper.load(), won(9));
    EXPECT_TRUE(fs::exists(dir / "save.json.tmp.a1B2c3")) << "another copy might still be writing it";
    EXPECT_TRUE(fs::exists(dir / "save.json.tmp"));
  }
  std::ostringstream errors;
  SaveKeeper alone(save, errors);
  EXPECT_EQ(alone.load(), won(9));
  EXPECT_EQ(names_in(dir), (std::vector<std::string>{"save.json", "save.json.lock", "save.json.tmp.mine-keep"}));
}

// ---- Links ----------------------------------------------------------------------------------

TEST_F(SaveFaults, ASaveThatIsALinkSavesIntoItsTarget) {
  fs::create_directories(dir / "real");
  const fs::path target = dir / "real" / "progress.json";
  write_bytes(target, progress_to_json(won(4)));
  fs::create_symlink(fs::path("real") / "progress.json", save);
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  EXPECT_EQ(keeper.load(), won(4));
  ASSERT_TRUE(keeper.save(won(8)));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(save)));
  EXPECT_EQ(read_bytes(target), progress_to_json(won(8)));
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(names_in(dir), (std::vector<std::string>{"real", "save.json"}));
}

TEST_F(SaveFaults, ADamagedSaveBehindALinkIsKeptAsideBesideItsTarget) {
  fs::create_directories(dir / "real");
  const fs::path target = dir / "real" / "progress.json";
  write_bytes(target, "broken");
  fs::create_symlink(target, save);
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  EXPECT_EQ(keeper.load(), Progress{});
  EXPECT_EQ(read_bytes(dir / "real" / "progress.json.bad"), "broken");
  ASSERT_TRUE(keeper.save(won(2)));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(save)));
  EXPECT_EQ(read_bytes(target), progress_to_json(won(2)));
}

TEST_F(SaveFaults, ATemporaryNameThatIsALinkIsNeverFollowed) {
  const fs::path victim = dir / "victim.txt";
  write_bytes(victim, "precious");
  fs::create_symlink(victim, dir / "save.json.tmp");
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(won(7), save, errors)) << errors.str();
  EXPECT_EQ(read_bytes(victim), "precious");
  EXPECT_EQ(read_bytes(save), progress_to_json(won(7)));
  EXPECT_FALSE(fs::is_symlink(fs::symlink_status(save)));
}

// ---- Names ----------------------------------------------------------------------------------

TEST_F(SaveFaults, NamesLongerThanTheGameAllowsAreCutOnLoadingAndStaySo) {
  Progress huge = won(3, std::string(10 * 1024 * 1024, 'Z'));
  huge.others[0].name = "\xC3\x84\xC3\x96\xC3\x9C" "ABCDEFGHIJK";  // ÄÖÜ and 11 letters
  write_bytes(save, progress_to_json(huge));
  std::ostringstream errors;
  SaveKeeper keeper(save, errors);
  const Progress loaded = keeper.load();
  EXPECT_EQ(loaded.name, std::string(name_length, 'Z'));
  EXPECT_EQ(loaded.others[0].name, "\xC3\x84\xC3\x96\xC3\x9C" "ABCDEFG") << "cut by characters, not bytes";
  EXPECT_EQ(loaded.solved, 3u);
  ASSERT_TRUE(keeper.save(loaded));
  EXPECT_LT(fs::file_size(save), 300u);
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(progress_from_json(read_bytes(save)).value(), loaded);
}

// ---- Messages stay one short line ------------------------------------------------------

TEST(SaveMessages, EchoedInputIsQuotedAndCut) {
  const Result<Progress> twice =
      progress_from_json("{\"solved\":1,\"best\":[],\"a\\n\\u001b[31mb\":1,\"a\\n\\u001b[31mb\":2}");
  ASSERT_FALSE(twice.ok());
  EXPECT_EQ(twice.error(), "member \"a\\n\\u{1b}[31mb\" given twice at line 1, column 57");

  const std::string long_name(1000000, 'N');
  const Result<Progress> long_twice =
      progress_from_json("{\"" + long_name + "\":1,\"" + long_name + "\":1,\"solved\":1,\"best\":[]}");
  ASSERT_FALSE(long_twice.ok());
  EXPECT_THAT(long_twice.error(), StartsWith("member \"" + std::string(40, 'N') + "\xE2\x80\xA6\" given twice at"));

  const Result<Progress> digits = progress_from_json("{\"solved\":" + std::string(1000000, '9') + ",\"best\":[]}");
  ASSERT_FALSE(digits.ok());
  EXPECT_LT(digits.error().size(), 200u) << digits.error().substr(0, 300);
  EXPECT_THAT(digits.error(), HasSubstr("'" + std::string(40, '9') + "\xE2\x80\xA6'"));

  const Result<Progress> bad_token = progress_from_json("{\"solved\":1,\"best\":[" + std::string(100000, 'x') + "]}");
  ASSERT_FALSE(bad_token.ok());
  EXPECT_LT(bad_token.error().size(), 200u);
  EXPECT_THAT(bad_token.error(), HasSubstr("line 1, column"));
}

TEST_F(SaveFaults, TheLoadMessageOfAHugeDamagedSaveIsOneShortLine) {
  write_bytes(save, "{\"solved\":1,\"best\":[" + std::string(2000000, '7') + "1e99999]}");
  std::ostringstream errors;
  load_progress(save, errors);
  EXPECT_EQ(lines_in(errors.str()), 1u);
  EXPECT_LT(errors.str().size(), 400u) << errors.str().substr(0, 500);
  EXPECT_THAT(errors.str(), Not(HasSubstr(std::string(100, '7'))));
}

}  // namespace
}  // namespace korvedan
