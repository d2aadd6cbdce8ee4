// Where the progress is kept on disk, and loading and saving it there.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/progress.hpp"
#include "game/save/durable_file.hpp"
#include "game/diag/environment.hpp"

namespace korvedan {

// KORVEDAN_SAVE as it stands, else XDG_DATA_HOME, APPDATA or HOME/.local/share joined with
// "korvedan/save.json"; nullopt when none of them is set.
std::optional<std::filesystem::path> save_path(const EnvironmentLookup& environment);
std::optional<std::filesystem::path> save_path();  // from the process environment

// save.json → save.json.tmp: each save is written in full to a file of its own named this
// and a few random characters, then renamed over the save.
std::filesystem::path temporary_save_path(const std::filesystem::path& save);
// save.json → save.json.bad, save.json.1.bad, …: where saves that could not be used are kept
// for the player, the newest as save.json.bad.
std::filesystem::path bad_save_path(const std::filesystem::path& save, int age = 0);
inline constexpr int kept_bad_saves = 5;
// save.json → save.json.lock: held by the copy of the game that uses the save.
std::filesystem::path save_lock_path(const std::filesystem::path& save);

// The save of one run of the game. A save path that is a link stands for the link's target.
// Loading decides whether the file may be written: a file that exists but cannot be read,
// or a damaged one that cannot be kept aside, is never written over; progress then lives in
// memory only, which is said once, at loading.
class SaveKeeper {
 public:
  SaveKeeper(std::optional<std::filesystem::path> path, std::ostream& errors);

  // The progress in the file, or the default one. A missing file is no error; a file that
  // cannot be used is reported on the error stream and moved aside to bad_save_path.
  Progress load();
  // Writes the whole progress; false (with one line on the error stream, unless the file is
  // left alone on purpose) when it was not saved.
  bool save(const Progress& progress);

  bool memory_only() const { return memory_only_; }

 private:
  void take_lock(const std::filesystem::path& save);

  std::optional<std::filesystem::path> path_;
  std::ostream* errors_;
  bool memory_only_ = false;
  FileLock lock_;
};

// One load or one save with a keeper of its own.
Progress load_progress(const std::optional<std::filesystem::path>& path, std::ostream& errors);
Progress load_progress();  // save_path(), standard error
bool save_progress(const Progress& progress, const std::optional<std::filesystem::path>& path,
                   std::ostream& errors);
bool save_progress(const Progress& progress);  // save_path(), standard error

}  // namespace korvedan
