// The boxes laid over the cave: paused, won, lost.
#pragma once

#include "art/canvas.hpp"
#include "game/session/session.hpp"

namespace korvedan {

// The lost box waits this long after the end, so the player sees what happened first.
inline constexpr float lost_box_delay = 0.7f;

// At most one box: paused first, then won, then lost once the delay has passed.
void draw_box(Canvas& canvas, const Session& session);

}  // namespace korvedan
