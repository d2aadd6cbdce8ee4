// The colours the screens share for text, highlights and the status bar.
#pragma once

#include "art/canvas.hpp"

namespace korvedan::colours {

inline constexpr Rgb text_white{240, 236, 250};   // ordinary text
inline constexpr Rgb gold{250, 204, 48};          // titles, highlights, the open hatch message
inline constexpr Rgb alarm_red{255, 96, 96};      // warnings, the dynamite count, low time
inline constexpr Rgb teal{96, 232, 208};          // crystals still owed; a playable cave's name
inline constexpr Rgb lavender{150, 140, 180};     // help lines, sub-titles, a locked cave's name
inline constexpr Rgb hud_background{26, 20, 48};  // the status bar strip
inline constexpr Rgb hud_rule{70, 58, 110};       // the line under the status bar
inline constexpr Rgb black{0, 0, 0};              // the play-field background and text shadows

}  // namespace korvedan::colours
