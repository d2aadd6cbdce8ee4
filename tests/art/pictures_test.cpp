// Generated pictures checked pixel by pixel against values worked out by hand from their rules.
#include <gtest/gtest.h>

#include "art/picture_math.hpp"
#include "art/sprite_sheet.hpp"

namespace korvedan {
namespace {

using K = SpriteKind;
using Pixel = std::optional<Rgb>;

Pixel at(SpriteKey key, std::uint32_t x, std::uint32_t y) { return build_sprite(key).at(x, y); }

TEST(PictureMath, PercentMixAndHash) {
  EXPECT_EQ(percent({200, 100, 50}, 150), (Rgb{255, 150, 75}));
  EXPECT_EQ(percent({146, 92, 48}, 82), (Rgb{119, 75, 39}));
  EXPECT_EQ(mix({10, 20, 30}, {110, 220, 130}, -1.0f), (Rgb{10, 20, 30}));
  EXPECT_EQ(mix({10, 20, 30}, {110, 220, 130}, 2.0f), (Rgb{110, 220, 130}));
  EXPECT_EQ(mix({0, 0, 0}, {255, 255, 255}, 0.5f), (Rgb{127, 127, 127}));
  EXPECT_EQ(mix({200, 0, 0}, {100, 0, 0}, 0.25f), (Rgb{175, 0, 0}));
  // h = 0xC2B2AE35; h ^= h >> 15; h × 0x2C1B3C6D; low byte of h ^ (h >> 12).
  EXPECT_EQ(picture_hash(0, 0, 1), 19u);
  EXPECT_EQ(picture_hash(5, 3, 2), 180u);
  EXPECT_EQ(picture_hash(3, 4, 5), 119u);
}

TEST(Pictures, FloorAndDirtFollowTheirHash) {
  EXPECT_EQ(at({K::Floor}, 0, 0), (Rgb{16, 12, 32}));  // hash 19: percent 115
  EXPECT_EQ(at({K::Floor}, 2, 0), (Rgb{14, 11, 28}));  // hash 107
  EXPECT_EQ(at({K::Floor}, 7, 5), (Rgb{30, 24, 54}));  // hash 3
  EXPECT_EQ(at({K::Dirt}, 0, 0), (Rgb{119, 75, 39}));  // hash 70: percent 82
  EXPECT_EQ(at({K::Dirt}, 1, 0), (Rgb{146, 92, 48}));  // hash 130
  EXPECT_EQ(at({K::Dirt}, 3, 0), (Rgb{163, 103, 53}));  // hash 89: percent 112
  EXPECT_EQ(at({K::Dirt}, 5, 1), (Rgb{206, 152, 92}));  // hash 4
}

TEST(Pictures, BrickCoursesAndShades) {
  constexpr Rgb mortar{52, 36, 62};
  EXPECT_EQ(at({K::Brick}, 5, 3), mortar);  // under every course
  EXPECT_EQ(at({K::Brick}, 7, 0), mortar);  // between bricks
  EXPECT_EQ(at({K::Brick}, 3, 4), mortar);  // the next course is shifted by 4
  EXPECT_EQ(at({K::Brick}, 1, 0), (Rgb{213, 104, 121}));  // top row: 114 + hash % 16 = 127
  EXPECT_EQ(at({K::Brick}, 1, 1), (Rgb{176, 86, 100}));   // 92 + 13
  EXPECT_EQ(at({K::Brick}, 9, 5), (Rgb{156, 76, 89}));    // 92 + 1
  EXPECT_EQ(at({K::Brick}, 7, 4), (Rgb{203, 99, 116}));   // 114 + 7
}

TEST(Pictures, SteelBevelsRivetsAndTheirShadows) {
  EXPECT_EQ(at({K::Steel}, 3, 3), (Rgb{176, 197, 251}));   // rivet, percent 170
  EXPECT_EQ(at({K::Steel}, 12, 12), (Rgb{176, 197, 251}));
  EXPECT_EQ(at({K::Steel}, 4, 4), (Rgb{57, 63, 81}));      // its shadow, percent 55
  EXPECT_EQ(at({K::Steel}, 13, 4), (Rgb{57, 63, 81}));
  EXPECT_EQ(at({K::Steel}, 15, 0), (Rgb{156, 174, 222}));  // the lit edge wins the corners
  EXPECT_EQ(at({K::Steel}, 0, 15), (Rgb{156, 174, 222}));
  EXPECT_EQ(at({K::Steel}, 15, 15), (Rgb{49, 55, 71}));    // percent 48
  EXPECT_EQ(at({K::Steel}, 6, 7), (Rgb{99, 111, 142}));    // 94 + hash % 12 = 96
}

TEST(Pictures, BoulderOutlineLightAndPits) {
  EXPECT_FALSE(at({K::Boulder}, 0, 0));
  EXPECT_EQ(at({K::Boulder}, 7, 0), (Rgb{38, 34, 58}));      // r = 7.52
  EXPECT_EQ(at({K::Boulder}, 1, 7), (Rgb{198, 192, 214}));   // r = 6.52 is inside; X + Y = −7: full light
  EXPECT_EQ(at({K::Boulder}, 7, 8), (Rgb{138, 132, 162}));   // X + Y = 0: halfway
  EXPECT_EQ(at({K::Boulder}, 10, 10), (Rgb{78, 72, 110}));   // X + Y = 5: full shade
  EXPECT_EQ(at({K::Boulder}, 5, 5), (Rgb{146, 142, 158}));   // a pit: percent 74 of the light
}

TEST(Pictures, CrystalBandsAndSparkle) {
  const SpriteKey plain{K::Crystal, 4};
  EXPECT_EQ(at(plain, 6, 5), (Rgb{190, 255, 240}));   // Y = −2.5: above the middle band
  EXPECT_EQ(at(plain, 6, 6), (Rgb{64, 214, 196}));    // Y = −1.5 is in the middle band
  EXPECT_EQ(at(plain, 6, 10), (Rgb{64, 214, 196}));   // Y = 2.5 too
  EXPECT_EQ(at(plain, 6, 11), (Rgb{28, 150, 150}));
  EXPECT_EQ(at(plain, 9, 5), (Rgb{96, 232, 208}));
  EXPECT_EQ(at(plain, 9, 8), (Rgb{40, 176, 170}));
  EXPECT_EQ(at(plain, 9, 11), (Rgb{16, 108, 122}));
  EXPECT_EQ(at(plain, 2, 7), (Rgb{10, 70, 84}));      // |X| = 5.5: outline
  EXPECT_FALSE(at(plain, 1, 7));                      // |X| = 6.5
  EXPECT_EQ(at(plain, 5, 3), (Rgb{10, 70, 84}));
  // Frame 0's glint at (−2, −4) covers x 5–6, y 3–4, the outline at (5, 3) included.
  for (auto [x, y] : {std::pair{5u, 3u}, {6u, 3u}, {5u, 4u}, {6u, 4u}}) {
    EXPECT_EQ(at({K::Crystal, 0}, x, y), (Rgb{255, 255, 255})) << x << "," << y;
  }
  EXPECT_EQ(at({K::Crystal, 0}, 7, 4), at(plain, 7, 4));
  EXPECT_EQ(at({K::Crystal, 3}, 9, 9), (Rgb{255, 255, 255}));  // (2, 2)
  EXPECT_EQ(build_sprite({K::Crystal, 4}), build_sprite({K::Crystal, 5}));
}

TEST(Pictures, SparklesNeverReachTransparentPixels) {
  for (K kind : {K::Crystal, K::Star}) {
    const Sprite none = build_sprite({kind, 4});
    for (std::uint8_t frame = 0; frame < 6; ++frame) {
      const Sprite s = build_sprite({kind, frame});
      int changed = 0;
      for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(s.pixels[i].has_value(), none.pixels[i].has_value());
        if (s.pixels[i] != none.pixels[i]) {
          EXPECT_EQ(s.pixels[i], (Rgb{255, 255, 255}));
          ++changed;
        }
      }
      EXPECT_LE(changed, 4);
    }
  }
}

TEST(Pictures, StarLayers) {
  EXPECT_FALSE(at({K::Star, 3}, 0, 0));
  EXPECT_FALSE(at({K::Star, 3}, 7, 0));                     // |X| + |Y| = 8
  EXPECT_EQ(at({K::Star, 3}, 7, 1), (Rgb{120, 84, 20}));    // the top point's outline
  EXPECT_EQ(at({K::Star, 3}, 7, 7), (Rgb{255, 252, 220}));  // the pale middle
  EXPECT_EQ(at({K::Star, 3}, 5, 4), (Rgb{255, 226, 110}));  // upper left
  EXPECT_EQ(at({K::Star, 3}, 10, 11), (Rgb{236, 170, 48}));
  EXPECT_EQ(at({K::Star, 0}, 5, 4), (Rgb{255, 255, 255}));  // frame 0's glint at (−2, −3)
  EXPECT_EQ(at({K::Star, 5}, 6, 10), (Rgb{255, 255, 255}));  // frame 5's at (−1, 2)
}

TEST(Pictures, WheelSpokesTurnWithRotation) {
  constexpr Rgb spoke{230, 180, 60}, gap{50, 40, 60};
  EXPECT_FALSE(at({K::Wheel, 0}, 0, 0));
  EXPECT_EQ(at({K::Wheel, 0}, 7, 7), (Rgb{255, 230, 120}));  // hub
  EXPECT_EQ(at({K::Wheel, 0}, 14, 7), (Rgb{200, 150, 40}));  // rim, r = 6.52
  EXPECT_EQ(at({K::Wheel, 0}, 11, 7), spoke);                // q = 0.91
  EXPECT_EQ(at({K::Wheel, 0}, 11, 11), gap);                 // the diagonal, q = 0.5
  EXPECT_EQ(at({K::Wheel, 1}, 7, 11), gap);                  // q = 0.34
  EXPECT_EQ(at({K::Wheel, 2}, 11, 11), spoke);               // a quarter turn later the diagonal is a spoke
  EXPECT_EQ(at({K::Wheel, 3}, 7, 11), spoke);                // q = 0.84
  EXPECT_EQ(at({K::Wheel, 3}, 11, 7), gap);                  // q = 0.66, from a negative angle
}

TEST(Pictures, HatchFrameSlatsAndGlow) {
  EXPECT_EQ(at({K::HatchShut}, 0, 15), (Rgb{129, 144, 189}));  // lit left edge, percent 150
  EXPECT_EQ(at({K::HatchShut}, 15, 15), (Rgb{43, 48, 63}));    // shaded edge, percent 50
  EXPECT_EQ(at({K::HatchShut}, 1, 1), (Rgb{86, 96, 126}));
  EXPECT_EQ(at({K::HatchShut}, 2, 5), (Rgb{38, 43, 56}));      // percent 45
  EXPECT_EQ(at({K::HatchShut}, 5, 6), (Rgb{66, 62, 88}));      // slat row
  EXPECT_EQ(at({K::HatchShut}, 5, 7), (Rgb{34, 30, 52}));
  EXPECT_EQ(at({K::HatchOpen, 0}, 7, 7), (Rgb{255, 252, 200}));  // cream at the centre
  EXPECT_EQ(at({K::HatchOpen, 0}, 3, 3), (Rgb{230, 120, 20}));   // r = 6.36 > 6.25: all orange
  EXPECT_NE(at({K::HatchOpen, 2}, 3, 3), (Rgb{230, 120, 20}));   // the glow has swollen
  EXPECT_EQ(build_sprite({K::HatchOpen, 1}), build_sprite({K::HatchOpen, 3}));
}

TEST(Pictures, DynamiteFuseKeyAndDoor) {
  EXPECT_EQ(at({K::Dynamite}, 8, 3), (Rgb{200, 190, 160}));   // wick
  EXPECT_EQ(at({K::Dynamite}, 6, 7), (Rgb{70, 16, 24}));      // gap, x mod 4 = 2
  EXPECT_EQ(at({K::Dynamite}, 3, 9), (Rgb{230, 220, 190}));   // band
  EXPECT_EQ(at({K::Dynamite}, 3, 6), (Rgb{236, 84, 70}));
  EXPECT_EQ(at({K::Dynamite}, 4, 6), (Rgb{206, 48, 52}));
  EXPECT_EQ(at({K::Dynamite}, 5, 14), (Rgb{150, 30, 44}));
  EXPECT_FALSE(at({K::Dynamite}, 2, 7));
  EXPECT_FALSE(at({K::Dynamite}, 3, 15));
  EXPECT_FALSE(at({K::Dynamite}, 8, 1));
  EXPECT_EQ(at({K::Fuse, 0}, 8, 1), (Rgb{255, 170, 40}));  // 0 + 8 + 1 is odd
  EXPECT_EQ(at({K::Fuse, 0}, 8, 0), (Rgb{255, 255, 220}));
  EXPECT_EQ(at({K::Fuse, 1}, 8, 2), (Rgb{255, 170, 40}));  // over the wick
  EXPECT_EQ(at({K::Fuse, 1}, 6, 1), (Rgb{255, 255, 220}));
  EXPECT_EQ(at({K::Key, 0}, 4, 3), (Rgb{236, 76, 76}));
  EXPECT_EQ(at({K::Key, 0}, 8, 3), (Rgb{146, 47, 47}));  // percent 62
  EXPECT_EQ(at({K::Key, 0}, 4, 2), (Rgb{70, 22, 22}));   // percent 30
  EXPECT_EQ(at({K::Key, 1}, 4, 3), (Rgb{84, 206, 116}));
  EXPECT_EQ(at({K::Door, 0}, 0, 5), (Rgb{40, 34, 60}));
  EXPECT_EQ(at({K::Door, 0}, 1, 5), (Rgb{110, 116, 146}));
  EXPECT_EQ(at({K::Door, 0}, 7, 6), (Rgb{20, 16, 34}));   // keyhole
  EXPECT_EQ(at({K::Door, 0}, 8, 10), (Rgb{20, 16, 34}));  // its slot
  EXPECT_EQ(at({K::Door, 0}, 4, 8), (Rgb{146, 47, 47}));  // plank gap, percent 62
  EXPECT_EQ(at({K::Door, 0}, 5, 2), (Rgb{255, 85, 85}));  // upper part, percent 112 capped
  EXPECT_EQ(at({K::Door, 2}, 5, 12), (Rgb{209, 175, 51}));  // lower part, percent 86
}

TEST(Pictures, ShiftingWallsBandUsesTheNonNegativeRemainder) {
  EXPECT_EQ(at({K::Shifter, 0}, 0, 0), (Rgb{200, 226, 255}));
  EXPECT_EQ(at({K::Shifter, 1}, 0, 4), (Rgb{200, 226, 255}));
  EXPECT_EQ(at({K::Shifter, 1}, 0, 6), (Rgb{90, 120, 255}));   // q = 2: percent 125
  EXPECT_EQ(at({K::Shifter, 3}, 0, 0), (Rgb{90, 120, 255}));   // (0 − 12) mod 16 = 4
  EXPECT_EQ(at({K::Shifter, 3}, 0, 12), (Rgb{200, 226, 255}));
  EXPECT_EQ(at({K::Shifter, 0}, 0, 3), (Rgb{24, 22, 70}));
  EXPECT_EQ(at({K::TimedShifter, 1}, 0, 4), (Rgb{250, 220, 255}));
  EXPECT_EQ(at({K::TimedShifter, 3}, 0, 12), (Rgb{250, 220, 255}));
  EXPECT_NE(at({K::TimedShifter, 3}, 0, 0), (Rgb{250, 220, 255}));
  for (const auto& p : build_sprite({K::TimedShifter, 0}).pixels) EXPECT_NE(p, (Rgb{250, 220, 255}));
  EXPECT_EQ(at({K::TimedShifterOff}, 0, 3), (Rgb{34, 18, 60}));
}

TEST(Pictures, SlimeLampRobotAndSwitch) {
  for (std::uint32_t x = 0; x < 16; ++x) {
    EXPECT_FALSE(at({K::Acid, 0}, x, 2));
    EXPECT_EQ(at({K::Acid, 0}, x, (x / 2) % 3 == 0 ? 4 : 3), (Rgb{220, 255, 150})) << x;
    EXPECT_EQ(at({K::Ooze, 0}, x, 0).has_value(), true);
    EXPECT_FALSE(at({K::Drop}, x, 3));
    EXPECT_FALSE(at({K::Drop}, x, 13));
  }
  EXPECT_EQ(at({K::Drop}, 7, 5), (Rgb{60, 110, 24}));    // the point: half-width 0.725
  EXPECT_FALSE(at({K::Drop}, 6, 5));
  EXPECT_EQ(at({K::Drop}, 6, 12), (Rgb{60, 110, 24}));   // the rounded bottom's outline
  EXPECT_EQ(at({K::Drop}, 6, 9), (Rgb{224, 252, 130}));  // highlight: X < 0, Y' < 1
  EXPECT_EQ(at({K::Drop}, 6, 11), (Rgb{150, 214, 50}));  // Y' = 1.5: below the highlight
  EXPECT_EQ(at({K::Drop}, 8, 10), (Rgb{150, 214, 50}));
  EXPECT_EQ(at({K::Lamp, 0}, 5, 12), (Rgb{70, 74, 100}));  // socket, even row
  EXPECT_EQ(at({K::Lamp, 1}, 5, 13), (Rgb{110, 116, 146}));
  EXPECT_EQ(at({K::Lamp, 1}, 7, 6), (Rgb{255, 246, 203}));  // R = 0.71: mix at 0.154
  EXPECT_EQ(at({K::Lamp, 0}, 7, 6), (Rgb{110, 114, 140}));
  EXPECT_FALSE(at({K::Lamp, 0}, 1, 6));  // no halo when dark
  EXPECT_EQ(at({K::Lamp, 1}, 1, 5), (Rgb{255, 240, 150}));  // R = 6.67, x + y even
  EXPECT_FALSE(at({K::Lamp, 1}, 1, 6));                      // x + y odd
  EXPECT_EQ(at({K::Robot, 0}, 4, 13), (Rgb{70, 74, 100}));
  EXPECT_FALSE(at({K::Robot, 1}, 4, 13));
  EXPECT_EQ(at({K::Robot, 1}, 6, 14), (Rgb{70, 74, 100}));
  EXPECT_EQ(at({K::Robot, 0}, 7, 2), (Rgb{200, 204, 220}));
  EXPECT_EQ(at({K::Robot, 0}, 5, 5), (Rgb{255, 60, 50}));
  EXPECT_EQ(at({K::Switch}, 2, 7), (Rgb{40, 44, 66}));
  EXPECT_EQ(at({K::Switch}, 7, 10), (Rgb{255, 236, 120}));
  EXPECT_EQ(at({K::Switch}, 4, 12), (Rgb{96, 104, 136}));
  EXPECT_FALSE(at({K::Switch}, 1, 1));
}

}  // namespace
}  // namespace korvedan
