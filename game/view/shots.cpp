// The tour's script: each scene acts on one session carried from scene to scene.
#include "game/view/shots.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "art/sprite_sheet.hpp"
#include "core/bot.hpp"
#include "base/fatal.hpp"
#include "game/view/png.hpp"
#include "game/view/screen.hpp"
#include "game/session/session.hpp"
#include "game/view/sprite_export.hpp"
#include "game/view/view.hpp"

namespace korvedan {

namespace {

constexpr std::uint32_t shot_width = 960, shot_height = 600;

constexpr TickInput idle{};
constexpr TickInput moving(Dir d) { return {0, 0, d}; }

[[noreturn]] void cannot_write(const std::filesystem::path& path, const std::string& why) {
  fatal("the screenshots can be written: " + path.string() + ": " + why);
}

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) cannot_write(path, std::strerror(errno));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) cannot_write(path, std::strerror(errno));
}

void make_folder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) cannot_write(folder, error.message());
}

void steps(Session& s, int count, TickInput player1, TickInput player2 = idle) {
  for (int i = 0; i < count; ++i) s.session_tick(player1, player2);
}

// Starts cave n and lets the bot play it: at most `limit` of its moves, all of them if negative.
void bot_plays(Session& s, std::size_t cave, int limit) {
  s.start_cave(cave);
  const Solution solution = find_solution(s.cave());
  if (!solution.won) fatal("every level can be solved");
  int done = 0;
  for (TickInput move : solution.inputs) {
    if (limit >= 0 && done == limit) break;
    s.session_tick(move, idle);
    ++done;
  }
}

struct Scene {
  const char* stem;
  std::function<void(Session&)> act;
};

std::vector<Scene> scenes() {
  return {
      {"00-title", [](Session&) {}},
      {"01-start", [](Session& s) { s.start_cave(0); }},
      {"02-digging", [](Session& s) { bot_plays(s, 0, 30); }},
      {"03-won", [](Session& s) { bot_plays(s, 0, -1); }},
      {"04-title-after", [](Session& s) { s.stage().playing = false; }},
      {"05-rockslide", [](Session& s) { bot_plays(s, 1, 45); }},
      {"06-time-up",
       [](Session& s) {
         s.start_cave(2);
         s.stage().cave.time_left = 1;
         steps(s, 1, idle);
         s.stage().end_clock = 1.0f;
       }},
      {"07-mites",
       [](Session& s) {
         s.start_cave(3);
         steps(s, 13, idle);
       }},
      {"08-wisps",
       [](Session& s) {
         s.start_cave(4);
         steps(s, 9, moving(Dir::Down));
         steps(s, 8, moving(Dir::Right));
       }},
      {"09-deep", [](Session& s) { s.start_cave(118); }},
      {"10-paused", [](Session& s) { s.stage().paused = true; }},
      {"11-two-title",
       [](Session& s) {
         s.stage().progress.two_players = true;
         s.stage().playing = false;
         s.stage().paused = false;
       }},
      {"12-two-start", [](Session& s) { s.start_cave(0); }},
      {"17-keys", [](Session& s) { s.start_cave(16); }},
      {"18-changing-wall", [](Session& s) { s.start_cave(18); }},
      {"19-moss",
       [](Session& s) {
         s.start_cave(19);
         steps(s, 90, idle);
       }},
      {"20-gobblers", [](Session& s) { s.start_cave(20); }},
      {"21-bombs",
       [](Session& s) {
         s.start_cave(21);
         s.stage().cave.dynamite = 2;
         s.stage().cave.keys = 0b101;  // red and yellow
       }},
      {"22-naming",
       [](Session& s) {
         s.stage().playing = false;
         s.stage().name_edit = "TILDO";
       }},
      {"23-made-early",
       [](Session& s) {
         s.stage().name_edit.reset();
         s.start_cave(29);
       }},
      {"24-made-middle", [](Session& s) { s.start_cave(59); }},
      {"25-made-late", [](Session& s) { s.start_cave(99); }},
      {"26-lamps", [](Session& s) { s.start_cave(109); }},
      {"27-robots", [](Session& s) { s.start_cave(110); }},
      {"28-district", [](Session& s) { s.start_cave(113); }},
      {"14-shafts",
       [](Session& s) {
         s.stage().progress.two_players = false;
         s.start_cave(10);
       }},
      {"15-maze", [](Session& s) { s.start_cave(11); }},
      {"16-rockfall", [](Session& s) { s.start_cave(12); }},
      {"13-two-far",
       [](Session& s) {
         s.stage().progress.two_players = true;
         s.start_cave(5);
         steps(s, 30, idle, moving(Dir::Right));
       }},
  };
}

}  // namespace

void run_tour(const std::filesystem::path& folder, std::ostream& out) {
  make_folder(folder);
  Session session{Progress{}};  // a first run's progress; the save file is never read
  const SpriteSheet sprites = SpriteSheet::build();
  Canvas canvas;
  std::vector<std::uint32_t> frame(static_cast<std::size_t>(shot_width) * shot_height);

  for (const Scene& scene : scenes()) {
    scene.act(session);
    session.stage().camera = session.camera_target();
    draw_view(canvas, session, sprites);
    present_frame(canvas, frame, shot_width, shot_height);
    const std::filesystem::path path = folder / (std::string(scene.stem) + ".png");
    write_file(path, encode_png(shot_width, shot_height, frame));
    out << path.string() << '\n' << std::flush;
  }

  const std::filesystem::path sprite_folder = folder / "sprites";
  make_folder(sprite_folder);
  const Sprite floor = build_sprite({SpriteKind::Floor});
  for (const NamedSprite& named : named_sprites()) {
    const std::vector<std::uint32_t> picture = sprite_over_floor(build_sprite(named.key), floor);
    write_file(sprite_folder / (std::string(named.name) + ".png"),
               encode_png(sprite_export_size, sprite_export_size, picture));
  }
}

}  // namespace korvedan
