// The cave event to sound effect table and the per-frame dispatch.
#include "game/session/sound_dispatch.hpp"

#include <array>

namespace korvedan {

namespace {

using E = SoundEffect;
constexpr std::optional<SoundEffect> none = std::nullopt;

// Indexed by event code.
constexpr std::array<std::optional<SoundEffect>, cave_event_count> effect_table{
    E::Dig,         E::Chime,       E::Push,        E::Thud,        E::Boom,        E::HatchJingle,
    E::HatchJingle, E::WonFanfare,  E::LostWail,    none,           E::FallWhistle, E::StepTick,
    E::WispWarble,  none,           E::Crack,       E::Crack,       E::SweepUp,     E::PickupRise,
    E::DoorBuzz,    E::PickupRise,  E::FuseHiss,    E::Gobble,      E::SweepUp,     E::Blip,
    E::PickupRise,  E::Crack,       E::SweepUp,     E::PickupRise,  E::Blip,
};

}  // namespace

std::optional<SoundEffect> effect_for_event(CaveEvent event) {
  const auto code = static_cast<std::size_t>(event);
  if (code >= effect_table.size()) return std::nullopt;
  return effect_table[code];
}

FrameEffects effects_for_events(std::span<const CaveEvent> events) {
  FrameEffects out;
  for (CaveEvent event : events) {
    if (out.count == out.list.size()) break;
    if (std::optional<SoundEffect> effect = effect_for_event(event)) out.list[out.count++] = *effect;
  }
  return out;
}

void dispatch_sound(bool music_on, std::span<const SoundEffect> frame_effects, std::atomic<std::uint8_t>& music_flag,
                    EffectChannel& effects) {
  music_flag.store(music_on ? 1 : 0, std::memory_order_relaxed);
  for (SoundEffect effect : frame_effects) effects.send(effect);
}

}  // namespace korvedan
