// Watching a recorded run in the session: the player's own best run (V on the title) and the
// game's stored winning run (H in the lost box). The recorded inputs go through the same
// ticks as a played cave; Space pauses, Right doubles the speed, anything else (a pad's Back
// too) leaves.
#include <algorithm>
#include <string>
#include <utility>

#include "base/fatal.hpp"
#include "core/cave_digest.hpp"
#include "core/stored_runs.hpp"
#include "game/session/session.hpp"

namespace korvedan {

std::optional<RunHeader> Session::take_won_run() {
  if (!std::exchange(state_.won_run, false)) return std::nullopt;
  return RunHeader{state_.cave_index, static_cast<int>(state_.cave.diggers.size()), state_.progress.difficulty,
                   state_.cave.score, state_.start_hash};
}

void Session::show_title_note(TitleNote note) {
  state_.title_note = note;
  state_.note_clock = title_note_seconds;
}

void Session::watch_own_run(const RecordedRun& run) {
  const int players = player_count(state_.progress);
  const RunHeader& h = run.header;
  if (h.cave_index != state_.cave_index || h.players != players || h.difficulty != state_.progress.difficulty) {
    show_title_note(TitleNote::Unreadable);  // a file under another cave's name
    return;
  }
  if (h.cave_hash != cave_digest(build_cave(state_.cave_index, players, state_.progress.difficulty))) {
    show_title_note(TitleNote::OlderCave);
    return;
  }
  begin_watch(WatchKind::OwnBest, players, run.inputs);
}

bool Session::offers_show_how() const {
  return state_.playing && !state_.watch && state_.cave.outcome == CaveOutcome::Lost &&
         state_.losses_in_row >= show_how_after_losses &&
         !stored_run_text(state_.cave_index, state_.progress.difficulty).empty();
}

// The stored runs are for one player: shown alone whatever the players chose.
void Session::start_show_how() {
  const std::string_view text = stored_run_text(state_.cave_index, state_.progress.difficulty);
  Result<std::vector<TickInputs>> inputs = parse_input_tokens(text, 1);
  if (!inputs) {
    fatal("stored run " + stored_run_name(state_.cave_index, state_.progress.difficulty) + ": " + inputs.error());
  }
  begin_watch(WatchKind::ShowHow, 1, std::move(inputs).value());
}

void Session::begin_watch(WatchKind kind, int players, std::vector<TickInputs> inputs) {
  begin_cave(state_.cave_index, players);
  state_.title_note = TitleNote::None;
  state_.watch = Watch{kind, std::move(inputs)};
}

void Session::watch_frame(const FrameInput& input, float dt) {
  Watch& watch = *state_.watch;
  const bool over = state_.cave.outcome != CaveOutcome::Running;
  // At the end Space and Right leave too, once the end has been seen.
  if (input.other_key || input.back || (over && state_.end_clock > end_input_delay && (input.space_key || input.right_key))) {
    leave_watch();
    return;
  }
  if (!over) {
    if (input.space_key) watch.paused = !watch.paused;
    if (input.right_key) watch.speed = std::min(watch.speed * 2, watch_top_speed);
  }
  if (watch.paused) return;
  if (over) state_.end_clock += dt;
  const float step = dt * static_cast<float>(watch.speed);
  if (state_.cave.outcome != CaveOutcome::Won) run_ticks(input, step);
  follow_camera(step);
}

void Session::leave_watch() {
  state_.watch.reset();
  state_.playing = false;
  // The title offers the cave as the players chose it again.
  state_.cave = build_cave(state_.cave_index, player_count(state_.progress), state_.progress.difficulty);
  state_.tick_clock = 0;
  state_.end_clock = 0;
  state_.time_up = false;
  state_.camera = camera_target();
}

}  // namespace korvedan
