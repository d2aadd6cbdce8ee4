// A frame of the game: the session's update, then what the platform must act on.
#include "game/app/game.hpp"

#include "game/view/view.hpp"

namespace korvedan {

FrameOutput Game::settings_output() const {
  FrameOutput out;
  const Settings& settings = session_.progress().settings;
  out.music_on = !session_.progress().music_off;
  out.fullscreen = settings.fullscreen;
  out.music_volume = settings.music_volume;
  out.effects_volume = settings.effects_volume;
  out.keys = bindings_from(settings);
  return out;
}

FrameOutput Game::frame(const FrameInput& input, float dt) {
  session_.update(input, dt);
  const std::optional<RunHeader> won = session_.take_won_run();
  if (won && runs_) runs_->keep(session_.progress().slot, *won, session_.run_inputs());
  if (session_.take_watch_wanted()) watch_own_run();
  FrameOutput out = settings_output();
  out.effects = effects_for_events(session_.frame_events());
  out.save_progress = session_.take_save_needed();
  out.quit = session_.take_quit_requested();
  return out;
}

void Game::watch_own_run() {
  const Session& s = session_;
  const RunLookup found =
      runs_ ? runs_->find(s.progress().slot, s.cave_index(), s.progress().difficulty, player_count(s.progress()))
            : RunLookup{};
  switch (found.kind) {
    case RunLookup::Kind::Missing: session_.show_title_note(TitleNote::NoRun); break;
    case RunLookup::Kind::Unreadable: session_.show_title_note(TitleNote::Unreadable); break;
    case RunLookup::Kind::Read: session_.watch_own_run(found.run); break;
  }
}

void Game::draw(Canvas& canvas, const SpriteSheet& sprites) const { draw_view(canvas, session_, sprites); }

}  // namespace korvedan
