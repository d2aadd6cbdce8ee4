// Drawing the help pages and the options page over the title's dirt.
#include "game/view/help_view.hpp"

#include <array>
#include <cstddef>
#include <string_view>

#include "art/colours.hpp"
#include "art/font.hpp"
#include "game/view/text_line.hpp"

namespace korvedan {

namespace {

void draw_backdrop(Canvas& canvas, const SpriteSheet& sprites) {
  for (std::int32_t y = 0; y <= 192; y += 16) {
    for (std::int32_t x = 0; x <= 304; x += 16) canvas.blit(sprites.sprite({SpriteKind::Dirt}), x, y);
  }
  canvas.shade_rows(0, 200, 64);
}

// The neighbouring pages' names in the top corners, with the arrows that lead there.
void draw_page_arrows(Canvas& canvas, std::string_view before, std::string_view after, Language l) {
  if (!before.empty()) draw_text(canvas, 6, 8, TextLine("< ") << before, colours::lavender, 1);
  if (!after.empty()) {
    const TextLine next = TextLine(after) << " >";
    draw_text(canvas, 314 - static_cast<std::int32_t>(text_width(next)), 8, next, colours::lavender, 1);
  }
  draw_text_centred(canvas, 192, text(Text::HelpFooter, l), colours::lavender, 1);
}

void draw_help_page(Canvas& canvas, const Session& s, const SpriteSheet& sprites, std::size_t page,
                    std::size_t pages) {
  const Language l = s.progress().settings.language;
  TextLine title(text(Text::HelpTitle, l));
  if (pages > 1) title << " " << page + 1 << "/" << pages;
  draw_text_centred(canvas, 4, title, colours::gold, 2);
  draw_page_arrows(canvas, page > 0 ? text(Text::HelpTitle, l) : std::string_view(),
                   page + 1 < pages ? text(Text::HelpTitle, l) : text(Text::OptionsTitle, l), l);

  std::array<CellKind, help_kinds.size()> kinds{};
  const std::size_t n = opened_help_kinds(s.progress(), kinds);
  const std::size_t first = page * help_lines_per_page;
  for (std::size_t i = first; i < n && i < first + help_lines_per_page; ++i) {
    const std::optional<HelpLine> line = help_line(kinds[i]);
    if (!line) continue;
    const auto k = static_cast<std::int32_t>(i - first);
    const auto rows = static_cast<std::int32_t>(help_rows_per_column);
    const std::int32_t x = k < rows ? 6 : 163, y = 22 + 16 * (k % rows);
    canvas.blit(sprites.sprite(line->sprite), x, y);
    draw_text(canvas, x + 19, y + 5, text(line->line, l), colours::text_white, 1);
  }
  draw_text_centred(canvas, 172, text(Text::HelpWatchKeys, l), colours::lavender, 1);
  draw_text_centred(canvas, 183, text(Text::HelpScoring, l), colours::gold, 1);
}

void draw_volume(Canvas& canvas, std::int32_t x, std::int32_t y, std::uint8_t volume) {
  for (std::int32_t i = 0; i < volume_steps; ++i) {
    const bool lit = i < volume;
    canvas.fill_rect(x + 7 * i, y, 5, 7, lit ? colours::teal : colours::hud_rule);
  }
  draw_text(canvas, x + 7 * volume_steps + 4, y, TextLine() << unsigned{volume}, colours::text_white, 1);
}

void draw_options_page(Canvas& canvas, const Session& s, const HelpScreen& screen) {
  const Settings& settings = s.progress().settings;
  const Language l = settings.language;
  const auto t = [l](Text id) { return text(id, l); };
  draw_text_centred(canvas, 4, t(Text::OptionsTitle), colours::gold, 2);
  draw_page_arrows(canvas, t(Text::HelpTitle), {}, l);

  const auto colour_of = [&](std::size_t row) { return screen.row == row ? colours::gold : colours::text_white; };
  const auto marker = [&](std::size_t row, std::int32_t x, std::int32_t y) {
    if (screen.row == row) draw_text(canvas, x - 8, y, ">", colours::gold, 1);
  };

  constexpr std::int32_t label_x = 40, value_x = 150;
  const Text labels[4] = {Text::OptionFullscreen, Text::OptionLanguage, Text::OptionMusic, Text::OptionEffects};
  for (std::size_t row = 0; row < 4; ++row) {
    const std::int32_t y = 26 + 10 * static_cast<std::int32_t>(row);
    marker(row, label_x, y);
    draw_text(canvas, label_x, y, t(labels[row]), colour_of(row), 1);
    switch (static_cast<OptionRow>(row)) {
      case OptionRow::Fullscreen:
        draw_text(canvas, value_x, y, t(settings.fullscreen ? Text::OptionOn : Text::OptionOff), colour_of(row), 1);
        break;
      case OptionRow::Language:
        draw_text(canvas, value_x, y, text(Text::LanguageName, Language::German),
                  l == Language::German ? colour_of(row) : colours::lavender, 1);
        draw_text(canvas, value_x + 50, y, "/", colours::lavender, 1);
        draw_text(canvas, value_x + 62, y, text(Text::LanguageName, Language::English),
                  l == Language::English ? colour_of(row) : colours::lavender, 1);
        break;
      case OptionRow::Music: draw_volume(canvas, value_x, y, settings.music_volume); break;
      case OptionRow::Effects: draw_volume(canvas, value_x, y, settings.effects_volume); break;
    }
  }

  constexpr std::int32_t column_x[2] = {130, 222};
  draw_text(canvas, label_x, 70, t(Text::KeysTitle), colours::gold, 1);
  for (std::size_t p = 0; p < 2; ++p) {
    draw_text(canvas, column_x[p], 70, TextLine(t(Text::PlayerPrefix)) << p + 1, colours::lavender, 1);
  }
  const KeyBindings bindings = bindings_from(settings);
  const Text actions[bound_actions] = {Text::ActionUp,   Text::ActionRight, Text::ActionDown,
                                       Text::ActionLeft, Text::ActionGrab,  Text::ActionDynamite};
  for (std::size_t a = 0; a < bound_actions; ++a) {
    const std::int32_t y = 81 + 10 * static_cast<std::int32_t>(a);
    draw_text(canvas, label_x, y, t(actions[a]), colours::text_white, 1);
    for (std::size_t p = 0; p < 2; ++p) {
      const std::size_t row = option_first_key_row + p * bound_actions + a;
      std::array<char, 16> room{};
      const bool waiting = screen.choosing_key && screen.row == row;
      const std::string_view name =
          waiting ? std::string_view("...") : shown_key_name(bindings.key(p, static_cast<Action>(a)), room);
      marker(row, column_x[p], y);
      draw_text(canvas, column_x[p], y, name, colour_of(row), 1);
    }
  }
  marker(option_standard_row, label_x, 143);
  draw_text(canvas, label_x, 143, t(Text::KeysStandard), colour_of(option_standard_row), 1);
  draw_text_centred(canvas, 155, t(Text::PadsFixed), colours::lavender, 1);
  if (screen.refusal) {
    draw_text_centred(canvas, 167, t(*screen.refusal == KeyRefusal::Fixed ? Text::KeyFixed : Text::KeyTaken),
                      colours::alarm_red, 1);
  } else if (screen.choosing_key) {
    draw_text_centred(canvas, 167, t(Text::PressNewKey), colours::gold, 1);
  }
  draw_text_centred(canvas, 180, t(Text::OptionsFooter), colours::lavender, 1);
}

}  // namespace

std::optional<HelpLine> help_line(CellKind kind) {
  switch (kind) {
    case CellKind::Digger: return HelpLine{digger_key(SpriteKind::DiggerRight, 0, 0), Text::HelpDigger};
    case CellKind::Dirt: return HelpLine{{SpriteKind::Dirt}, Text::HelpDirt};
    case CellKind::Boulder: return HelpLine{{SpriteKind::Boulder}, Text::HelpBoulder};
    case CellKind::Crystal: return HelpLine{{SpriteKind::Crystal}, Text::HelpCrystal};
    case CellKind::Hatch: return HelpLine{{SpriteKind::HatchOpen}, Text::HelpHatch};
    case CellKind::Mite: return HelpLine{{SpriteKind::Mite}, Text::HelpMite};
    case CellKind::Wisp: return HelpLine{{SpriteKind::Wisp}, Text::HelpWisp};
    case CellKind::Star: return HelpLine{{SpriteKind::Star}, Text::HelpStar};
    case CellKind::Nut: return HelpLine{{SpriteKind::Nut}, Text::HelpNut};
    case CellKind::Key: return HelpLine{{SpriteKind::Key}, Text::HelpKey};
    case CellKind::Dynamite: return HelpLine{{SpriteKind::Dynamite}, Text::HelpDynamite};
    case CellKind::Bomb: return HelpLine{{SpriteKind::Bomb}, Text::HelpBomb};
    case CellKind::Shifter: return HelpLine{{SpriteKind::Shifter}, Text::HelpShifter};
    case CellKind::TimedShifter: return HelpLine{{SpriteKind::TimedShifter, 1}, Text::HelpTimedShifter};
    case CellKind::Moss: return HelpLine{{SpriteKind::Moss}, Text::HelpMoss};
    case CellKind::Gobbler: return HelpLine{{SpriteKind::Gobbler}, Text::HelpGobbler};
    case CellKind::Ooze: return HelpLine{{SpriteKind::Ooze}, Text::HelpOoze};
    case CellKind::GemWall: return HelpLine{{SpriteKind::GemWall}, Text::HelpGemWall};
    case CellKind::Lamp: return HelpLine{{SpriteKind::Lamp, 1}, Text::HelpLamp};
    case CellKind::Robot: return HelpLine{{SpriteKind::Robot}, Text::HelpRobot};
    case CellKind::Wheel: return HelpLine{{SpriteKind::Wheel}, Text::HelpWheel};
    case CellKind::Switch: return HelpLine{{SpriteKind::Switch}, Text::HelpSwitch};
    case CellKind::Acid: return HelpLine{{SpriteKind::Acid}, Text::HelpAcid};
    default: return std::nullopt;
  }
}

void draw_help_screen(Canvas& canvas, const Session& session, const SpriteSheet& sprites) {
  draw_backdrop(canvas, sprites);
  const HelpScreen screen = session.help().value_or(HelpScreen{});
  const std::size_t pages = help_page_count(session.progress());
  if (screen.page >= pages) {
    draw_options_page(canvas, session, screen);
  } else {
    draw_help_page(canvas, session, sprites, screen.page, pages);
  }
}

}  // namespace korvedan
