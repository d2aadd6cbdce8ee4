// The whole sheet: its order, its names, and the rules every picture keeps.
#include "art/sprite_sheet.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "art/picture_math.hpp"

namespace korvedan {
namespace {

using K = SpriteKind;

bool any_transparent(const Sprite& s) {
  for (const auto& p : s.pixels) {
    if (!p) return true;
  }
  return false;
}

bool contains(const Sprite& s, Rgb colour) {
  for (const auto& p : s.pixels) {
    if (p == colour) return true;
  }
  return false;
}

TEST(SpriteSheet, HoldsEightyNineDistinctSpritesInBuildOrder) {
  const SpriteSheet sheet = SpriteSheet::build();
  const auto& entries = sheet.entries();
  ASSERT_EQ(entries.size(), 89u);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].key, sheet_keys()[i]);
    EXPECT_EQ(entries[i].sprite.width, 16u);
    EXPECT_EQ(entries[i].sprite.height, 16u);
    EXPECT_EQ(entries[i].sprite.pixels.size(), 256u);
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(entries[i].key, entries[j].key) << i << " " << j;
  }
  EXPECT_EQ(entries[0].key, (SpriteKey{K::Floor}));
  EXPECT_EQ(entries[5].key, (SpriteKey{K::HatchShut}));
  EXPECT_EQ(entries[6].key, (SpriteKey{K::Crystal, 0}));
  EXPECT_EQ(entries[11].key, (SpriteKey{K::Crystal, 5}));
  EXPECT_EQ(entries[12].key, digger_key(K::DiggerFront, 0, 0));
  EXPECT_EQ(entries[13].key, digger_key(K::DiggerFront, 0, 1));
  EXPECT_EQ(entries[14].key, digger_key(K::DiggerBack, 0, 0));
  EXPECT_EQ(entries[20].key, digger_key(K::DiggerFront, 1, 0));
  EXPECT_EQ(entries[27].key, digger_key(K::DiggerRight, 1, 1));
  EXPECT_EQ(entries[28].key, (SpriteKey{K::HatchOpen, 0}));
  EXPECT_EQ(entries[48].key, (SpriteKey{K::Nut}));
  EXPECT_EQ(entries[77].key, (SpriteKey{K::Lamp, 0}));
  EXPECT_EQ(entries[88].key, (SpriteKey{K::Acid, 1}));
}

TEST(SpriteSheet, TwoBuildsAreIdentical) {
  const SpriteSheet a = SpriteSheet::build();
  const SpriteSheet b = SpriteSheet::build();
  for (std::size_t i = 0; i < a.entries().size(); ++i) {
    EXPECT_EQ(a.entries()[i].sprite, b.entries()[i].sprite) << i;
    EXPECT_EQ(a.entries()[i].sprite, build_sprite(a.entries()[i].key)) << i;
  }
}

TEST(SpriteSheet, NamesAreUniqueAndStandForSheetKeys) {
  const SpriteSheet sheet = SpriteSheet::build();
  ASSERT_EQ(named_sprites().size(), 38u);
  std::set<std::string_view> names;
  for (const NamedSprite& n : named_sprites()) {
    EXPECT_TRUE(names.insert(n.name).second) << n.name;
    EXPECT_EQ(sheet.sprite(n.key), build_sprite(n.key)) << n.name;
    EXPECT_EQ(n.key.extra, 0) << n.name;
    for (char c : n.name) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') << n.name;
  }
  EXPECT_EQ(named_sprites().front().name, "digger");
  EXPECT_EQ(named_sprites()[8].name, "hatch-open");
  EXPECT_EQ(named_sprites()[8].key, (SpriteKey{K::HatchOpen, 2}));
  EXPECT_EQ(named_sprites()[29].name, "timed-shifter");
  EXPECT_EQ(named_sprites()[29].key, (SpriteKey{K::TimedShifter, 2}));
  EXPECT_EQ(named_sprites().back().name, "acid");
}

TEST(SpriteSheet, LeftDiggerIsTheMirrorOfTheRightOne) {
  const SpriteSheet sheet = SpriteSheet::build();
  for (std::uint8_t player = 0; player < 2; ++player) {
    for (std::uint8_t frame = 0; frame < 2; ++frame) {
      const Sprite& left = sheet.sprite(digger_key(K::DiggerLeft, player, frame));
      const Sprite& right = sheet.sprite(digger_key(K::DiggerRight, player, frame));
      EXPECT_EQ(left, right.mirrored());
      EXPECT_NE(left, right);
    }
  }
}

TEST(SpriteSheet, WalkingChangesOnlyTheLegs) {
  for (K pose : {K::DiggerFront, K::DiggerBack, K::DiggerLeft, K::DiggerRight}) {
    const Sprite still = build_sprite(digger_key(pose, 0, 0));
    const Sprite walking = build_sprite(digger_key(pose, 0, 1));
    EXPECT_NE(still, walking);
    for (std::uint32_t y = 0; y < 13; ++y) {
      for (std::uint32_t x = 0; x < 16; ++x) EXPECT_EQ(still.at(x, y), walking.at(x, y));
    }
  }
}

TEST(SpriteSheet, BackViewShowsNoLampFaceOrPocket) {
  const Sprite front = build_sprite(digger_key(K::DiggerFront, 0, 0));
  const Sprite back = build_sprite(digger_key(K::DiggerBack, 0, 0));
  for (Rgb face : {Rgb{255, 255, 236}, Rgb{36, 24, 44}, Rgb{170, 80, 70}, Rgb{160, 62, 28}}) {
    EXPECT_TRUE(contains(front, face));
    EXPECT_FALSE(contains(back, face));
  }
  EXPECT_EQ(back.at(7, 2), (Rgb{250, 204, 48}));  // the lamp's place takes the helmet colour
  EXPECT_EQ(back.at(5, 6), (Rgb{246, 196, 150}));  // an eye's place takes the skin colour
  // The second player differs in helmet and overalls only.
  const Sprite second = build_sprite(digger_key(K::DiggerFront, 1, 0));
  EXPECT_EQ(second.at(5, 1), (Rgb{236, 238, 248}));
  EXPECT_EQ(second.at(4, 9), (Rgb{58, 124, 232}));
  EXPECT_EQ(second.at(5, 6), front.at(5, 6));
}

TEST(SpriteSheet, TransparencyWhereThePicturesHaveIt) {
  const SpriteSheet sheet = SpriteSheet::build();
  for (const auto& entry : sheet.entries()) {
    const K kind = entry.key.kind;
    if (is_digger(kind) || kind == K::Mite || kind == K::Key || kind == K::Gobbler) {
      EXPECT_FALSE(entry.sprite.at(0, 0).has_value()) << static_cast<int>(kind);
    }
    if (kind == K::Floor || kind == K::Dirt || kind == K::Brick || kind == K::Steel || kind == K::Moss ||
        kind == K::Shifter || kind == K::TimedShifter || kind == K::HatchShut || kind == K::Hidden) {
      EXPECT_FALSE(any_transparent(entry.sprite)) << static_cast<int>(kind);
    }
  }
}

TEST(SpriteSheetDeathTest, ShortPictureRowsStop) {
  // Every text picture in the sheet is whole; the check guards the built-in rows.
  EXPECT_DEATH(
      {
        PictureRows rows{};
        rows.fill("................");
        rows[4] = "....";
        text_sprite(rows, [](char) { return Rgb{}; });
      },
      "picture rows are 16 characters");
}

}  // namespace
}  // namespace korvedan
