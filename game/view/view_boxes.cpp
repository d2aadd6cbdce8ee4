// A darkened band with a big title and a line or two of text under it.
#include "game/view/view_boxes.hpp"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "core/levels.hpp"
#include "game/view/text_line.hpp"
#include "game/view/texts.hpp"

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

// The small line under the lost box's title; nothing when the cause is not known.
std::optional<Text> cause_text(LostCause cause) {
  switch (cause) {
    case LostCause::Crushed: return Text::CauseCrushed;
    case LostCause::Caught: return Text::CauseCaught;
    case LostCause::BlownUp: return Text::CauseBlownUp;
    case LostCause::Drop: return Text::CauseDrop;
    case LostCause::Acid: return Text::CauseAcid;
    case LostCause::Lamp: return Text::CauseLamp;
    case LostCause::Unknown: break;
  }
  return std::nullopt;
}

}  // namespace

void draw_box(Canvas& canvas, const Session& s) {
  const Cave& cave = s.cave();
  const Language l = s.progress().settings.language;
  const auto t = [l](Text id) { return text(id, l); };
  if (s.paused()) {
    draw_band(canvas, t(Text::Pause), colours::text_white, {t(Text::PauseGoOn)});
  } else if (cave.outcome == CaveOutcome::Won) {
    const std::uint32_t best = s.cave_index() < s.progress().best.size() ? s.progress().best[s.cave_index()] : 0;
    draw_band(canvas, t(Text::Won), colours::gold,
              {TextLine(t(Text::WonScorePrefix)) << cave.score << t(Text::WonBestPrefix) << best,
               t(s.cave_index() + 1 == level_count ? Text::AllCavesDone : Text::WonGoOn)});
  } else if (cave.outcome == CaveOutcome::Lost && s.end_clock() >= lost_box_delay) {
    // The cause, when known, goes under the title; from the third loss in a row the box offers
    // to show how the cave is won.
    const std::string_view title = t(s.time_up() ? Text::TimeUp : Text::Lost);
    const std::string_view again = t(Text::LostTryAgain);
    const std::string_view how = t(Text::ShowHowLine);
    const std::optional<Text> cause = s.time_up() ? std::nullopt : cause_text(s.lost_cause());
    if (cause && s.offers_show_how()) {
      draw_band(canvas, title, colours::alarm_red, {t(*cause), again, how});
    } else if (cause) {
      draw_band(canvas, title, colours::alarm_red, {t(*cause), again});
    } else if (s.offers_show_how()) {
      draw_band(canvas, title, colours::alarm_red, {again, how});
    } else {
      draw_band(canvas, title, colours::alarm_red, {again});
    }
  }
}

}  // namespace korvedan
