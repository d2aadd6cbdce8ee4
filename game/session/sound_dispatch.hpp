// What the game tells the synthesiser each frame: the music flag and the effects of the frame's events.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/tick.hpp"
#include "sound/effect_channel.hpp"
#include "sound/sound_effect.hpp"

namespace korvedan {

// The effect a cave event sounds, if any (time running out and crushed creatures have none:
// the explosions that come with them sound).
std::optional<SoundEffect> effect_for_event(CaveEvent event);

// A frame's effects in order. A frame holds each event code at most once, so the list has a
// fixed room and a frame allocates nothing for it.
struct FrameEffects {
  std::array<SoundEffect, cave_event_count> list{};
  std::size_t count = 0;

  std::span<const SoundEffect> view() const { return {list.data(), count}; }
  bool operator==(const FrameEffects& other) const {
    return std::equal(view().begin(), view().end(), other.view().begin(), other.view().end());
  }
};

// One effect per sounding event, in the events' order (beyond the list's room nothing more).
FrameEffects effects_for_events(std::span<const CaveEvent> events);

// After a frame: the music flag, then the frame's effects in order.
void dispatch_sound(bool music_on, std::span<const SoundEffect> frame_effects, std::atomic<std::uint8_t>& music_flag,
                    EffectChannel& effects);

}  // namespace korvedan
