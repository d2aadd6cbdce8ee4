// A darkened band with a big title and a line or two of text under it.
#include "game/view/view_boxes.hpp"

#include <initializer_list>
#include <string_view>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "core/levels.hpp"
#include "game/view/text_line.hpp"

namespace korvedan {

namespace {

void draw_band(Canvas& canvas, std::string_view title, Rgb title_colour,
               std::initializer_list<std::string_view> lines) {
  const auto a = static_cast<std::int32_t>(lines.size());
  const std::int32_t top = (142 - 12 * a) / 2;
  canvas.shade_rows(top + 24, 12 * a + 34, 70);
  draw_text_centred(canvas, top + 32, title, title_colour, 2);
  for (std::int32_t k = 0; k < a; ++k) {
    draw_text_centred(canvas, top + 54 + 12 * k, lines.begin()[k], colours::text_white, 1);
  }
}

}  // namespace

void draw_box(Canvas& canvas, const Session& s) {
  const Cave& cave = s.cave();
  if (s.paused()) {
    draw_band(canvas, "PAUSE", colours::text_white, {"P: WEITER"});
  } else if (cave.outcome == CaveOutcome::Won) {
    const std::uint32_t best = s.cave_index() < s.progress().best.size() ? s.progress().best[s.cave_index()] : 0;
    draw_band(canvas, "GESCHAFFT!", colours::gold,
              {TextLine("PUNKTE ") << cave.score << "   BESTWERT " << best,
               s.cave_index() + 1 == level_count ? "ALLE SCHAECHTE GESCHAFFT!" : "LEERTASTE ODER TIPPEN: WEITER"});
  } else if (cave.outcome == CaveOutcome::Lost && s.end_clock() >= lost_box_delay) {
    const std::string_view title = s.time_up() ? "ZEIT ABGELAUFEN!" : "DAS WAR NICHTS!";
    if (s.offers_show_how()) {
      draw_band(canvas, title, colours::alarm_red, {"LEERTASTE ODER TIPPEN: NOCHMAL", "H: ZEIG MIR WIE"});
    } else {
      draw_band(canvas, title, colours::alarm_red, {"LEERTASTE ODER TIPPEN: NOCHMAL"});
    }
  }
}

}  // namespace korvedan
