// Where the files the game writes for the player (the controller log, the crash report) go:
// beside the program first, else the user's state folder, for a game installed where the
// player cannot write.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "game/diag/environment.hpp"

namespace korvedan {

// "$XDG_STATE_HOME/korvedan", else "$HOME/.local/state/korvedan". An empty or relative value
// counts as unset, so the files never land wherever the game happened to be started.
std::optional<std::filesystem::path> state_folder(const EnvironmentLookup& environment);

// `name` in the program's folder, then in the state folder: the places to try, in that order.
std::vector<std::filesystem::path> file_places(std::string_view name,
                                               const std::optional<std::filesystem::path>& program,
                                               const std::optional<std::filesystem::path>& state);
// The same for this program and this process's environment.
std::vector<std::filesystem::path> file_places(std::string_view name);

// Runs `create` on each place in turn until one works. A place whose folder is missing gets
// it made and is tried again, so the state folder appears only when it is needed. The place
// that worked, or none.
std::optional<std::filesystem::path> create_in_first_place(
    const std::vector<std::filesystem::path>& places,
    const std::function<bool(const std::filesystem::path&)>& create);

}  // namespace korvedan
