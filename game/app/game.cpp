// A frame of the game: the session's update, then what the platform must act on.
#include "game/app/game.hpp"

#include "game/view/view.hpp"

namespace korvedan {

FrameOutput Game::frame(const FrameInput& input, float dt) {
  session_.update(input, dt);
  FrameOutput out;
  out.effects = effects_for_events(session_.frame_events());
  out.music_on = !session_.progress().music_off;
  out.save_progress = session_.take_save_needed();
  out.quit = session_.take_quit_requested();
  return out;
}

void Game::draw(Canvas& canvas, const SpriteSheet& sprites) const { draw_view(canvas, session_, sprites); }

}  // namespace korvedan
