// What the game tells the synthesiser each frame: the music flag and the effects of the frame's events.
#pragma once

#include <atomic>
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

// After the session's ticks of a frame: the music flag as the music_off setting says, then one
// effect per event in the frame's order.
void dispatch_sound(bool music_off, std::span<const CaveEvent> events, std::atomic<std::uint8_t>& music_on,
                    EffectChannel& effects);

}  // namespace korvedan
