// The makers of each sprite picture, one per kind; the sheet puts them together.
#pragma once

#include <cstdint>

#include "art/canvas.hpp"
#include "art/sprite_key.hpp"

namespace korvedan::pictures {

// The key, door and their colour numbers: 0 red, 1 green, 2 yellow.
Rgb key_colour(std::uint8_t colour);

Sprite digger(SpriteKind pose, std::uint8_t player, bool walking);
Sprite mite(std::uint8_t frame);
Sprite gobbler(std::uint8_t frame);
Sprite wisp(std::uint8_t frame);
Sprite blast(std::uint8_t stage);
Sprite robot(std::uint8_t frame);

Sprite floor();
Sprite dirt();
Sprite brick();
Sprite steel();
Sprite shifter(std::uint8_t phase);
Sprite timed_shifter(std::uint8_t phase);
Sprite timed_shifter_off();
Sprite gem_wall();
Sprite hidden();

Sprite boulder();
Sprite crystal(std::uint8_t frame);
Sprite star(std::uint8_t frame);
Sprite nut();
Sprite bomb(bool big);
Sprite dynamite();
Sprite fuse(std::uint8_t blink);
Sprite key(std::uint8_t colour);

Sprite hatch_shut();
Sprite hatch_open(std::uint8_t frame);
Sprite door(std::uint8_t colour);
Sprite lamp(bool lit);
Sprite wheel(std::uint8_t rotation);
Sprite switch_plate();

Sprite moss(std::uint8_t variant);
Sprite ooze(std::uint8_t variant);
Sprite drop();
Sprite acid(std::uint8_t variant);

}  // namespace korvedan::pictures
