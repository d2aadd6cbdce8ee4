// The two screens: the title with its menus, and the cave in play under its status bar.
#include "game/view/view.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "core/levels.hpp"
#include "game/view/cell_sprites.hpp"
#include "game/view/help_view.hpp"
#include "game/view/text_line.hpp"
#include "game/view/texts.hpp"
#include "game/view/view_boxes.hpp"
#include "game/view/view_watch.hpp"

namespace korvedan {

void draw_text_right(Canvas& canvas, std::int32_t right, std::int32_t y, std::string_view text, Rgb colour) {
  draw_text(canvas, right - static_cast<std::int32_t>(text_width(text)) - 4, y, text, colour, 1);
}

namespace {

std::uint32_t best_of(const Progress& progress, std::size_t cave_index) {
  return cave_index < progress.best.size() ? progress.best[cave_index] : 0;
}

bool locked(const Session& s) { return s.progress().solved < s.cave_index() && !s.progress().all_open; }

Text difficulty_name(Difficulty d) {
  switch (d) {
    case Difficulty::Easy: return Text::Easy;
    case Difficulty::Hard: return Text::Hard;
    default: return Text::Normal;
  }
}

Language language_of(const Session& s) { return s.progress().settings.language; }

std::int32_t saturating_round(float value) {
  const float r = std::round(value);  // halves away from zero
  if (!(r > static_cast<float>(std::numeric_limits<std::int32_t>::min()))) {
    return std::isnan(r) ? 0 : std::numeric_limits<std::int32_t>::min();
  }
  if (r >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

TextLine pad_note(const Session& s) {
  const Language l = language_of(s);
  if (s.pro_pads_in_use() == s.pads_in_use()) return TextLine() << s.pads_in_use() << text(Text::ProControllers, l);
  if (s.pads_in_use() == 1) return TextLine(text(Text::OneGamepad, l));
  return TextLine() << s.pads_in_use() << text(Text::Gamepads, l);
}

void draw_title(Canvas& canvas, const Session& s, const SpriteSheet& sprites) {
  const float h = s.screen_clock();
  const Progress& p = s.progress();
  const Language l = p.settings.language;
  const auto t = [l](Text id) { return text(id, l); };
  for (std::int32_t y = 0; y <= 192; y += 16) {
    for (std::int32_t x = 0; x <= 304; x += 16) canvas.blit(sprites.sprite({SpriteKind::Dirt}), x, y);
  }
  for (std::int32_t x = 0; x <= 304; x += 16) {
    canvas.blit(sprites.sprite({SpriteKind::Steel}), x, 0);
    canvas.blit(sprites.sprite({SpriteKind::Steel}), x, 192);
  }
  canvas.shade_rows(0, 200, 96);
  draw_text_centred(canvas, 22, "KORVEDAN", colours::gold, 3);
  draw_text(canvas, 6, 5, TextLine(t(Text::BuildPrefix)) << build_label, colours::lavender, 1);
  // The way to the help screen, across from the build label (a line lower under a pad note).
  const std::string_view help_hint = t(Text::HelpHint);
  draw_text(canvas, 314 - static_cast<std::int32_t>(text_width(help_hint)), s.pads_in_use() != 0 ? 14 : 5, help_hint,
            colours::lavender, 1);
  draw_text_centred(canvas, 50, t(Text::Tagline), colours::lavender, 1);

  // A parade of the cave's folk on a strip of floor.
  for (std::int32_t x = 0; x <= 304; x += 16) canvas.blit(sprites.sprite({SpriteKind::Floor}), x, 66);
  const auto walk = static_cast<std::uint8_t>(animation_step(6, h) % 2);
  const SpriteKey parade[] = {
      digger_key(SpriteKind::DiggerRight, 0, walk),
      {SpriteKind::Crystal, static_cast<std::uint8_t>(animation_step(9, h) % 6)},
      {SpriteKind::Boulder},
      {SpriteKind::Mite, walk},
      {SpriteKind::Wisp, static_cast<std::uint8_t>(animation_step(8, h) % 4)},
      {SpriteKind::HatchOpen, static_cast<std::uint8_t>(animation_step(6, h) % 4)},
  };
  std::int32_t x = 82;
  for (const SpriteKey& key : parade) {
    canvas.blit(sprites.sprite(key), x, 66);
    x += 28;
  }

  if (s.name_edit()) {
    const char* cursor = animation_step(3, h) % 2 == 0 ? "<" : " ";
    draw_text_centred(canvas, 86, TextLine(t(Text::NamePrefix)) << *s.name_edit() << cursor, colours::gold, 1);
  } else {
    TextLine who;
    if (p.name.empty()) {
      who << t(Text::PlayerPrefix) << std::uint64_t{p.slot} + 1;
    } else {
      who << p.name;
    }
    const std::uint64_t points = std::accumulate(p.best.begin(), p.best.end(), std::uint64_t{0});
    draw_text_centred(canvas, 86,
                      who << " - " << std::min<std::uint64_t>(p.solved, level_count) << t(Text::SolvedMiddle)
                          << points << t(Text::PointsSuffix),
                      colours::text_white, 1);
  }
  draw_text_centred(canvas, 98,
                    TextLine(s.cave_index() == 0 ? " " : "<")
                        << t(Text::CaveWord) << s.cave_index() + 1 << t(Text::OfWord) << level_count << " "
                        << (s.cave_index() + 1 == level_count ? " " : ">"),
                    colours::text_white, 1);
  const LevelEntry& level = level_entry(s.cave_index());
  const bool is_locked = locked(s);
  draw_text_centred(canvas, 109, level.name, is_locked ? colours::lavender : colours::teal, 2);
  const std::string_view typing_help = t(Text::TypingHelp);
  if (is_locked) {
    draw_text_centred(canvas, 127, t(Text::Locked), colours::alarm_red, 1);
    if (s.name_edit()) {
      draw_text_centred(canvas, 139, typing_help, colours::gold, 1);
    } else if (s.title_note() != TitleNote::None) {
      draw_text_centred(canvas, 139, title_note_text(s.title_note(), l), colours::alarm_red, 1);
    }
  } else {
    const std::uint32_t best = best_of(p, s.cave_index());
    draw_text_centred(canvas, 127,
                      best != 0 ? TextLine(t(Text::BestPrefix)) << best
                                : TextLine() << level.crystals_needed << t(Text::CrystalsToHatch),
                      colours::text_white, 1);
    if (s.name_edit()) {
      draw_text_centred(canvas, 139, typing_help, colours::gold, 1);
    } else if (s.title_note() != TitleNote::None) {
      draw_text_centred(canvas, 139, title_note_text(s.title_note(), l), colours::alarm_red, 1);
    } else if (animation_step(2.5f, h) % 2 == 0) {
      draw_text_centred(canvas, 139, t(Text::StartPrompt), colours::gold, 1);
    }
  }
  TextLine players_line;
  players_line << t(Text::PlayersPrefix) << (p.two_players ? 2u : 1u) << t(Text::PlayersMiddle)
               << t(difficulty_name(p.difficulty));
  draw_text_centred(canvas, 151, players_line, colours::text_white, 1);
  const auto w = static_cast<std::int32_t>(text_width(players_line));
  if (s.pads_in_use() != 0) {
    const TextLine note = pad_note(s);
    draw_text(canvas, 314 - static_cast<std::int32_t>(text_width(note)), 5, note, colours::text_white, 1);
  }
  if (p.two_players) {
    canvas.blit(sprites.sprite(digger_key(SpriteKind::DiggerRight, 0, walk)), 136 - w / 2, 146);
    canvas.blit(sprites.sprite(digger_key(SpriteKind::DiggerLeft, 1, walk)), w / 2 + 168, 146);
  }
  draw_text_centred(canvas, 162,
                    t(p.two_players ? Text::HelpTwoPlayers : Text::HelpOnePlayer),
                    colours::lavender, 1);
  draw_text_centred(canvas, 172,
                    TextLine(t(Text::KeysLine)) << t(p.music_off ? Text::MusicOff : Text::MusicOn)
                                                << t(Text::BackSuffix),
                    colours::lavender, 1);
  draw_text_centred(canvas, 182,
                    TextLine(t(Text::ProfileLine)) << t(p.all_open ? Text::LockAgain : Text::OpenAll),
                    colours::lavender, 1);
}

void draw_cells(Canvas& canvas, const Session& s, const SpriteSheet& sprites) {
  const Cave& cave = s.cave();
  const float h = s.screen_clock();
  const std::int32_t ix = saturating_round(s.camera().x), iy = saturating_round(s.camera().y);
  const std::int32_t col0 = ix >> 4, row0 = iy >> 4;
  // How far moving things still are from their new cells: they slide in over one tick,
  // creatures over their whole period.
  const float f = cave.outcome == CaveOutcome::Won ? 1.0f : std::clamp(s.tick_clock() / tick_period, 0.0f, 1.0f);
  const std::uint32_t period = cave.creature_period == 0 ? 1 : cave.creature_period;
  const std::int32_t o = saturating_round((1.0f - f) * 16.0f);
  const std::int32_t oc = saturating_round(
      (1.0f - (static_cast<float>(cave.tick % period) + f) / static_cast<float>(period)) * 16.0f);
  const Sprite& floor = sprites.sprite({SpriteKind::Floor});
  const auto fuse = SpriteKey{SpriteKind::Fuse, static_cast<std::uint8_t>(animation_step(12, h) % 2)};

  canvas.fill_rect(0, 24, 320, 176, colours::black);
  for (int pass = 1; pass <= 2; ++pass) {
    for (std::int32_t r = row0 - 1; r <= row0 + 12; ++r) {
      if (r < 0 || r >= cave.height) continue;
      for (std::int32_t c = col0 - 1; c <= col0 + 21; ++c) {
        if (c < 0 || c >= cave.width) continue;
        std::int32_t x = 16 * c - ix, y = 16 * r + 24 - iy;
        const std::uint8_t moved = last_move_at(cave, c, r);
        if (pass == 1) canvas.blit(floor, x, y);
        if ((pass == 1) != (moved == 255)) continue;
        const auto key = cell_sprite(cave, c, r, h);
        if (!key) continue;
        const Cell cell = cell_at(cave, c, r);
        if (moved != 255) {
          const auto d = static_cast<Dir>(moved);
          const std::int32_t slide = is_creature(cell.kind) ? oc : o;
          x -= dir_dx(d) * slide;
          y -= dir_dy(d) * slide;
        }
        if (cell.kind == CellKind::Digger && cell.param < cave.diggers.size() && cave.diggers[cell.param].armed) {
          canvas.blit(sprites.sprite(fuse), x, y);
        }
        canvas.blit(sprites.sprite(*key), x, y);
      }
    }
  }
}

void draw_status_bar(Canvas& canvas, const Session& s, const SpriteSheet& sprites) {
  const Cave& cave = s.cave();
  const float h = s.screen_clock();
  const Language l = language_of(s);
  canvas.fill_rect(0, 0, 320, 24, colours::hud_background);
  canvas.fill_rect(0, 23, 320, 1, colours::hud_rule);
  draw_text(canvas, 4, 3, TextLine() << s.cave_index() + 1 << " " << level_entry(s.cave_index()).name,
            colours::text_white, 1);
  draw_text_right(canvas, 320, 3, TextLine(text(Text::ScorePrefix, l)).padded(cave.score, 5), colours::text_white);
  canvas.blit(sprites.sprite({SpriteKind::Crystal, 4}), 0, 7);
  canvas.fill_rect(0, 23, 16, 1, colours::hud_rule);

  const bool open = hatch_open(cave);
  draw_text(canvas, 18, 13, TextLine().padded(cave.crystals, 2) << "/" << TextLine().padded(cave.crystals_needed, 2),
            open ? colours::gold : colours::teal, 1);
  if (open && cave.outcome == CaveOutcome::Running && animation_step(3, h) % 2 == 0) {
    draw_text(canvas, 54, 13, text(Text::HatchOpen, l), colours::gold, 1);
  }
  if (cave.lamp_broken) {
    draw_text(canvas, 54, 13, text(Text::LampBroken, l), colours::alarm_red, 1);
  } else if (cave.unlit_lamps != 0) {
    draw_text(canvas, 54, 13, TextLine(text(Text::LampsPrefix, l)) << cave.unlit_lamps, colours::text_white, 1);
  }
  draw_text(canvas, 132, 13, TextLine(text(Text::DynamitePrefix, l)) << cave.dynamite,
            cave.dynamite != 0 ? colours::alarm_red : colours::text_white, 1);
  constexpr Rgb key_colours[3] = {{236, 76, 76}, {84, 206, 116}, {244, 204, 60}};
  for (std::int32_t i = 0; i < 3; ++i) {
    if ((cave.keys >> i & 1) == 0) continue;
    canvas.fill_rect(196 + 9 * i, 13, 7, 7, colours::black);
    canvas.fill_rect(197 + 9 * i, 14, 5, 5, key_colours[i]);
  }
  const auto seconds = static_cast<std::uint64_t>(std::ceil(static_cast<float>(cave.time_left) * 0.13f));
  const bool calm = seconds > 20 || cave.outcome != CaveOutcome::Running;
  const Rgb time_colour = calm || animation_step(4, h) % 2 == 1 ? colours::text_white : colours::alarm_red;
  draw_text_right(canvas, 320, 13, TextLine(text(Text::TimePrefix, l)).padded(seconds, 3), time_colour);
}

}  // namespace

void draw_view(Canvas& canvas, const Session& session, const SpriteSheet& sprites) {
  if (!session.playing()) {
    if (session.help()) {
      draw_help_screen(canvas, session, sprites);
      return;
    }
    draw_title(canvas, session, sprites);
    return;
  }
  draw_cells(canvas, session, sprites);
  draw_status_bar(canvas, session, sprites);
  draw_box(canvas, session);
  draw_watch_band(canvas, session);
}

}  // namespace korvedan
