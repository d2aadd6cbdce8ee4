// Player input: the direction stacks, repeats, name typing, taps and swipes, focus loss, and
// the pads with their press edges, the slot limit and the Pro Controller counted once.
#include "game/session/input.hpp"
#include "game/session/session.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace korvedan {
namespace {

using ::testing::ElementsAre;

class FakeGamepads final : public GamepadSource {
 public:
  std::vector<GamepadEvent> events;
  std::vector<GamepadSnapshot> pads;
  std::vector<GamepadEvent> drain_events() override { return std::exchange(events, {}); }
  const std::vector<GamepadSnapshot>& gamepads() override { return pads; }
};

struct Fixture {
  InputState input;
  std::vector<std::string> log;
  // What the session takes from each frame: the name being typed and the pad counts.
  std::optional<std::string> name_edit;
  unsigned pads_in_use = 0, pro_pads_in_use = 0;

  FrameInput frame(double scale = 1.0, const std::vector<PadState>& pro = {}, GamepadSource* pads = nullptr) {
    const FrameInput in =
        input.collect(scale, pro, pads, [this](std::string_view line) { log.emplace_back(line); });
    if (name_edit) edit_name(*name_edit, in);
    pads_in_use = in.pads_in_use;
    pro_pads_in_use = in.pro_pads_in_use;
    return in;
  }
  void press(KeyCode key) { input.on_key(key, true, false); }
  void release(KeyCode key) { input.on_key(key, false, false); }
  void tap(KeyCode key) {
    press(key);
    release(key);
  }
};

GamepadSnapshot gamepad(std::string id) {
  GamepadSnapshot pad;
  pad.id = std::move(id);
  pad.name = "Some Pad";
  pad.vendor = 0x045E;
  pad.product = 0x028E;
  return pad;
}

TEST(KeyInput, TheLastHeldDirectionWinsAndTheOlderOneComesBack) {
  Fixture f;
  f.press(KeyCode::ArrowLeft);
  FrameInput first = f.frame();
  EXPECT_EQ(first.held_dir[0], Dir::Left);
  EXPECT_EQ(first.pressed_dir[0], Dir::Left);

  f.press(KeyCode::ArrowRight);
  FrameInput second = f.frame();
  EXPECT_EQ(second.held_dir[0], Dir::Right);
  EXPECT_EQ(second.pressed_dir[0], Dir::Right);

  f.release(KeyCode::ArrowRight);
  FrameInput third = f.frame();
  EXPECT_EQ(third.held_dir[0], Dir::Left);
  EXPECT_EQ(third.pressed_dir[0], Dir::None);  // coming back is no new press
  EXPECT_EQ(third.held_dir[1], Dir::None);
}

TEST(KeyInput, EachPlayerHasItsOwnKeysAndThePressedDirectionIsTheNewest) {
  Fixture f;
  f.press(KeyCode::ArrowUp);
  f.press(KeyCode::KeyD);
  f.press(KeyCode::ArrowDown);
  f.release(KeyCode::ArrowDown);  // pressed and let go within the frame: still its press
  const FrameInput in = f.frame();
  EXPECT_EQ(in.pressed_dir[0], Dir::Down);
  EXPECT_EQ(in.held_dir[0], Dir::Up);
  EXPECT_EQ(in.pressed_dir[1], Dir::Right);
  EXPECT_EQ(in.held_dir[1], Dir::Right);
}

TEST(KeyInput, CommandKeysAndKeySetsOfBothPlayers) {
  Fixture f;
  f.press(KeyCode::ShiftLeft);
  f.tap(KeyCode::KeyQ);
  f.tap(KeyCode::KeyR);
  f.tap(KeyCode::KeyP);
  f.tap(KeyCode::KeyM);
  f.tap(KeyCode::Tab);
  f.tap(KeyCode::F9);
  FrameInput in = f.frame();
  EXPECT_FALSE(in.grab_held[0]);
  EXPECT_TRUE(in.grab_held[1]);
  EXPECT_FALSE(in.fire_pressed[0]);
  EXPECT_TRUE(in.fire_pressed[1]);
  EXPECT_FALSE(in.confirm);
  EXPECT_TRUE(in.restart && in.pause && in.music && in.players_key && in.open_all_key);
  EXPECT_FALSE(in.back || in.name_key);

  f.release(KeyCode::ShiftLeft);
  f.press(KeyCode::ShiftRight);
  f.tap(KeyCode::NumpadEnter);
  f.tap(KeyCode::Escape);
  f.tap(KeyCode::KeyN);
  in = f.frame();
  EXPECT_TRUE(in.grab_held[0]);
  EXPECT_FALSE(in.grab_held[1]);
  EXPECT_TRUE(in.fire_pressed[0]);  // Enter fires for player 1 and confirms
  EXPECT_FALSE(in.fire_pressed[1]);
  EXPECT_TRUE(in.confirm && in.back && in.name_key);
  EXPECT_FALSE(in.restart || in.pause || in.music);

  // Control: player 1's right one fires without confirming, player 2's left one.
  f.tap(KeyCode::ControlRight);
  f.tap(KeyCode::ControlLeft);
  in = f.frame();
  EXPECT_TRUE(in.fire_pressed[0] && in.fire_pressed[1]);
  EXPECT_FALSE(in.confirm);
}

TEST(KeyInput, AnAutoRepeatNeitherPressesNorFiresAgainButTypesAgain) {
  Fixture f;
  f.name_edit = "";
  f.input.on_key(KeyCode::ArrowRight, true, false);
  f.input.on_key(KeyCode::Space, true, false);
  f.frame();
  f.input.on_key(KeyCode::ArrowRight, true, true);
  f.input.on_key(KeyCode::Space, true, true);
  f.input.on_key(KeyCode::Unidentified, true, false, "k");
  f.input.on_key(KeyCode::Unidentified, true, true, "k");
  const FrameInput in = f.frame();
  EXPECT_EQ(in.pressed_dir[0], Dir::None);
  EXPECT_EQ(in.held_dir[0], Dir::Right);
  EXPECT_FALSE(in.fire_pressed[0]);
  EXPECT_FALSE(in.confirm);
  EXPECT_EQ(*f.name_edit, "KK");
}

TEST(KeyInput, AnUnknownKeyIsNeitherHeldNorPressed) {
  Fixture f;
  f.input.on_key(KeyCode::Unidentified, true, false);
  EXPECT_TRUE(f.input.held_keys.empty());
  EXPECT_TRUE(f.input.pressed_keys.empty());
}

TEST(KeyInput, LosingFocusDropsHeldDirectionsUntilTheKeyIsPressedAgain) {
  Fixture f;
  f.press(KeyCode::ArrowLeft);
  f.press(KeyCode::ShiftRight);
  f.frame();
  f.press(KeyCode::KeyP);
  f.input.on_focus_lost();
  FrameInput in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::None);
  EXPECT_FALSE(in.grab_held[0]);
  EXPECT_TRUE(in.pause);  // what was pressed before the focus went still counts
  // The window gets the focus back; the key is still down but nobody said so.
  in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::None);
  f.release(KeyCode::ArrowLeft);
  f.press(KeyCode::ArrowLeft);
  in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::Left);
  EXPECT_EQ(in.pressed_dir[0], Dir::Left);
}

TEST(NameTyping, ABackspaceComesBeforeTheLetterTypedAfterIt) {
  Fixture f;
  f.name_edit = "ABC";
  f.input.on_key(KeyCode::Backspace, true, false);
  f.input.on_text("x");
  f.frame();
  EXPECT_EQ(*f.name_edit, "ABX");

  // Repeated backspaces all count, and an empty edit stays empty.
  f.input.on_key(KeyCode::Backspace, true, false);
  for (int i = 0; i < 4; ++i) f.input.on_key(KeyCode::Backspace, true, true);
  f.frame();
  EXPECT_EQ(*f.name_edit, "");
}

TEST(NameTyping, TenLettersOrDigitsAtMostUpperCaseNothingElse) {
  Fixture f;
  f.name_edit = "";
  f.input.on_text("ab c-1.\xC3\xA4");
  f.frame();
  EXPECT_EQ(*f.name_edit, "ABC1");
  f.input.on_text("defghijklm");
  f.frame();
  EXPECT_EQ(*f.name_edit, "ABC1DEFGHI");
  f.input.on_key(KeyCode::Backspace, true, false);
  f.input.on_text("yz");
  f.frame();
  EXPECT_EQ(*f.name_edit, "ABC1DEFGHY");
}

TEST(NameTyping, TextTypedOutsideTheNameEntryIsDropped) {
  Fixture f;
  f.input.on_text("early");
  f.input.on_key(KeyCode::Backspace, true, false);
  f.frame();
  f.name_edit = "AB";
  f.frame();
  EXPECT_EQ(*f.name_edit, "AB");
}

TEST(Touch, ThirteenPixelsIsATapFourteenIsASwipe) {
  Fixture f;
  f.input.on_touch(1, TouchPhase::Started, 100, 100, 1.0);
  f.input.on_touch(1, TouchPhase::Moved, 113, 100, 1.0);
  FrameInput in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::None);
  f.input.on_touch(1, TouchPhase::Ended, 113, 100, 1.0);
  in = f.frame();
  EXPECT_TRUE(in.confirm);

  f.input.on_touch(2, TouchPhase::Started, 100, 100, 1.0);
  f.input.on_touch(2, TouchPhase::Moved, 114, 100, 1.0);
  in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::Right);
  EXPECT_EQ(in.pressed_dir[0], Dir::Right);
  EXPECT_FALSE(in.confirm);
  in = f.frame();  // still held, no new press
  EXPECT_EQ(in.held_dir[0], Dir::Right);
  EXPECT_EQ(in.pressed_dir[0], Dir::None);
  f.input.on_touch(2, TouchPhase::Ended, 114, 100, 1.0);
  in = f.frame();
  EXPECT_FALSE(in.confirm);
  EXPECT_EQ(in.held_dir[0], Dir::None);
}

TEST(Touch, TurningTheSwipePressesTheNewDirection) {
  Fixture f;
  f.input.on_touch(3, TouchPhase::Started, 100, 100, 1.0);
  f.input.on_touch(3, TouchPhase::Moved, 100, 130, 1.0);
  EXPECT_EQ(f.frame().pressed_dir[0], Dir::Down);
  f.input.on_touch(3, TouchPhase::Moved, 100, 70, 1.0);
  const FrameInput in = f.frame();
  EXPECT_EQ(in.held_dir[0], Dir::Up);
  EXPECT_EQ(in.pressed_dir[0], Dir::Up);
  f.input.on_touch(3, TouchPhase::Moved, 105, 95, 1.0);  // back inside the threshold: no swipe
  EXPECT_EQ(f.frame().held_dir[0], Dir::None);
  f.input.on_touch(3, TouchPhase::Moved, 100, 70, 1.0);  // out again: pressed anew
  EXPECT_EQ(f.frame().pressed_dir[0], Dir::Up);
}

TEST(Touch, TheThresholdGrowsWithTheWindowsScaleFactor) {
  Fixture f;
  f.input.on_touch(1, TouchPhase::Started, 0, 0, 2.0);
  f.input.on_touch(1, TouchPhase::Moved, 0, 27, 2.0);
  EXPECT_EQ(f.frame(2.0).held_dir[0], Dir::None);
  f.input.on_touch(1, TouchPhase::Moved, 0, 28, 2.0);
  EXPECT_EQ(f.frame(2.0).held_dir[0], Dir::Down);
  f.input.on_touch(1, TouchPhase::Moved, 0, 27, 2.0);
  f.input.on_touch(1, TouchPhase::Ended, 0, 27, 2.0);
  EXPECT_TRUE(f.frame(2.0).confirm);
}

TEST(Touch, ADiagonalSwipeCountsAsVertical) {
  Fixture f;
  f.input.on_touch(1, TouchPhase::Started, 50, 50, 1.0);
  f.input.on_touch(1, TouchPhase::Moved, 70, 70, 1.0);
  EXPECT_EQ(f.frame().held_dir[0], Dir::Down);
  f.input.on_touch(1, TouchPhase::Moved, 30, 30, 1.0);
  EXPECT_EQ(f.frame().held_dir[0], Dir::Up);
  f.input.on_touch(1, TouchPhase::Moved, 31, 50, 1.0);
  EXPECT_EQ(f.frame().held_dir[0], Dir::Left);
}

TEST(Touch, TwoFingersHoldPlayerOnesGrabAndUnknownFingersAreIgnored) {
  Fixture f;
  f.input.on_touch(1, TouchPhase::Started, 10, 10, 1.0);
  EXPECT_FALSE(f.frame().grab_held[0]);
  f.input.on_touch(2, TouchPhase::Started, 300, 10, 1.0);
  FrameInput in = f.frame();
  EXPECT_TRUE(in.grab_held[0]);
  EXPECT_FALSE(in.grab_held[1]);
  f.input.on_touch(9, TouchPhase::Ended, 0, 0, 1.0);
  f.input.on_touch(1, TouchPhase::Cancelled, 10, 10, 1.0);
  in = f.frame();
  EXPECT_FALSE(in.grab_held[0]);
  EXPECT_FALSE(in.confirm);  // a cancelled touch is no tap
  ASSERT_EQ(f.input.touches.size(), 1u);
  EXPECT_EQ(f.input.touches[0].id, 2);
}

TEST(Touch, AClickConfirmsOnce) {
  Fixture f;
  f.input.on_left_click();
  EXPECT_TRUE(f.frame().confirm);
  EXPECT_FALSE(f.frame().confirm);
}

TEST(GamepadMapping, DpadBeforeStickAndTheStickNeedsHalfWay) {
  GamepadSnapshot pad = gamepad("0");
  pad.stick_x = 0.9f;
  pad.dpad_left = true;
  pad.dpad_down = true;
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::Down);  // the first held in Up, Right, Down, Left
  pad.dpad_left = pad.dpad_down = false;
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::Right);
  pad.stick_x = -0.49f;
  pad.stick_y = 0.3f;
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::None);
  pad.stick_x = -0.6f;
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::Left);
  pad.stick_x = 0.6f;
  pad.stick_y = -0.6f;  // equal: the vertical wins; y grows upward
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::Down);
  pad.stick_y = 0.7f;
  EXPECT_EQ(pad_from_gamepad(pad).dir, Dir::Up);
}

TEST(GamepadMapping, FaceStartSelectAndTheDynamiteButtons) {
  GamepadSnapshot pad = gamepad("0");
  EXPECT_EQ(pad_from_gamepad(pad), idle_pad);
  pad.north = true;
  pad.select = true;
  pad.left_trigger = 0.5f;  // half way is not yet pressed
  PadState state = pad_from_gamepad(pad);
  EXPECT_TRUE(state.face && state.select);
  EXPECT_FALSE(state.start || state.drop);
  pad.left_trigger = 0.51f;
  EXPECT_TRUE(pad_from_gamepad(pad).drop);
  pad.left_trigger = 0;
  pad.right_shoulder = true;
  pad.start = true;
  state = pad_from_gamepad(pad);
  EXPECT_TRUE(state.drop && state.start);
}

TEST(PadMerge, StartGivesConfirmAndPauseOnceWhileHeld) {
  Fixture f;
  PadState start;
  start.start = true;
  FrameInput in = f.frame(1.0, {start});
  EXPECT_TRUE(in.confirm);
  EXPECT_TRUE(in.pause);
  in = f.frame(1.0, {start});
  EXPECT_FALSE(in.confirm);
  EXPECT_FALSE(in.pause);
  in = f.frame(1.0, {idle_pad});
  in = f.frame(1.0, {start});
  EXPECT_TRUE(in.confirm && in.pause);
}

TEST(PadMerge, EdgesForFaceDropAndSelectAndTheDirectionOverridesKeys) {
  Fixture f;
  f.press(KeyCode::KeyA);  // player 2's keys, overridden by slot 1
  PadState second;
  second.dir = Dir::Up;
  second.face = true;
  second.drop = true;
  second.select = true;
  FrameInput in = f.frame(1.0, {idle_pad, second});
  EXPECT_EQ(in.held_dir[1], Dir::Up);
  EXPECT_EQ(in.pressed_dir[1], Dir::Up);
  EXPECT_TRUE(in.grab_held[1]);
  EXPECT_TRUE(in.fire_pressed[1]);
  EXPECT_TRUE(in.confirm);
  EXPECT_TRUE(in.back);
  EXPECT_FALSE(in.grab_held[0] || in.fire_pressed[0]);

  in = f.frame(1.0, {idle_pad, second});
  EXPECT_EQ(in.held_dir[1], Dir::Up);
  EXPECT_EQ(in.pressed_dir[1], Dir::None);
  EXPECT_TRUE(in.grab_held[1]);  // grab is held, not pressed
  EXPECT_FALSE(in.fire_pressed[1] || in.confirm || in.back);

  in = f.frame(1.0, {});  // the pad went away: the keys steer again
  EXPECT_EQ(in.held_dir[1], Dir::Left);
  EXPECT_FALSE(in.grab_held[1]);
}

TEST(PadMerge, AThirdPadNeverSteers) {
  Fixture f;
  FakeGamepads gamepads;
  GamepadSnapshot a = gamepad("0"), b = gamepad("1"), c = gamepad("2");
  c.dpad_up = true;
  c.start = true;
  gamepads.pads = {a, b, c};
  const FrameInput in = f.frame(1.0, {}, &gamepads);
  EXPECT_EQ(in.held_dir[0], Dir::None);
  EXPECT_EQ(in.held_dir[1], Dir::None);
  EXPECT_FALSE(in.confirm || in.pause);
  EXPECT_EQ(f.pads_in_use, 2u);
  EXPECT_EQ(f.pro_pads_in_use, 0u);

  // Two Pro Controllers fill both slots; the gamepad comes third.
  PadState pro;
  gamepads.pads = {c};
  const FrameInput full = f.frame(1.0, {pro, pro}, &gamepads);
  EXPECT_EQ(full.held_dir[0], Dir::None);
  EXPECT_FALSE(full.confirm);
  EXPECT_EQ(f.pads_in_use, 2u);
  EXPECT_EQ(f.pro_pads_in_use, 2u);
}

TEST(PadMerge, AProControllerOnTheDriverIsNotCountedAgainFromTheGamepadLibrary) {
  Fixture f;
  FakeGamepads gamepads;
  GamepadSnapshot by_ids = gamepad("0");
  by_ids.vendor = 0x057E;
  by_ids.product = 0x2009;
  by_ids.dpad_right = true;
  GamepadSnapshot by_name = gamepad("1");
  by_name.name = "Nintendo Switch Pro Controller";
  by_name.dpad_right = true;
  GamepadSnapshot other = gamepad("2");
  other.dpad_down = true;
  gamepads.pads = {by_ids, by_name, other};
  PadState pro;
  pro.dir = Dir::Up;
  FrameInput in = f.frame(1.0, {pro}, &gamepads);
  EXPECT_EQ(in.held_dir[0], Dir::Up);
  EXPECT_EQ(in.held_dir[1], Dir::Down);
  EXPECT_EQ(f.pads_in_use, 2u);
  EXPECT_EQ(f.pro_pads_in_use, 1u);

  // Without the driver's pad the gamepad library's view of it is the one that counts.
  in = f.frame(1.0, {}, &gamepads);
  EXPECT_EQ(in.held_dir[0], Dir::Right);
  EXPECT_EQ(in.held_dir[1], Dir::Right);
  EXPECT_EQ(f.pro_pads_in_use, 0u);
}

TEST(PadMerge, DisconnectedGamepadsAreSkipped) {
  Fixture f;
  FakeGamepads gamepads;
  GamepadSnapshot gone = gamepad("0");
  gone.connected = false;
  gone.dpad_left = true;
  GamepadSnapshot here = gamepad("1");
  here.dpad_right = true;
  gamepads.pads = {gone, here};
  EXPECT_EQ(f.frame(1.0, {}, &gamepads).held_dir[0], Dir::Right);
  EXPECT_EQ(f.pads_in_use, 1u);
}

TEST(PadMerge, OnlyTheFirstSixtyGamepadEventsAreLogged) {
  Fixture f;
  FakeGamepads gamepads;
  for (int i = 0; i < 50; ++i) gamepads.events.push_back({"3", "ButtonPressed(a)"});
  f.frame(1.0, {}, &gamepads);
  for (int i = 0; i < 50; ++i) gamepads.events.push_back({"4", "Event " + std::to_string(i)});
  f.frame(1.0, {}, &gamepads);
  ASSERT_EQ(f.log.size(), 60u);
  EXPECT_EQ(f.log.front(), "gamepad event from 3: ButtonPressed(a)");
  EXPECT_EQ(f.log.back(), "gamepad event from 4: Event 9");
}

TEST(KeyNames, NamesGoBothWays) {
  EXPECT_EQ(key_name(KeyCode::NumpadEnter), "NumpadEnter");
  EXPECT_EQ(key_from_name("ShiftRight"), KeyCode::ShiftRight);
  EXPECT_EQ(key_from_name("KeyZ"), KeyCode::KeyZ);  // a key a player may choose
  EXPECT_EQ(key_from_name("ContextMenu"), std::nullopt);
}

}  // namespace
}  // namespace korvedan
