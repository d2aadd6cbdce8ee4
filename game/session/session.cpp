// The session's screens and the fixed-rate cave clock behind them.
#include "game/session/session.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/fatal.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"

namespace korvedan {

namespace {

constexpr std::size_t last_cave = level_count - 1;

Cave build_cave(std::size_t index, const Progress& progress) {
  if (index >= level_count) {
    fatal("cave index " + std::to_string(index) + " is outside 0.." + std::to_string(last_cave));
  }
  const LevelEntry& entry = level_entry(index);
  Result<Cave> cave = parse_cave(entry, progress.two_players ? 2 : 1, progress.difficulty);
  if (!cave) fatal("level " + std::string(entry.name) + ": " + cave.error());
  return std::move(cave).value();
}

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

bool is_crawler(CellKind kind) {
  return kind == CellKind::Mite || kind == CellKind::Gobbler || kind == CellKind::Robot;
}

}  // namespace

std::string filter_name(std::string_view typed) {
  std::string name;
  for (char c : typed) {
    if (name.size() == name_length) break;
    if (c >= 'a' && c <= 'z') name += static_cast<char>(c - 'a' + 'A');
    else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) name += c;
  }
  return name;
}

Session::Session(Progress start)
    : progress(std::move(start)),
      cave_index(offered_cave(progress)) {
  cave = build_cave(cave_index, progress);
  camera = camera_target();
}

void Session::start_cave(std::size_t index) {
  cave = build_cave(index, progress);
  cave_index = index;
  playing = true;
  paused = false;
  tick_clock = 0;
  latched_fire = {0, 0};
  latched_dir = {Dir::None, Dir::None};
  time_up = false;
  end_clock = 0;
  camera = camera_target();  // no sliding in from the old cave
}

void Session::update(const FrameInput& input, float dt) {
  screen_clock += dt;
  frame_events.clear();
  if (name_edit) {
    enter_name(input);
    return;
  }
  if (input.music) {
    progress.music_off = !progress.music_off;
    save_needed = true;
  }
  if (!playing) {
    title_actions(input, dt);
  } else {
    play(input, dt);
  }
}

void Session::enter_name(const FrameInput& input) {
  if (input.confirm) {
    const std::string typed = std::move(*name_edit);
    name_edit.reset();
    progress.name = filter_name(typed);
    save_needed = true;
  } else if (input.back) {
    name_edit.reset();
  }
}

void Session::title_actions(const FrameInput& input, float dt) {
  const Dir held = input.held_dir[0] != Dir::None ? input.held_dir[0] : input.held_dir[1];
  Dir repeat_step = Dir::None;
  if (held == Dir::Right || held == Dir::Left) {
    repeat_clock += dt;
    if (repeat_clock > title_repeat_delay) {
      repeat_clock -= title_repeat_step;
      repeat_step = held;
    }
  } else {
    repeat_clock = 0;
  }

  if (input.open_all_key) {
    progress.all_open = !progress.all_open;
    save_needed = true;
  }

  const Dir menu = input.pressed_dir[0] != Dir::None   ? input.pressed_dir[0]
                   : input.pressed_dir[1] != Dir::None ? input.pressed_dir[1]
                                                       : repeat_step;
  switch (menu) {
    case Dir::Up:
      progress.two_players = !progress.two_players;
      save_needed = true;
      break;
    case Dir::Down:
      progress.difficulty = next_difficulty(progress.difficulty);
      save_needed = true;
      break;
    case Dir::Left:  // browsing passes locked caves too
      if (cave_index > 0) --cave_index;
      break;
    case Dir::Right:
      if (cave_index + 1 < level_count) ++cave_index;
      break;
    case Dir::None:
      break;
  }

  if (input.players_key) {
    progress.switch_profile();
    cave_index = offered_cave(progress);
    save_needed = true;
  }

  if (input.name_key) {
    name_edit = std::string();  // the old name stays until the new one is committed
    return;
  }
  if (input.confirm && progress.is_open(cave_index)) start_cave(cave_index);
  if (input.back) quit_requested = true;
}

void Session::play(const FrameInput& input, float dt) {
  if (input.back) {
    playing = false;  // the cave stays as it is behind the title
    return;
  }
  if (input.restart) {
    start_cave(cave_index);
    return;
  }
  if (input.pause && cave.outcome == CaveOutcome::Running) paused = !paused;
  if (paused) return;

  // A tap between two ticks is kept for the next one.
  for (std::size_t p = 0; p < 2; ++p) {
    if (input.pressed_dir[p] != Dir::None) latched_dir[p] = input.pressed_dir[p];
    latched_fire[p] |= input.fire_pressed[p] ? 1 : 0;
  }

  if (cave.outcome != CaveOutcome::Running) {
    end_clock += dt;
    if (end_clock > end_input_delay && input.confirm) {
      if (cave.outcome == CaveOutcome::Won) {
        if (cave_index + 1 < level_count) {
          start_cave(cave_index + 1);
        } else {
          playing = false;  // every cave done
        }
      } else {
        start_cave(cave_index);
      }
      return;
    }
  }
  // A lost cave goes on moving under the end screen; a won one stands still.
  if (cave.outcome != CaveOutcome::Won) run_ticks(input, dt);

  const PixelPoint target = camera_target();
  const float k = std::min(dt * camera_follow_rate, 1.0f);
  camera.x += (target.x - camera.x) * k;
  camera.y += (target.y - camera.y) * k;
}

void Session::run_ticks(const FrameInput& input, float dt) {
  tick_clock += dt;
  while (tick_clock >= tick_period && cave.outcome != CaveOutcome::Won) {
    tick_clock -= tick_period;
    const std::array<Dir, 2> dirs = std::exchange(latched_dir, {Dir::None, Dir::None});
    const std::array<std::uint8_t, 2> fires = std::exchange(latched_fire, {0, 0});
    std::array<TickInput, 2> players;
    for (std::size_t p = 0; p < 2; ++p) {
      players[p].grab = input.grab_held[p] ? 1 : 0;
      players[p].fire = fires[p];
      players[p].dir = dirs[p] != Dir::None ? dirs[p] : input.held_dir[p];
    }
    if (progress.two_players) {
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
  const std::int32_t x0 = cell_of(camera.x);
  const std::int32_t y0 = cell_of(camera.y);
  bool crawler_seen = false, wisp_seen = false, ooze_seen = false;
  for (std::int64_t y = y0; y <= std::int64_t{y0} + 11; ++y) {
    for (std::int64_t x = x0; x <= std::int64_t{x0} + 20; ++x) {
      if (x > std::numeric_limits<std::int32_t>::max() ||
          y > std::numeric_limits<std::int32_t>::max()) {
        continue;  // beyond any cave: steel
      }
      const CellKind kind =
          cell_at(cave, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).kind;
      crawler_seen |= is_crawler(kind);
      wisp_seen |= kind == CellKind::Wisp;
      ooze_seen |= kind == CellKind::Ooze || kind == CellKind::Drop;
    }
  }

  const EventList events = tick(cave, player1, player2);
  for (const CaveEvent event : events) {
    if ((event == CaveEvent::CreatureStep && !crawler_seen) ||
        (event == CaveEvent::WispStep && !wisp_seen) ||
        (event == CaveEvent::DropGone && !ooze_seen)) {
      continue;
    }
    if (std::find(frame_events.begin(), frame_events.end(), event) == frame_events.end()) {
      frame_events.push_back(event);
    }
    switch (event) {
      case CaveEvent::Won:
        if (progress.record_win(cave_index, cave.score)) save_needed = true;
        end_clock = 0;
        break;
      case CaveEvent::Lost:
        end_clock = 0;
        break;
      case CaveEvent::TimeUp:
        time_up = true;
        break;
      default:
        break;
    }
  }
}

PixelPoint Session::camera_target() const {
  const bool any_inside = std::any_of(cave.diggers.begin(), cave.diggers.end(), [](const DiggerState& d) {
    return d.status == DiggerStatus::InCave;
  });
  // Between two ticks a digger that just stepped is shown part of the way from its old cell.
  const float slide =
      (1.0f - std::clamp(tick_clock / tick_period, 0.0f, 1.0f)) * static_cast<float>(cell_pixels);
  float sum_x = 0, sum_y = 0;
  int followed = 0;
  for (const DiggerState& digger : cave.diggers) {
    const bool inside = digger.status == DiggerStatus::InCave;
    if (any_inside && !inside) continue;
    float x = static_cast<float>(digger.x * cell_pixels);
    float y = static_cast<float>(digger.y * cell_pixels);
    if (inside && cave.outcome != CaveOutcome::Won) {
      const auto step = static_cast<Dir>(last_move_at(cave, digger.x, digger.y));
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
  return {camera_axis(cave.width, view_width, ax), camera_axis(cave.height, view_height, ay)};
}

}  // namespace korvedan
