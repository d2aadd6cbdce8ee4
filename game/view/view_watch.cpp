// The band of a watched run and the notes V leaves on the title.
#include "game/view/view_watch.hpp"

#include "art/colours.hpp"
#include "art/font.hpp"
#include "game/view/text_line.hpp"
#include "game/view/texts.hpp"

namespace korvedan {

void draw_watch_band(Canvas& canvas, const Session& s) {
  if (!s.watch()) return;
  const Watch& watch = *s.watch();
  canvas.shade_rows(186, 14, 70);
  TextLine line(text(watch.kind == WatchKind::ShowHow ? Text::ShowHowBand : Text::WatchBand, s.progress().settings.language));
  if (watch.paused) {
    line << "   PAUSE";
  } else if (watch.speed > 1) {
    line << "   " << watch.speed << "X";
  }
  draw_text_centred(canvas, 189, line, colours::gold, 1);
}

std::string_view title_note_text(TitleNote note, Language language) {
  switch (note) {
    case TitleNote::NoRun: return text(Text::NoteNoRun, language);
    case TitleNote::OlderCave: return text(Text::NoteOlderCave, language);
    case TitleNote::Unreadable: return text(Text::NoteUnreadable, language);
    case TitleNote::None: break;
  }
  return {};
}

}  // namespace korvedan
