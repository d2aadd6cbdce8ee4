// Finding the save file, reading it at start-up and replacing it whole at every change.
#include "game/save/save.hpp"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <system_error>

#include "base/utf8.hpp"
#include "game/save/durable_file.hpp"
#include "game/diag/environment.hpp"
#include "game/save/save_json.hpp"

namespace korvedan {

namespace fs = std::filesystem;

namespace {

// A save path that is a link (or a chain of them) stands for its target, so the player's link
// goes on pointing at the progress. A loop of links is left as it is and fails to open.
fs::path through_links(const fs::path& path) {
  fs::path at = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(at, error)) || error) return at;
    const fs::path next = fs::read_symlink(at, error);
    if (error) return at;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at;
}

struct SaveText {
  enum class Kind { Missing, Read, Unreadable } kind = Kind::Missing;
  std::string text;
  std::error_code error;  // why an existing file could not be read
};

std::error_code error_or(int number, std::errc otherwise) {
  return number != 0 ? std::error_code(number, std::generic_category()) : std::make_error_code(otherwise);
}

// The whole file. Missing when there is none (or something that is no file, such as a
// folder); Unreadable when a file is there but cannot be read, for example for lack of
// permission: that file holds someone's progress all the same.
SaveText read_save_text(const fs::path& path) {
  SaveText got;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) {
    const bool absent = error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
    if (!absent) got = {SaveText::Kind::Unreadable, {}, error};
    return got;
  }
  if (!fs::is_regular_file(status)) return got;
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return {SaveText::Kind::Unreadable, {}, error_or(errno, std::errc::permission_denied)};
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return {SaveText::Kind::Unreadable, {}, error_or(errno, std::errc::io_error)};
  return {SaveText::Kind::Read, std::move(text).str(), {}};
}

bool is_plain_file(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(fs::symlink_status(path, error)) && !error;
}

bool is_there(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error)) && !error;
}

// Makes room at save.json.bad: each older copy moves one age on, up to the first free one;
// with all of them taken the oldest is dropped. Only files the game kept are moved.
std::error_code make_room_for_bad_save(const fs::path& save) {
  int free_age = kept_bad_saves - 1;
  for (int age = 0; age < kept_bad_saves; ++age) {
    if (!is_there(bad_save_path(save, age))) {
      free_age = age;
      break;
    }
  }
  for (int age = free_age; age > 0; --age) {
    const fs::path older = bad_save_path(save, age - 1), target = bad_save_path(save, age);
    if (!is_plain_file(older) || (is_there(target) && !is_plain_file(target))) {
      return std::make_error_code(std::errc::file_exists);
    }
    std::error_code error;
    fs::rename(older, target, error);
    if (error) return error;
  }
  if (is_there(bad_save_path(save)) && !is_plain_file(bad_save_path(save))) {
    return std::make_error_code(std::errc::file_exists);
  }
  return {};
}

// The player's old file is never thrown away: it goes beside the new one for recovery by hand.
// False when it could not be kept aside; then it must not be written over either.
bool keep_aside(const fs::path& save, const std::string& why, std::ostream& errors) {
  const fs::path bad = bad_save_path(save);
  std::error_code error = make_room_for_bad_save(save);
  if (!error) fs::rename(save, bad, error);
  errors << "save could not be read (" << why << "): starting over; ";
  if (error) {
    errors << "the old save could not be moved to " << bad.string() << ": " << error.message()
           << "; progress is kept in memory only this run, and the old save is left as it is";
  } else {
    errors << "the old save is kept as " << bad.string();
  }
  errors << '\n';
  return !error;
}

// Temporary files of saves that never finished (the game was killed while writing), and one
// of the fixed name older versions used. Only the one copy of the game using the save may
// clear them away: another one's could still be on their way.
void remove_stale_temporaries(const fs::path& save) {
  const std::string lead = temporary_save_path(save).filename().string();
  const fs::path folder = save.parent_path().empty() ? fs::path(".") : save.parent_path();
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    const bool ours = name == lead || (name.size() == lead.size() + 7 && name.rfind(lead + ".", 0) == 0);
    if (!ours) continue;
    std::error_code ignored;
    if (!entry->is_directory(ignored)) fs::remove(entry->path(), ignored);
  }
}

}  // namespace

std::optional<fs::path> save_path(const EnvironmentLookup& environment) {
  const fs::path file = fs::path("korvedan") / "save.json";
  if (auto whole = environment("KORVEDAN_SAVE")) return utf8_path(*whole);
  if (auto data = environment("XDG_DATA_HOME")) return utf8_path(*data) / file;
  if (auto app_data = environment("APPDATA")) return utf8_path(*app_data) / file;
  if (auto home = environment("HOME")) return utf8_path(*home) / ".local" / "share" / file;
  return std::nullopt;
}

std::optional<fs::path> save_path() { return save_path(process_environment); }

fs::path temporary_save_path(const fs::path& save) {
  // A path without a file name (empty, or ending in a separator) cannot take an extension.
  if (!save.has_filename()) return save;
  fs::path temporary = save;
  temporary.replace_extension("json.tmp");
  return temporary;
}

fs::path bad_save_path(const fs::path& save, int age) {
  fs::path bad = save;
  if (age > 0) bad += "." + std::to_string(age);
  bad += ".bad";
  return bad;
}

fs::path save_lock_path(const fs::path& save) {
  fs::path lock = save;
  lock += ".lock";
  return lock;
}

SaveKeeper::SaveKeeper(std::optional<fs::path> path, std::ostream& errors)
    : path_(std::move(path)), errors_(&errors) {}

void SaveKeeper::take_lock(const fs::path& save) {
  lock_ = FileLock(save_lock_path(save));
  if (lock_.state() == FileLock::State::Held) {
    remove_stale_temporaries(save);
  } else if (lock_.state() == FileLock::State::TakenByAnother) {
    *errors_ << "another copy of the game is using the save " << save.string()
             << ": the one that saves last keeps its progress\n";
  }
}

Progress SaveKeeper::load() {
  if (!path_) return Progress{};
  const fs::path save = through_links(*path_);
  take_lock(save);
  SaveText file = read_save_text(save);
  if (file.kind == SaveText::Kind::Missing) return Progress{};
  if (file.kind == SaveText::Kind::Unreadable) {
    *errors_ << "save could not be read (" << save.string() << ": " << file.error.message()
             << "): progress is kept in memory only this run, and the file is left as it is\n";
    memory_only_ = true;
    return Progress{};
  }
  // The next save would overwrite a file that is not text, so it is moved aside as well.
  if (!is_utf8(file.text)) {
    memory_only_ = !keep_aside(save, "the file is not UTF-8 text", *errors_);
    return Progress{};
  }
  Result<Progress> progress = progress_from_json(file.text);
  if (!progress) {
    memory_only_ = !keep_aside(save, progress.error(), *errors_);
    return Progress{};
  }
  Progress loaded = std::move(progress).value();
  cut_long_names(loaded);
  return loaded;
}

bool SaveKeeper::save(const Progress& progress) {
  if (memory_only_) return false;  // said at loading
  const std::string text = progress_to_json(progress);
  if (!path_) {
    *errors_ << "could not save: no place to save\n";
    return false;
  }
  const auto fail = [&](const std::error_code& error) {
    *errors_ << "could not save: " << path_->string() << ": " << error.message() << '\n';
    return false;
  };
  if (path_->empty()) return fail(std::make_error_code(std::errc::no_such_file_or_directory));
  const fs::path save = through_links(*path_);
  std::error_code error;
  const fs::path directory = save.parent_path();
  if (!directory.empty()) {
    fs::create_directories(directory, error);
    if (error) return fail(error);
  }
  if (const std::error_code written = replace_file(save, temporary_save_path(save), text)) return fail(written);
  // Older versions wrote through this one fixed name; a file left there is of no use.
  fs::remove(temporary_save_path(save), error);
  return true;
}

Progress load_progress(const std::optional<fs::path>& path, std::ostream& errors) {
  return SaveKeeper(path, errors).load();
}

Progress load_progress() { return load_progress(save_path(), std::cerr); }

bool save_progress(const Progress& progress, const std::optional<fs::path>& path, std::ostream& errors) {
  return SaveKeeper(path, errors).save(progress);
}

bool save_progress(const Progress& progress) { return save_progress(progress, save_path(), std::cerr); }

}  // namespace korvedan
