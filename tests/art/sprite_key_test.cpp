// Sprite keys: which bytes count for which kinds, hashing that agrees, and lookups in the sheet.
#include "art/sprite_key.hpp"

#include <gtest/gtest.h>

#include "art/sprite_sheet.hpp"

namespace korvedan {
namespace {

using K = SpriteKind;

TEST(SpriteKey, KindsWithASubValueCompareItAndIgnoreExtra) {
  EXPECT_EQ((SpriteKey{K::Crystal, 4, 9}), (SpriteKey{K::Crystal, 4, 0}));
  EXPECT_NE((SpriteKey{K::Crystal, 4, 0}), (SpriteKey{K::Crystal, 5, 0}));
  EXPECT_NE((SpriteKey{K::Key, 0}), (SpriteKey{K::Door, 0}));
  EXPECT_EQ((SpriteKey{K::Lamp, 1, 200}), (SpriteKey{K::Lamp, 1, 0}));
}

TEST(SpriteKey, KindsWithoutASubValueIgnoreBothBytes) {
  EXPECT_EQ((SpriteKey{K::Dirt, 7, 0}), (SpriteKey{K::Dirt, 0, 0}));
  EXPECT_EQ((SpriteKey{K::Dirt, 7, 3}), (SpriteKey{K::Dirt, 1, 9}));
  EXPECT_EQ((SpriteKey{static_cast<K>(10), 1, 2}), (SpriteKey{static_cast<K>(10), 3, 4}));
  EXPECT_NE((SpriteKey{K::Dirt}), (SpriteKey{K::Brick}));
}

TEST(SpriteKey, DiggersCompareEveryByte) {
  EXPECT_EQ(digger_key(K::DiggerLeft, 1, 1), digger_key(K::DiggerLeft, 1, 1));
  EXPECT_NE(digger_key(K::DiggerLeft, 1, 1), digger_key(K::DiggerLeft, 1, 0));
  EXPECT_NE(digger_key(K::DiggerLeft, 1, 1), digger_key(K::DiggerLeft, 0, 1));
  EXPECT_NE(digger_key(K::DiggerLeft, 0, 0), digger_key(K::DiggerRight, 0, 0));
  EXPECT_NE(digger_key(K::DiggerFront, 0, 0), digger_key(K::DiggerFront, 0, 2));
}

TEST(SpriteKey, EqualKeysHashAlike) {
  std::hash<SpriteKey> hash;
  for (int kind = 0; kind < 40; ++kind) {
    for (int sub = 0; sub < 256; sub += 37) {
      for (int extra = 0; extra < 256; extra += 51) {
        const SpriteKey a{static_cast<K>(kind), static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(extra)};
        const SpriteKey b{static_cast<K>(kind), static_cast<std::uint8_t>((sub * 7) & 255), 0};
        if (a == b) {
          EXPECT_EQ(hash(a), hash(b)) << kind << " " << sub << " " << extra;
        }
      }
    }
  }
}

// The kinds that use their sub byte are exactly those with more than one picture in the sheet.
TEST(SpriteKey, UsesSubMatchesTheSheet) {
  for (int kind = 4; kind < 40; ++kind) {
    int pictures = 0;
    for (const SpriteKey& key : sheet_keys()) pictures += static_cast<int>(key.kind) == kind;
    EXPECT_EQ(uses_sub(static_cast<K>(kind)), pictures > 1) << kind;
  }
}

TEST(SpriteSheet, LookupIgnoresBytesTheKindDoesNotUse) {
  const SpriteSheet sheet = SpriteSheet::build();
  EXPECT_EQ(&sheet.sprite({K::Crystal, 4, 9}), &sheet.sprite({K::Crystal, 4, 0}));
  EXPECT_EQ(&sheet.sprite({K::Dirt, 7}), &sheet.sprite({K::Dirt}));
  EXPECT_EQ(sheet.sprite({K::Dirt, 7}), build_sprite({K::Dirt}));
  EXPECT_NE(&sheet.sprite({K::Crystal, 4}), &sheet.sprite({K::Crystal, 5}));
}

TEST(SpriteSheetDeathTest, MissingKeysStopTheProgram) {
  const SpriteSheet sheet = SpriteSheet::build();
  EXPECT_DEATH(sheet.sprite({K::Crystal, 6}), "no entry found for key");
  EXPECT_DEATH(sheet.sprite({static_cast<K>(10)}), "no entry found for key");
  EXPECT_DEATH(sheet.sprite(digger_key(K::DiggerFront, 2, 0)), "no entry found for key");
  EXPECT_DEATH(sheet.sprite(digger_key(K::DiggerFront, 0, 2)), "no entry found for key");
  EXPECT_DEATH(build_sprite({K::Wisp, 4}), "no picture for key");
}

}  // namespace
}  // namespace korvedan
