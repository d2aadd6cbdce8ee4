// What a watched run adds to the screens: its band over the cave, the title's note about V.
#pragma once

#include <string_view>

#include "art/canvas.hpp"
#include "game/session/session.hpp"

namespace korvedan {

// "WIEDERHOLUNG" or "SO GEHT ES" along the foot of the playfield, with the speed or the pause.
void draw_watch_band(Canvas& canvas, const Session& session);

// The title's text for a note; empty for none.
std::string_view title_note_text(TitleNote note, Language language);

}  // namespace korvedan
