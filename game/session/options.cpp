// What the help screen does with a frame's input: pages, rows, values and new keys.
#include "game/session/options.hpp"

#include <algorithm>
#include <utility>

#include "core/levels.hpp"
#include "core/parse.hpp"

namespace korvedan {

namespace {

// For each cell kind, the first cave it appears in (level_count when none does). Worked out
// once: it needs every built-in cave parsed.
const std::array<std::size_t, cell_kind_count>& first_caves() {
  static const std::array<std::size_t, cell_kind_count> table = [] {
    std::array<std::size_t, cell_kind_count> first{};
    first.fill(level_count);
    for (std::size_t i = level_count; i-- > 0;) {
      Result<Cave> cave = parse_cave(level_entry(i), 2, Difficulty::Normal);
      if (!cave) continue;  // the session stops on such a cave long before anyone asks for help
      for (const Cell cell : cave.value().cells) first[static_cast<std::size_t>(cell.kind)] = i;
    }
    return first;
  }();
  return table;
}

Dir menu_dir(const FrameInput& input) {
  return input.pressed_dir[0] != Dir::None ? input.pressed_dir[0] : input.pressed_dir[1];
}

// False at either end, where nothing changes.
bool step_volume(std::uint8_t& volume, int step) {
  const auto stepped = static_cast<std::uint8_t>(std::clamp(volume + step, 0, int{volume_steps}));
  return std::exchange(volume, stepped) != stepped;
}

// Left, Right or confirm on a value row; false when nothing changed (or the row has no value).
bool change_value(Settings& settings, std::size_t row, int step) {
  switch (static_cast<OptionRow>(row)) {
    case OptionRow::Fullscreen: settings.fullscreen = !settings.fullscreen; return true;
    case OptionRow::Language:
      settings.language = settings.language == Language::German ? Language::English : Language::German;
      return true;
    case OptionRow::Music: return step_volume(settings.music_volume, step);
    case OptionRow::Effects: return step_volume(settings.effects_volume, step);
  }
  return false;
}

// The frame's key offered for the chosen row.
bool take_key(HelpScreen& screen, Settings& settings, const FrameInput& input) {
  const KeyCode key = input.first_key;
  if (key == KeyCode::Unidentified) return false;
  if (key == KeyCode::Escape) {  // keeps the old key
    screen.choosing_key = false;
    screen.refusal.reset();
    return false;
  }
  const std::size_t player = key_row_player(screen.row);
  const Action action = key_row_action(screen.row);
  const KeyBindings bindings = bindings_from(settings);
  screen.refusal = refusal_for(bindings, player, action, key);
  if (screen.refusal) return false;  // still choosing: another key may do
  screen.choosing_key = false;
  // The names are written whole, so that what is saved is a set the game can read back.
  for (std::size_t p = 0; p < 2; ++p) {
    for (std::size_t a = 0; a < bound_actions; ++a) settings.keys[p][a] = key_name(bindings.keys[p][a]);
  }
  settings.keys[player][static_cast<std::size_t>(action)] = key_name(key);
  return true;
}

}  // namespace

std::size_t opened_help_kinds(const Progress& progress, std::array<CellKind, help_kinds.size()>& out) {
  const auto& first = first_caves();
  std::size_t n = 0;
  for (const CellKind kind : help_kinds) {
    const std::size_t cave = first[static_cast<std::size_t>(kind)];
    if (cave < level_count && (progress.all_open || cave <= progress.solved)) out[n++] = kind;
  }
  return n;
}

std::size_t help_page_count(const Progress& progress) {
  std::array<CellKind, help_kinds.size()> kinds{};
  const std::size_t n = opened_help_kinds(progress, kinds);
  return std::max<std::size_t>(1, (n + help_lines_per_page - 1) / help_lines_per_page);
}

HelpOutcome help_screen_frame(HelpScreen& screen, Settings& settings, const FrameInput& input,
                              std::size_t help_pages) {
  HelpOutcome out;
  if (screen.choosing_key) {
    out.settings_changed = take_key(screen, settings, input);
    return out;
  }
  if (input.back || input.help_key) {
    out.close = true;
    return out;
  }
  const bool on_options = screen.page == help_pages;
  const Dir dir = menu_dir(input);
  if (on_options && (dir == Dir::Up || dir == Dir::Down)) {
    const std::size_t n = option_row_count;
    screen.row = static_cast<std::uint8_t>((screen.row + (dir == Dir::Down ? 1 : n - 1)) % n);
    screen.refusal.reset();
    return out;
  }
  if (dir == Dir::Left || dir == Dir::Right) {
    const int step = dir == Dir::Right ? 1 : -1;
    if (on_options && screen.row < option_first_key_row) {
      out.settings_changed = change_value(settings, screen.row, step);  // a value row keeps the page
    } else if (dir == Dir::Right && screen.page < help_pages) {
      ++screen.page;
    } else if (dir == Dir::Left && screen.page > 0) {
      --screen.page;
    }
    screen.refusal.reset();
    return out;
  }
  if (on_options && input.confirm) {
    screen.refusal.reset();
    if (screen.row == option_standard_row) {
      Settings standard;
      out.settings_changed = settings.keys != standard.keys;
      settings.keys = standard.keys;
    } else if (screen.row >= option_first_key_row) {
      screen.choosing_key = true;
    } else {
      out.settings_changed = change_value(settings, screen.row, 1);
    }
  }
  return out;
}

}  // namespace korvedan
