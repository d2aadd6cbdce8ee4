// Where the progress is kept on disk, and loading and saving it there.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/progress.hpp"

namespace korvedan {

// Looks up an environment variable; nullopt when it is not set (an empty value is set).
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// KORVEDAN_SAVE as it stands, else XDG_DATA_HOME, APPDATA or HOME/.local/share joined with
// "korvedan/save.json"; nullopt when none of them is set.
std::optional<std::filesystem::path> save_path(const EnvironmentLookup& environment);
std::optional<std::filesystem::path> save_path();  // from the process environment

// save.json → save.json.tmp: written in full first, then renamed over the save.
std::filesystem::path temporary_save_path(const std::filesystem::path& save);
// save.json → save.json.bad: where a save that cannot be used is kept for the player.
std::filesystem::path bad_save_path(const std::filesystem::path& save);

// The progress in the file, or the default one. A missing or unreadable file is no error; a
// file that cannot be used is reported on `errors` and moved aside to bad_save_path.
Progress load_progress(const std::optional<std::filesystem::path>& path, std::ostream& errors);
Progress load_progress();  // save_path(), standard error

// Writes the whole progress; false (with one line on `errors`) when it could not be saved.
bool save_progress(const Progress& progress, const std::optional<std::filesystem::path>& path,
                   std::ostream& errors);
bool save_progress(const Progress& progress);  // save_path(), standard error

}  // namespace korvedan
