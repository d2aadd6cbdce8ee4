// The session's screens and the fixed-rate cave clock behind them.
#include "game/session/session.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/fatal.hpp"
#include "core/cave_digest.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"

namespace korvedan {

namespace {

constexpr std::size_t last_cave = level_count - 1;

}  // namespace

int player_count(const Progress& progress) { return progress.two_players ? 2 : 1; }

Cave build_cave(std::size_t index, int players, Difficulty difficulty) {
  if (index >= level_count) {
    fatal("cave index " + std::to_string(index) + " is outside 0.." + std::to_string(last_cave));
  }
  const LevelEntry& entry = level_entry(index);
  Result<Cave> cave = parse_cave(entry, players, difficulty);
  if (!cave) fatal("level " + std::string(entry.name) + ": " + cave.error());
  return std::move(cave).value();
}

namespace {

std::size_t offered_cave(const Progress& progress) {
  return static_cast<std::size_t>(std::min<std::uint64_t>(progress.solved, last_cave));
}

// floor(pixels / 16) as a cell number, saturating like a float-to-integer cast that cannot wrap.
std::int32_t cell_of(float pixels) {
  const float cell = std::floor(pixels / static_cast<float>(cell_pixels));
  if (std::isnan(cell)) return 0;
  if (cell >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (cell <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(cell);
}

// One axis of the camera: a cave narrower than the view is centred, a wider one follows.
float camera_axis(std::int32_t cells, int view, float followed) {
  const float extent = static_cast<float>(cells * cell_pixels - view);
  if (extent <= 0) return extent / 2;
  return std::min(std::max(followed + cell_pixels / 2.0f - view / 2.0f, 0.0f), extent);
}

// The creatures whose steps make the creature sound; wisps have their own.
bool is_crawler(CellKind kind) { return is_creature(kind) && kind != CellKind::Wisp; }

}  // namespace

std::string filter_name(std::string_view typed) {
  std::string name;
  for (char c : typed) {
    if (name.size() == name_length) break;
    if (const char kept = name_character(c)) name += kept;
  }
  return name;
}

Session::Session(Progress start) {
  state_.progress = std::move(start);
  state_.cave_index = offered_cave(state_.progress);
  state_.frame_events.reserve(cave_event_count);  // each code at most once a frame
  tick_events_.reserve(4 * cave_event_count);     // grows further only in a crowded cave
  state_.cave = build_cave(state_.cave_index, player_count(state_.progress), state_.progress.difficulty);
  state_.camera = camera_target();
}

void Session::start_cave(std::size_t index) {
  if (index != state_.losses_cave) state_.losses_in_row = 0;  // losses count on one cave only
  begin_cave(index, player_count(state_.progress));
}

void Session::begin_cave(std::size_t index, int players) {
  state_.cave = build_cave(index, players, state_.progress.difficulty);
  state_.cave_index = index;
  state_.playing = true;
  state_.paused = false;
  state_.tick_clock = 0;
  state_.latched_fire = {0, 0};
  state_.latched_dir = {Dir::None, Dir::None};
  state_.time_up = false;
  state_.end_clock = 0;
  state_.lost_cause = LostCause::Unknown;
  state_.watch.reset();
  state_.won_run = false;
  state_.run_inputs.clear();
  state_.run_inputs.reserve(state_.cave.time_left + 1u);  // a run ends when the time does
  state_.start_hash = cave_digest(state_.cave);
  state_.camera = camera_target();  // no sliding in from the old cave
}

void Session::update(const FrameInput& input, float dt) {
  state_.pads_in_use = input.pads_in_use;
  state_.pro_pads_in_use = input.pro_pads_in_use;
  state_.screen_clock += dt;
  state_.frame_events.clear();
  if (state_.name_edit || state_.help || state_.watch || state_.playing) state_.back_hold_clock = -1;
  if (input.fullscreen_key) {  // anywhere, even while a name is typed
    state_.progress.settings.fullscreen = !state_.progress.settings.fullscreen;
    state_.save_needed = true;
  }
  if (state_.name_edit) {
    edit_name(*state_.name_edit, input);
    enter_name(input);
    return;
  }
  if (state_.help) {
    help_frame(input);
    return;
  }
  if (state_.watch) {
    watch_frame(input, dt);
    return;
  }
  if (input.music) {
    state_.progress.music_off = !state_.progress.music_off;
    state_.save_needed = true;
  }
  if (!state_.playing) {
    title_actions(input, dt);
  } else {
    play(input, dt);
  }
}

void edit_name(std::string& edit, const FrameInput& input) {
  for (unsigned i = 0; i < input.backspaces && !edit.empty(); ++i) edit.pop_back();
  for (std::size_t i = 0; i < input.typed_count && edit.size() < name_length; ++i) edit += input.typed[i];
}

void Session::enter_name(const FrameInput& input) {
  if (input.confirm) {
    const std::string typed = std::move(*state_.name_edit);
    state_.name_edit.reset();
    state_.progress.name = filter_name(typed);
    state_.save_needed = true;
  } else if (input.back) {
    state_.name_edit.reset();
  }
}

void Session::help_frame(const FrameInput& input) {
  const HelpOutcome out =
      help_screen_frame(*state_.help, state_.progress.settings, input, help_page_count(state_.progress));
  if (out.settings_changed) state_.save_needed = true;
  if (out.close) state_.help.reset();
}

void Session::title_actions(const FrameInput& input, float dt) {
  if (state_.title_note != TitleNote::None && (state_.note_clock -= dt) <= 0) state_.title_note = TitleNote::None;
  const PadBack pad_back = title_pad_back(input, dt);
  if (input.help_key || pad_back == PadBack::Help) {
    state_.help = HelpScreen{};
    return;
  }
  const Dir held = input.held_dir[0] != Dir::None ? input.held_dir[0] : input.held_dir[1];
  Dir repeat_step = Dir::None;
  if (held == Dir::Right || held == Dir::Left) {
    state_.repeat_clock += dt;
    if (state_.repeat_clock > title_repeat_delay) {
      state_.repeat_clock -= title_repeat_step;
      repeat_step = held;
    }
  } else {
    state_.repeat_clock = 0;
  }

  if (input.open_all_key) {
    state_.progress.all_open = !state_.progress.all_open;
    state_.save_needed = true;
  }

  const Dir menu = input.pressed_dir[0] != Dir::None   ? input.pressed_dir[0]
                   : input.pressed_dir[1] != Dir::None ? input.pressed_dir[1]
                                                       : repeat_step;
  switch (menu) {
    case Dir::Up:
      state_.progress.two_players = !state_.progress.two_players;
      state_.save_needed = true;
      break;
    case Dir::Down:
      state_.progress.difficulty = next_difficulty(state_.progress.difficulty);
      state_.save_needed = true;
      break;
    case Dir::Left:  // browsing passes locked caves too
      if (state_.cave_index > 0) --state_.cave_index;
      break;
    case Dir::Right:
      if (state_.cave_index + 1 < level_count) ++state_.cave_index;
      break;
    case Dir::None:
      break;
  }

  if (input.players_key) {
    state_.progress.switch_profile();
    state_.cave_index = offered_cave(state_.progress);
    state_.save_needed = true;
  }

  if (input.name_key) {
    state_.name_edit = std::string();  // the old name stays until the new one is committed
    return;
  }
  if (input.watch_key) state_.watch_wanted = true;
  if (input.confirm && state_.progress.is_open(state_.cave_index)) start_cave(state_.cave_index);
  if ((input.back && !input.pad_back_pressed) || pad_back == PadBack::Quit) state_.quit_requested = true;
}

// A pad's Back pressed on the title leaves the game as Escape does when it is let go soon;
// held on, it opens the help screen instead.
Session::PadBack Session::title_pad_back(const FrameInput& input, float dt) {
  if (input.pad_back_pressed) state_.back_hold_clock = 0;
  if (state_.back_hold_clock < 0) return PadBack::None;
  if (!input.pad_back_held) {
    state_.back_hold_clock = -1;
    return PadBack::Quit;
  }
  state_.back_hold_clock += dt;
  if (state_.back_hold_clock < help_hold_time) return PadBack::None;
  state_.back_hold_clock = -1;  // the help screen is open; letting go does nothing more
  return PadBack::Help;
}

void Session::play(const FrameInput& input, float dt) {
  if (input.back) {
    state_.playing = false;  // the cave stays as it is behind the title
    return;
  }
  if (input.restart) {
    start_cave(state_.cave_index);
    return;
  }
  if (input.pause && state_.cave.outcome == CaveOutcome::Running) state_.paused = !state_.paused;
  if (state_.paused) return;

  // A tap between two ticks is kept for the next one.
  for (std::size_t p = 0; p < 2; ++p) {
    if (input.pressed_dir[p] != Dir::None) state_.latched_dir[p] = input.pressed_dir[p];
    state_.latched_fire[p] |= input.fire_pressed[p] ? 1 : 0;
  }

  if (state_.cave.outcome != CaveOutcome::Running) {
    state_.end_clock += dt;
    if (state_.end_clock > end_input_delay && input.show_key && offers_show_how()) {
      start_show_how();
      return;
    }
    if (state_.end_clock > end_input_delay && input.confirm) {
      if (state_.cave.outcome == CaveOutcome::Won) {
        if (state_.cave_index + 1 < level_count) {
          start_cave(state_.cave_index + 1);
        } else {
          state_.playing = false;  // every cave done
        }
      } else {
        start_cave(state_.cave_index);
      }
      return;
    }
  }
  // A lost cave goes on moving under the end screen; a won one stands still.
  if (state_.cave.outcome != CaveOutcome::Won) run_ticks(input, dt);
  follow_camera(dt);
}

void Session::follow_camera(float dt) {
  const PixelPoint target = camera_target();
  const float k = std::min(dt * camera_follow_rate, 1.0f);
  state_.camera.x += (target.x - state_.camera.x) * k;
  state_.camera.y += (target.y - state_.camera.y) * k;
}

void Session::run_ticks(const FrameInput& input, float dt) {
  state_.tick_clock += dt;
  while (state_.tick_clock >= tick_period && state_.cave.outcome != CaveOutcome::Won) {
    state_.tick_clock -= tick_period;
    if (state_.watch) {  // the recorded inputs play, whatever the keys say
      Watch& watch = *state_.watch;
      const TickInputs next = watch.next < watch.inputs.size() ? watch.inputs[watch.next++] : TickInputs{};
      session_tick(next[0], next[1]);
      continue;
    }
    const std::array<Dir, 2> dirs = std::exchange(state_.latched_dir, {Dir::None, Dir::None});
    const std::array<std::uint8_t, 2> fires = std::exchange(state_.latched_fire, {0, 0});
    std::array<TickInput, 2> players;
    for (std::size_t p = 0; p < 2; ++p) {
      players[p].grab = input.grab_held[p] ? 1 : 0;
      players[p].fire = fires[p];
      players[p].dir = dirs[p] != Dir::None ? dirs[p] : input.held_dir[p];
    }
    if (state_.progress.two_players) {
      session_tick(players[0], players[1]);
    } else {
      // Alone, both key sets and pads steer the one digger; player 1's direction comes first.
      TickInput one;
      one.grab = players[0].grab | players[1].grab;
      one.fire = players[0].fire | players[1].fire;
      one.dir = players[0].dir != Dir::None ? players[0].dir : players[1].dir;
      session_tick(one, TickInput{});
    }
  }
}

void Session::session_tick(TickInput player1, TickInput player2) {
  // Creatures are heard only where the player can see them.
  const std::int32_t x0 = cell_of(state_.camera.x);
  const std::int32_t y0 = cell_of(state_.camera.y);
  bool crawler_seen = false, wisp_seen = false, ooze_seen = false;
  for (std::int64_t y = y0; y <= std::int64_t{y0} + 11; ++y) {
    for (std::int64_t x = x0; x <= std::int64_t{x0} + 20; ++x) {
      if (x > std::numeric_limits<std::int32_t>::max() ||
          y > std::numeric_limits<std::int32_t>::max()) {
        continue;  // beyond any cave: steel
      }
      const CellKind kind =
          cell_at(state_.cave, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).kind;
      crawler_seen |= is_crawler(kind);
      wisp_seen |= kind == CellKind::Wisp;
      ooze_seen |= kind == CellKind::Ooze || kind == CellKind::Drop;
    }
  }

  if (!state_.watch && state_.cave.outcome == CaveOutcome::Running) state_.run_inputs.push_back({player1, player2});
  tick_events_.clear();
  const LossWatch loss_watch = watch_diggers(state_.cave, player1, player2);
  tick(state_.cave, player1, player2, tick_events_);
  for (const CaveEvent event : tick_events_) {
    if ((event == CaveEvent::CreatureStep && !crawler_seen) ||
        (event == CaveEvent::WispStep && !wisp_seen) ||
        (event == CaveEvent::DropGone && !ooze_seen)) {
      continue;
    }
    if (std::find(state_.frame_events.begin(), state_.frame_events.end(), event) == state_.frame_events.end()) {
      state_.frame_events.push_back(event);
    }
    switch (event) {
      case CaveEvent::Won:
        state_.end_clock = 0;
        if (state_.watch) break;  // a watched run wins nothing
        if (state_.progress.record_win(state_.cave_index, state_.cave.score)) state_.save_needed = true;
        state_.won_run = true;
        state_.losses_in_row = 0;
        break;
      case CaveEvent::Lost:
        state_.end_clock = 0;
        state_.lost_cause = korvedan::lost_cause(loss_watch, state_.cave, tick_events_);
        if (state_.watch) break;
        if (state_.losses_cave != state_.cave_index) state_.losses_in_row = 0;
        state_.losses_cave = state_.cave_index;
        ++state_.losses_in_row;
        break;
      case CaveEvent::TimeUp:
        state_.time_up = true;
        break;
      default:
        break;
    }
  }
}

PixelPoint Session::camera_target() const {
  const bool any_inside = std::any_of(state_.cave.diggers.begin(), state_.cave.diggers.end(), [](const DiggerState& d) {
    return d.status == DiggerStatus::InCave;
  });
  // Between two ticks a digger that just stepped is shown part of the way from its old cell.
  const float slide =
      (1.0f - std::clamp(state_.tick_clock / tick_period, 0.0f, 1.0f)) * static_cast<float>(cell_pixels);
  float sum_x = 0, sum_y = 0;
  int followed = 0;
  for (const DiggerState& digger : state_.cave.diggers) {
    const bool inside = digger.status == DiggerStatus::InCave;
    if (any_inside && !inside) continue;
    float x = static_cast<float>(digger.x * cell_pixels);
    float y = static_cast<float>(digger.y * cell_pixels);
    if (inside && state_.cave.outcome != CaveOutcome::Won) {
      const auto step = static_cast<Dir>(last_move_at(state_.cave, digger.x, digger.y));
      if (step != Dir::None) {
        x -= static_cast<float>(dir_dx(step)) * slide;
        y -= static_cast<float>(dir_dy(step)) * slide;
      }
    }
    sum_x += x;
    sum_y += y;
    ++followed;
  }
  const float ax = followed > 0 ? sum_x / static_cast<float>(followed) : 0.0f;
  const float ay = followed > 0 ? sum_y / static_cast<float>(followed) : 0.0f;
  return {camera_axis(state_.cave.width, view_width, ax), camera_axis(state_.cave.height, view_height, ay)};
}

}  // namespace korvedan
