// The sheet: which keys exist, their names, and building and finding their pictures.
#include "art/sprite_sheet.hpp"

#include <algorithm>

#include "art/pictures.hpp"
#include "base/fatal.hpp"

namespace korvedan {

namespace {

using K = SpriteKind;

constexpr std::array<SpriteKey, sheet_sprite_count> make_sheet_keys() {
  std::array<SpriteKey, sheet_sprite_count> keys{};
  std::size_t n = 0;
  auto add = [&](SpriteKind kind, int subs) {
    for (int sub = 0; sub < subs; ++sub) keys[n++] = {kind, static_cast<std::uint8_t>(sub), 0};
  };
  for (K kind : {K::Floor, K::Dirt, K::Brick, K::Steel, K::Boulder, K::HatchShut}) add(kind, 1);
  add(K::Crystal, 6);
  for (std::uint8_t player = 0; player < 2; ++player) {
    for (K pose : {K::DiggerFront, K::DiggerBack, K::DiggerLeft, K::DiggerRight}) {
      for (std::uint8_t frame = 0; frame < 2; ++frame) keys[n++] = digger_key(pose, player, frame);
    }
  }
  add(K::HatchOpen, 4);
  add(K::Mite, 2);
  add(K::Wisp, 4);
  add(K::Blast, 4);
  add(K::Star, 6);
  for (K kind : {K::Nut, K::Bomb, K::Dynamite}) add(kind, 1);
  add(K::Fuse, 2);
  add(K::Key, 3);
  add(K::Door, 3);
  add(K::Shifter, 4);
  add(K::Moss, 2);
  add(K::Gobbler, 2);
  for (K kind : {K::Bigbomb, K::Drop}) add(kind, 1);
  add(K::Ooze, 2);
  add(K::TimedShifter, 4);
  for (K kind : {K::TimedShifterOff, K::GemWall}) add(kind, 1);
  add(K::Lamp, 2);
  for (K kind : {K::Hidden, K::Switch}) add(kind, 1);
  add(K::Robot, 2);
  add(K::Wheel, 4);
  add(K::Acid, 2);
  if (n != sheet_sprite_count) throw "the sheet holds 89 sprites";  // fails the constant evaluation
  return keys;
}

constexpr std::array<SpriteKey, sheet_sprite_count> all_sheet_keys = make_sheet_keys();

constexpr std::array<NamedSprite, named_sprite_count> all_named_sprites{{
    {"digger", {K::DiggerFront, 0}},  {"digger2", {K::DiggerFront, 1}}, {"dirt", {K::Dirt}},
    {"brick", {K::Brick}},            {"steel", {K::Steel}},            {"boulder", {K::Boulder}},
    {"crystal", {K::Crystal, 0}},     {"hatch-shut", {K::HatchShut}},   {"hatch-open", {K::HatchOpen, 2}},
    {"mite", {K::Mite, 0}},           {"wisp", {K::Wisp, 2}},           {"blast", {K::Blast, 1}},
    {"star", {K::Star, 0}},           {"nut", {K::Nut}},                {"bomb", {K::Bomb}},
    {"dynamite", {K::Dynamite}},      {"fuse", {K::Fuse, 0}},           {"key-red", {K::Key, 0}},
    {"key-green", {K::Key, 1}},       {"key-yellow", {K::Key, 2}},      {"door-red", {K::Door, 0}},
    {"door-green", {K::Door, 1}},     {"door-yellow", {K::Door, 2}},    {"shifter", {K::Shifter, 1}},
    {"moss", {K::Moss, 0}},           {"gobbler", {K::Gobbler, 0}},     {"bigbomb", {K::Bigbomb}},
    {"ooze", {K::Ooze, 1}},           {"drop", {K::Drop}},              {"timed-shifter", {K::TimedShifter, 2}},
    {"gem-wall", {K::GemWall}},       {"lamp-off", {K::Lamp, 0}},       {"lamp-on", {K::Lamp, 1}},
    {"robot", {K::Robot, 0}},         {"wheel", {K::Wheel, 1}},         {"hidden", {K::Hidden}},
    {"switch", {K::Switch}},          {"acid", {K::Acid, 0}},
}};

bool has_picture(SpriteKey key) {
  return std::find(all_sheet_keys.begin(), all_sheet_keys.end(), key) != all_sheet_keys.end();
}

}  // namespace

const std::array<NamedSprite, named_sprite_count>& named_sprites() { return all_named_sprites; }

const std::array<SpriteKey, sheet_sprite_count>& sheet_keys() { return all_sheet_keys; }

Sprite build_sprite(SpriteKey key) {
  if (!has_picture(key)) fatal("no picture for key");
  const std::uint8_t sub = key.sub;
  switch (key.kind) {
    case K::DiggerFront:
    case K::DiggerBack:
    case K::DiggerLeft:
    case K::DiggerRight: return pictures::digger(key.kind, sub, (key.extra & 1) != 0);
    case K::Floor: return pictures::floor();
    case K::Dirt: return pictures::dirt();
    case K::Brick: return pictures::brick();
    case K::Steel: return pictures::steel();
    case K::Boulder: return pictures::boulder();
    case K::Crystal: return pictures::crystal(sub);
    case K::HatchShut: return pictures::hatch_shut();
    case K::HatchOpen: return pictures::hatch_open(sub);
    case K::Mite: return pictures::mite(sub);
    case K::Wisp: return pictures::wisp(sub);
    case K::Blast: return pictures::blast(sub);
    case K::Star: return pictures::star(sub);
    case K::Nut: return pictures::nut();
    case K::Bomb: return pictures::bomb(false);
    case K::Dynamite: return pictures::dynamite();
    case K::Fuse: return pictures::fuse(sub);
    case K::Key: return pictures::key(sub);
    case K::Door: return pictures::door(sub);
    case K::Shifter: return pictures::shifter(sub);
    case K::Moss: return pictures::moss(sub);
    case K::Gobbler: return pictures::gobbler(sub);
    case K::Bigbomb: return pictures::bomb(true);
    case K::Ooze: return pictures::ooze(sub);
    case K::Drop: return pictures::drop();
    case K::TimedShifter: return pictures::timed_shifter(sub);
    case K::TimedShifterOff: return pictures::timed_shifter_off();
    case K::GemWall: return pictures::gem_wall();
    case K::Lamp: return pictures::lamp(sub != 0);
    case K::Robot: return pictures::robot(sub);
    case K::Wheel: return pictures::wheel(sub);
    case K::Hidden: return pictures::hidden();
    case K::Switch: return pictures::switch_plate();
    case K::Acid: return pictures::acid(sub);
  }
  fatal("no picture for key");
}

SpriteSheet SpriteSheet::build() {
  SpriteSheet sheet;
  sheet.entries_.reserve(sheet_sprite_count);
  for (const SpriteKey& key : all_sheet_keys) {
    sheet.index_.emplace(key, sheet.entries_.size());
    sheet.entries_.push_back({key, build_sprite(key)});
  }
  return sheet;
}

const Sprite& SpriteSheet::sprite(SpriteKey key) const {
  const auto found = index_.find(key);
  if (found == index_.end()) fatal("no entry found for key");
  return entries_[found->second].sprite;
}

}  // namespace korvedan
