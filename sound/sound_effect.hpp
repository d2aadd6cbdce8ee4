// The effect numbers the game sends to the synthesiser; each is also the index of its voice.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvedan {

enum class SoundEffect : std::uint8_t {
  Dig = 0,
  Chime = 1,
  Push = 2,
  Thud = 3,
  Boom = 4,
  HatchJingle = 5,
  WonFanfare = 6,
  LostWail = 7,
  FallWhistle = 8,
  StepTick = 9,
  WispWarble = 10,
  Crack = 11,
  PickupRise = 12,
  DoorBuzz = 13,
  SweepUp = 14,
  Gobble = 15,
  FuseHiss = 16,
  Blip = 17,
};
inline constexpr int sound_effect_count = 18;

// How long each effect's voice sounds, in seconds of its own clock.
inline constexpr std::array<float, sound_effect_count> effect_lengths{
    0.07f, 0.17f, 0.09f, 0.2f, 1.0f,  0.42f, 1.1f, 0.75f, 0.13f,
    0.07f, 0.1f,  0.09f, 0.2f, 0.2f,  0.26f, 0.14f, 0.4f, 0.07f};

inline constexpr std::array<std::string_view, sound_effect_count> effect_names{
    "Dig",        "Chime",      "Push",      "Thud",     "Boom",    "HatchJingle",
    "WonFanfare", "LostWail",   "FallWhistle", "StepTick", "WispWarble", "Crack",
    "PickupRise", "DoorBuzz",   "SweepUp",   "Gobble",   "FuseHiss", "Blip"};

inline constexpr std::size_t effect_index(SoundEffect effect) { return static_cast<std::size_t>(effect); }
inline float effect_length(SoundEffect effect) { return effect_lengths[effect_index(effect)]; }
inline std::string_view effect_name(SoundEffect effect) { return effect_names[effect_index(effect)]; }

// An effect by its number 0 to 17; nothing for any other number.
inline std::optional<SoundEffect> effect_from_number(unsigned number) {
  if (number >= sound_effect_count) return std::nullopt;
  return static_cast<SoundEffect>(number);
}

}  // namespace korvedan
