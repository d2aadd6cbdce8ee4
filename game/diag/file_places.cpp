// Choosing between the program's folder and the user's state folder.
#include "game/diag/file_places.hpp"

#include <system_error>

#include "game/diag/executable_path.hpp"

namespace korvedan {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> absolute_folder(const EnvironmentLookup& environment, const char* name) {
  const std::optional<std::string> value = environment(name);
  if (!value || value->empty()) return std::nullopt;
  fs::path folder(*value);
  if (!folder.is_absolute()) return std::nullopt;
  return folder;
}

}  // namespace

std::optional<fs::path> state_folder(const EnvironmentLookup& environment) {
  if (auto state = absolute_folder(environment, "XDG_STATE_HOME")) return *state / "korvedan";
  if (auto home = absolute_folder(environment, "HOME")) return *home / ".local" / "state" / "korvedan";
  return std::nullopt;
}

std::vector<fs::path> file_places(std::string_view name, const std::optional<fs::path>& program,
                                  const std::optional<fs::path>& state) {
  std::vector<fs::path> places;
  if (program) places.push_back(program->parent_path() / name);
  if (state) places.push_back(*state / name);
  return places;
}

std::vector<fs::path> file_places(std::string_view name) {
  return file_places(name, executable_path(), state_folder(process_environment));
}

std::optional<fs::path> create_in_first_place(const std::vector<fs::path>& places,
                                              const std::function<bool(const fs::path&)>& create) {
  for (const fs::path& place : places) {
    if (create(place)) return place;
    std::error_code error;
    const fs::path folder = place.parent_path();
    if (folder.empty() || fs::exists(folder, error) || error) continue;
    if (fs::create_directories(folder, error) && create(place)) return place;
  }
  return std::nullopt;
}

}  // namespace korvedan
