// Saving with the process killed in the middle, two processes saving at once, and a disk
// that fills up: the save on disk is always a whole one, old or new.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
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
using ::testing::StartsWith;
using testing::read_bytes;

// A different progress for every i, of a size that changes too.
Progress numbered(std::uint64_t i) {
  Progress p;
  p.solved = i;
  p.best.assign(static_cast<std::size_t>(i % 119), static_cast<std::uint32_t>(i));
  p.name = "P" + std::to_string(i % 1000);
  return p;
}

std::size_t temporaries_in(const fs::path& dir) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    count += entry.path().filename().string().rfind("save.json.tmp", 0) == 0;
  }
  return count;
}

// Saves without end, as the game would if its progress changed every frame; a byte on
// `started` says the first save is done.
[[noreturn]] void save_forever(const fs::path& save, std::uint64_t from, int started) {
  std::ostringstream quiet;
  SaveKeeper keeper(save, quiet);
  keeper.load();
  for (std::uint64_t i = from;; ++i) {
    keeper.save(numbered(i));
    quiet.str("");
    if (i == from && ::write(started, "s", 1) != 1) ::_exit(1);
  }
}

class SaveCrash : public testing::SaveFolder {
 protected:
  void TearDown() override {
    if (mounted) ::umount2(dir.c_str(), MNT_DETACH);
    SaveFolder::TearDown();
  }

  bool mounted = false;
};

TEST_F(SaveCrash, AHundredKillsWhileSavingNeverLeaveABrokenSave) {
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(numbered(1), save, errors));
  std::uint64_t delay_state = 20;
  int invalid = 0, killed_mid_write = 0;
  for (int kill_number = 0; kill_number < 100; ++kill_number) {
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t child = ::fork();
    if (child == 0) save_forever(save, 1000 * static_cast<std::uint64_t>(kill_number), started[1]);
    char byte = 0;
    const bool saving = ::read(started[0], &byte, 1) == 1;
    ::close(started[0]);
    ::close(started[1]);
    delay_state = delay_state * 6364136223846793005ull + 1442695040888963407ull;
    std::this_thread::sleep_for(std::chrono::microseconds((delay_state >> 33) % 10000));
    ::kill(child, SIGKILL);
    EXPECT_TRUE(saving) << "kill " << kill_number;
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string text = read_bytes(save);
    if (text.empty() || !progress_from_json(text).ok()) ++invalid;
    if (temporaries_in(dir) > 0) ++killed_mid_write;
  }
  EXPECT_EQ(invalid, 0);
  EXPECT_GT(killed_mid_write, 0) << "no kill came during a write, so this tested nothing";
  std::cout << "killed 100 times while saving, " << killed_mid_write << " times in the middle of a write\n";
  // The next start clears what the killed writes left behind.
  std::ostringstream next_start;
  SaveKeeper keeper(save, next_start);
  EXPECT_NE(keeper.load(), Progress{});
  EXPECT_EQ(next_start.str(), "");
  EXPECT_EQ(temporaries_in(dir), 0u);
}

TEST_F(SaveCrash, TwoProcessesSavingAtOnceNeverLeaveABrokenSave) {
  const auto writer = [&](std::uint64_t from) {
    const pid_t child = ::fork();
    if (child == 0) {
      std::ostringstream quiet;
      SaveKeeper keeper(save, quiet);
      keeper.load();
      for (std::uint64_t i = from; i < from + 300; ++i) keeper.save(numbered(i));
      ::_exit(0);
    }
    return child;
  };
  const pid_t a = writer(1), b = writer(100000);
  int samples = 0, invalid = 0, running = 2;
  while (running > 0) {
    const std::string text = read_bytes(save);
    if (!text.empty()) {
      ++samples;
      if (!progress_from_json(text).ok()) ++invalid;
    }
    for (const pid_t child : {a, b}) {
      int status = 0;
      if (::waitpid(child, &status, WNOHANG) == child) --running;
    }
  }
  EXPECT_GT(samples, 10);
  EXPECT_EQ(invalid, 0) << "of " << samples << " samples";
  const Result<Progress> last = progress_from_json(read_bytes(save));
  ASSERT_TRUE(last.ok());
  EXPECT_TRUE(last.value() == numbered(300) || last.value() == numbered(100299)) << "the last save wins whole";
  EXPECT_EQ(temporaries_in(dir), 0u);
}

// A write that stops half way, as on a full disk: the old save stays, nothing is left behind.
void expect_failed_write_keeps_the_old_save(const fs::path& dir, const fs::path& save, const std::string& said,
                                            const std::string& old_text) {
  EXPECT_THAT(said, StartsWith("could not save: " + save.string() + ": "));
  EXPECT_EQ(read_bytes(save), old_text);
  EXPECT_EQ(temporaries_in(dir), 0u);
}

Progress large() {
  Progress p = numbered(7);
  for (std::uint64_t slot = 1; slot < 8; ++slot) p.others.push_back(Profile{slot, "X", 119, std::vector<std::uint32_t>(119, 4000000000u)});
  return p;
}

TEST_F(SaveCrash, AFileSizeLimitStopsTheWriteAndTheOldSaveStays) {
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(numbered(3), save, errors));
  const std::string old_text = read_bytes(save);
  int status = -1;
  const std::string said = testing::in_child([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    limit.rlim_cur = 2048;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::ostringstream child_errors;
    SaveKeeper keeper(save, child_errors);
    keeper.load();
    const bool ok = keeper.save(large());
    ::setrlimit(RLIMIT_FSIZE, &unlimited);  // the answer goes back through a pipe
    return (ok ? std::string("saved\n") : std::string()) + child_errors.str();
  }, &status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  expect_failed_write_keeps_the_old_save(dir, save, said, old_text);
  EXPECT_THAT(said, HasSubstr("File too large"));
}

TEST_F(SaveCrash, AFullDiskLeavesTheOldSaveUnchanged) {
  if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no small tmpfs can be mounted here (" << std::strerror(errno)
                 << "); the file size limit test stands in for a full disk";
  }
  mounted = true;
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(numbered(3), save, errors));
  const std::string old_text = read_bytes(save);
  {
    std::ofstream filler(dir / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
  }
  std::ostringstream full;
  SaveKeeper keeper(save, full);
  keeper.load();
  EXPECT_FALSE(keeper.save(large()));
  expect_failed_write_keeps_the_old_save(dir, save, full.str(), old_text);
  EXPECT_THAT(full.str(), HasSubstr("No space left on device"));
  fs::remove(dir / "filler");
  EXPECT_TRUE(keeper.save(large())) << "with room again, saving works";
  EXPECT_EQ(progress_from_json(read_bytes(save)).value(), large());
}

}  // namespace
}  // namespace korvedan
