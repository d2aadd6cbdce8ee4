// The help screen's pages and the options page: choosing, changing values, new keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/cave.hpp"
#include "core/progress.hpp"
#include "game/session/input_records.hpp"
#include "game/session/key_bindings.hpp"

namespace korvedan {

// The kinds the help explains, one line each, in the order shown. Doors come with keys, drops
// with ooze and hidden walls with the switch.
inline constexpr std::array<CellKind, 23> help_kinds{
    CellKind::Digger, CellKind::Dirt,    CellKind::Boulder,      CellKind::Crystal, CellKind::Hatch,
    CellKind::Mite,   CellKind::Wisp,    CellKind::Star,         CellKind::Nut,     CellKind::Key,
    CellKind::Dynamite, CellKind::Bomb,  CellKind::Shifter,      CellKind::TimedShifter, CellKind::Moss,
    CellKind::Gobbler, CellKind::Ooze,   CellKind::GemWall,      CellKind::Lamp,    CellKind::Robot,
    CellKind::Wheel,  CellKind::Switch,  CellKind::Acid,
};
inline constexpr std::size_t help_rows_per_column = 9;  // room below for the watching keys
inline constexpr std::size_t help_lines_per_page = 2 * help_rows_per_column;

// The help kinds met in the caves open to this player, in help order; returns how many.
std::size_t opened_help_kinds(const Progress& progress, std::array<CellKind, help_kinds.size()>& out);
// Help pages for this player (at least one); the options page comes after them.
std::size_t help_page_count(const Progress& progress);

// The rows of the options page, top to bottom.
inline constexpr std::size_t option_key_rows = 2 * bound_actions;  // player 1's six, then player 2's
inline constexpr std::size_t option_first_key_row = 4;
inline constexpr std::size_t option_standard_row = option_first_key_row + option_key_rows;
inline constexpr std::size_t option_row_count = option_standard_row + 1;
enum class OptionRow : std::uint8_t { Fullscreen, Language, Music, Effects };

struct HelpScreen {
  std::uint8_t page = 0;         // the help pages first, then the options page
  std::uint8_t row = 0;          // the chosen row of the options page
  bool choosing_key = false;     // waiting for the new key of the chosen row
  std::optional<KeyRefusal> refusal;  // why the last key offered was not taken

  bool operator==(const HelpScreen&) const = default;
};

// What a frame did on the help screen.
struct HelpOutcome {
  bool close = false;         // Escape or F1: back to the title
  bool settings_changed = false;
};

// One frame of the help screen; `settings` changes only through the options page.
HelpOutcome help_screen_frame(HelpScreen& screen, Settings& settings, const FrameInput& input,
                              std::size_t help_pages);

// The key row's player and action.
constexpr std::size_t key_row_player(std::size_t row) { return (row - option_first_key_row) / bound_actions; }
constexpr Action key_row_action(std::size_t row) {
  return static_cast<Action>((row - option_first_key_row) % bound_actions);
}

}  // namespace korvedan
