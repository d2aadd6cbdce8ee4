// Paints the whole canvas from the session: the title screen, or the cave with its status bar.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/canvas.hpp"
#include "art/sprite_sheet.hpp"
#include "base/build_info.hpp"
#include "game/session/session.hpp"

namespace korvedan {

inline constexpr std::string_view build_label = build_number;

// Reads the session only; the same session always gives the same picture.
void draw_view(Canvas& canvas, const Session& session, const SpriteSheet& sprites);

// Text at scale 1 ending four pixels left of `right`.
void draw_text_right(Canvas& canvas, std::int32_t right, std::int32_t y, std::string_view text, Rgb colour);

}  // namespace korvedan
