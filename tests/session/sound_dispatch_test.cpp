// The frame's sound: which cave events sound which effect, and what one dispatch sends.
#include <gtest/gtest.h>

#include <vector>

#include "game/session/sound_dispatch.hpp"

namespace korvedan {
namespace {

std::vector<int> drain(EffectChannel& channel) {
  std::vector<int> got;
  channel.receive_all([&](SoundEffect e) { got.push_back(static_cast<int>(e)); });
  return got;
}

TEST(SoundDispatch, EveryEventsEffect) {
  // Effect number by event code; -1 where the event sounds nothing itself.
  const std::vector<int> expected{0,  1,  2,  3,  4,  5,  5,  6,  7,  -1, 8,  9,  10, -1, 11,
                                  11, 14, 12, 13, 12, 16, 15, 14, 17, 12, 11, 14, 12, 17};
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(cave_event_count));
  for (int code = 0; code < cave_event_count; ++code) {
    const std::optional<SoundEffect> effect = effect_for_event(static_cast<CaveEvent>(code));
    EXPECT_EQ(effect ? static_cast<int>(*effect) : -1, expected[static_cast<std::size_t>(code)]) << code;
  }
  EXPECT_EQ(effect_for_event(static_cast<CaveEvent>(29)), std::nullopt);
  EXPECT_EQ(effect_for_event(static_cast<CaveEvent>(255)), std::nullopt);
}

TEST(SoundDispatch, SendsTheFramesEffectsInOrderAndTheMusicFlag) {
  std::atomic<std::uint8_t> music_on{1};
  EffectChannel channel;
  const std::vector<CaveEvent> events{CaveEvent::Explosion, CaveEvent::TimeUp, CaveEvent::DirtDug,
                                      CaveEvent::Crushed, CaveEvent::DropGone};
  dispatch_sound(false, effects_for_events(events).view(), music_on, channel);
  EXPECT_EQ(music_on.load(), 0);
  EXPECT_EQ(drain(channel), (std::vector<int>{4, 0, 17}));

  dispatch_sound(true, {}, music_on, channel);
  EXPECT_EQ(music_on.load(), 1);
  EXPECT_TRUE(drain(channel).empty());

  // Time running out and a crushed creature send nothing themselves.
  const std::vector<CaveEvent> silent{CaveEvent::TimeUp, CaveEvent::Crushed};
  dispatch_sound(true, effects_for_events(silent).view(), music_on, channel);
  EXPECT_TRUE(drain(channel).empty());
}

}  // namespace
}  // namespace korvedan
