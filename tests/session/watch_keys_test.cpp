// The keys that start and steer a watched run, as collect() reports them.
#include <gtest/gtest.h>

#include "game/session/input.hpp"

namespace korvedan {
namespace {

FrameInput after(InputState& input, std::initializer_list<KeyCode> keys, const std::vector<PadState>& pads = {}) {
  for (KeyCode key : keys) input.on_key(key, true, false);
  return input.collect(1.0, pads, nullptr, {});
}

TEST(WatchKeys, VAndHAreTheirOwnKeysSpaceAndRightPauseAndSpeedUp) {
  InputState input;
  const FrameInput v = after(input, {KeyCode::KeyV});
  EXPECT_TRUE(v.watch_key);
  EXPECT_FALSE(v.show_key);
  EXPECT_TRUE(v.other_key) << "V ends a run being watched too";
  EXPECT_TRUE(after(input, {KeyCode::KeyH}).show_key);

  const FrameInput space = after(input, {KeyCode::Space});
  EXPECT_TRUE(space.space_key);
  EXPECT_TRUE(space.confirm);
  EXPECT_FALSE(space.other_key);
  const FrameInput right = after(input, {KeyCode::ArrowRight});
  EXPECT_TRUE(right.right_key);
  EXPECT_FALSE(right.other_key);
  input.on_key(KeyCode::ArrowRight, true, true);  // held down: no second press
  EXPECT_FALSE(input.collect(1.0, {}, nullptr, {}).right_key);

  const FrameInput enter = after(input, {KeyCode::Enter});
  EXPECT_TRUE(enter.confirm);
  EXPECT_FALSE(enter.space_key);
  EXPECT_TRUE(enter.other_key);
  EXPECT_TRUE(after(input, {KeyCode::KeyD}).other_key) << "player 2's Right is another key";
  EXPECT_TRUE(after(input, {KeyCode::Unidentified}).other_key) << "a key the game has no use for";
  EXPECT_FALSE(after(input, {}).other_key);
}

TEST(WatchKeys, AClickOrATapIsAnotherKeyAPadsButtonsKeepTheirMeaning) {
  InputState input;
  input.on_left_click();
  EXPECT_TRUE(input.collect(1.0, {}, nullptr, {}).other_key);
  input.on_touch(1, TouchPhase::Started, 10, 10, 1.0);
  input.on_touch(1, TouchPhase::Ended, 12, 10, 1.0);
  EXPECT_TRUE(input.collect(1.0, {}, nullptr, {}).other_key);

  PadState face = idle_pad;
  face.face = true;
  EXPECT_FALSE(after(input, {}, {face}).other_key);
  EXPECT_FALSE(after(input, {}, {PadState{Dir::Left, false, false, false, false}}).other_key);
}

}  // namespace
}  // namespace korvedan
