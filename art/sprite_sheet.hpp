// Every sprite of the cave world, built once at start-up and looked up by key.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "art/canvas.hpp"
#include "art/sprite_key.hpp"

namespace korvedan {

inline constexpr std::size_t sheet_sprite_count = 89;
inline constexpr std::size_t named_sprite_count = 38;

struct NamedSprite {
  std::string_view name;  // lower case with hyphens, e.g. "hatch-shut"
  SpriteKey key;
};

// The sprites that have names, in the order of the name list (the sprite export's order).
const std::array<NamedSprite, named_sprite_count>& named_sprites();

// The keys the sheet holds, in the order it builds them.
const std::array<SpriteKey, sheet_sprite_count>& sheet_keys();

// Makes one sprite. Only the sheet's keys have pictures; any other stops the program.
Sprite build_sprite(SpriteKey key);

class SpriteSheet {
 public:
  struct Entry {
    SpriteKey key;
    Sprite sprite;
  };

  static SpriteSheet build();

  // Bytes the key's kind does not use are ignored; a key the sheet lacks stops the program.
  const Sprite& sprite(SpriteKey key) const;

  // All sprites in build order.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_map<SpriteKey, std::size_t> index_;
};

}  // namespace korvedan
