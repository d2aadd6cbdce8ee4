// The help screen: the cave's folk with a line each and the scoring, then the options page.
#pragma once

#include <optional>

#include "art/canvas.hpp"
#include "art/sprite_key.hpp"
#include "art/sprite_sheet.hpp"
#include "game/session/session.hpp"
#include "game/view/texts.hpp"

namespace korvedan {

// Paints the whole canvas for the open help screen's page.
void draw_help_screen(Canvas& canvas, const Session& session, const SpriteSheet& sprites);

// The picture and the line the help shows for a kind; none for a kind it does not explain.
struct HelpLine {
  SpriteKey sprite;
  Text line;
};
std::optional<HelpLine> help_line(CellKind kind);

}  // namespace korvedan
