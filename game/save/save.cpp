// Finding the save file, reading it at start-up and replacing it whole at every change.
#include "game/save/save.hpp"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <system_error>

#include "game/save/durable_file.hpp"
#include "game/save/save_json.hpp"

namespace korvedan {

namespace fs = std::filesystem;

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool is_utf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return false;
    for (std::size_t k = 2; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < 0x80 || next > 0xBF) return false;
    }
    i += length;
  }
  return true;
}

// The whole file, or nullopt when it is missing, not a plain file, or cannot be read.
std::optional<std::string> read_whole_file(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(fs::status(path, error)) || error) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(text).str();
}

// The player's old file is never thrown away: it goes beside the new one for recovery by hand.
void report_unusable(const fs::path& path, const std::string& why, std::ostream& errors) {
  const fs::path bad = bad_save_path(path);
  std::error_code error;
  fs::rename(path, bad, error);
  errors << "save could not be read (" << why << "): starting over; ";
  if (error) {
    errors << "the old save could not be moved to " << bad.string() << ": " << error.message();
  } else {
    errors << "the old save is kept as " << bad.string();
  }
  errors << '\n';
}

std::optional<std::string> process_environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace

std::optional<fs::path> save_path(const EnvironmentLookup& environment) {
  const fs::path file = fs::path("korvedan") / "save.json";
  if (auto whole = environment("KORVEDAN_SAVE")) return fs::path(*whole);
  if (auto data = environment("XDG_DATA_HOME")) return fs::path(*data) / file;
  if (auto app_data = environment("APPDATA")) return fs::path(*app_data) / file;
  if (auto home = environment("HOME")) return fs::path(*home) / ".local" / "share" / file;
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

fs::path bad_save_path(const fs::path& save) {
  fs::path bad = save;
  bad += ".bad";
  return bad;
}

Progress load_progress(const std::optional<fs::path>& path, std::ostream& errors) {
  if (!path) return Progress{};
  const std::optional<std::string> text = read_whole_file(*path);
  if (!text) return Progress{};
  // The next save would overwrite a file that is not text, so it is moved aside as well.
  if (!is_utf8(*text)) {
    report_unusable(*path, "the file is not UTF-8 text", errors);
    return Progress{};
  }
  Result<Progress> progress = progress_from_json(*text);
  if (!progress) {
    report_unusable(*path, progress.error(), errors);
    return Progress{};
  }
  return std::move(progress).value();
}

Progress load_progress() { return load_progress(save_path(), std::cerr); }

bool save_progress(const Progress& progress, const std::optional<fs::path>& path,
                   std::ostream& errors) {
  const std::string text = progress_to_json(progress);
  if (!path) {
    errors << "could not save: no place to save\n";
    return false;
  }
  const auto fail = [&](const std::error_code& error) {
    errors << "could not save: " << path->string() << ": " << error.message() << '\n';
    return false;
  };
  std::error_code error;
  const fs::path directory = path->parent_path();
  if (!directory.empty()) {
    fs::create_directories(directory, error);
    if (error) return fail(error);
  }
  const fs::path temporary = temporary_save_path(*path);
  if (const std::error_code written = write_file_to_disk(temporary, text)) return fail(written);
  fs::rename(temporary, *path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return fail(error);
  }
  flush_directory(directory);
  return true;
}

bool save_progress(const Progress& progress) { return save_progress(progress, save_path(), std::cerr); }

}  // namespace korvedan
