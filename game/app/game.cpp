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
  FrameOutput out = settings_output();
  out.effects = effects_for_events(session_.frame_events());
  out.save_progress = session_.take_save_needed();
  out.quit = session_.take_quit_requested();
  return out;
}

void Game::draw(Canvas& canvas, const SpriteSheet& sprites) const { draw_view(canvas, session_, sprites); }

}  // namespace korvedan
