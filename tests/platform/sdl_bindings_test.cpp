// Every key and gamepad binding from SDL's own events to the frame's input: physical keys by
// their scancodes written out here (not taken from the game's table), and a virtual SDL
// game controller pressing each button and moving each stick and trigger the game reads.
#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/session/input.hpp"
#include "game/platform/sdl_gamepads.hpp"
#include "game/platform/sdl_input.hpp"

namespace korvedan {
namespace {

SDL_Event key_event(SDL_Scancode scancode, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  return event;
}

// The frame after the key went down (and stayed down).
FrameInput frame_with_key(SDL_Scancode scancode) {
  Session session{Progress{}};
  InputState input;
  feed_input_event(input, key_event(scancode, true), nullptr);
  return input.collect(1.0, {}, nullptr, {});
}

FrameInput direction(std::size_t player, Dir dir) {
  FrameInput expected;
  expected.held_dir[player] = dir;
  expected.pressed_dir[player] = dir;
  return expected;
}

FrameInput grab(std::size_t player) {
  FrameInput expected;
  expected.grab_held[player] = true;
  return expected;
}

FrameInput fire(std::size_t player, bool confirms = false) {
  FrameInput expected;
  expected.fire_pressed[player] = true;
  expected.confirm = confirms;
  return expected;
}

FrameInput command(bool FrameInput::*field) {
  FrameInput expected;
  expected.*field = true;
  return expected;
}

TEST(SdlKeys, EveryBindingByItsPhysicalKey) {
  const std::pair<SDL_Scancode, FrameInput> bindings[] = {
      {SDL_SCANCODE_UP, direction(0, Dir::Up)},
      {SDL_SCANCODE_RIGHT, direction(0, Dir::Right)},
      {SDL_SCANCODE_DOWN, direction(0, Dir::Down)},
      {SDL_SCANCODE_LEFT, direction(0, Dir::Left)},
      {SDL_SCANCODE_W, direction(1, Dir::Up)},
      {SDL_SCANCODE_D, direction(1, Dir::Right)},
      {SDL_SCANCODE_S, direction(1, Dir::Down)},
      {SDL_SCANCODE_A, direction(1, Dir::Left)},
      {SDL_SCANCODE_RSHIFT, grab(0)},
      {SDL_SCANCODE_LSHIFT, grab(1)},
      {SDL_SCANCODE_SPACE, fire(0, true)},
      {SDL_SCANCODE_RETURN, fire(0, true)},
      {SDL_SCANCODE_KP_ENTER, fire(0, true)},
      {SDL_SCANCODE_RCTRL, fire(0)},
      {SDL_SCANCODE_Q, fire(1)},
      {SDL_SCANCODE_LCTRL, fire(1)},
      {SDL_SCANCODE_R, command(&FrameInput::restart)},
      {SDL_SCANCODE_ESCAPE, command(&FrameInput::back)},
      {SDL_SCANCODE_P, command(&FrameInput::pause)},
      {SDL_SCANCODE_M, command(&FrameInput::music)},
      {SDL_SCANCODE_TAB, command(&FrameInput::players_key)},
      {SDL_SCANCODE_N, command(&FrameInput::name_key)},
      {SDL_SCANCODE_F9, command(&FrameInput::open_all_key)},
      {SDL_SCANCODE_V, command(&FrameInput::watch_key)},
      {SDL_SCANCODE_H, command(&FrameInput::show_key)},
      // Keys with no standard job, whatever a layout prints on them: a player may choose them.
      {SDL_SCANCODE_E, FrameInput{}},
      {SDL_SCANCODE_KP_8, FrameInput{}},
      {SDL_SCANCODE_RALT, FrameInput{}},
      {SDL_SCANCODE_F10, FrameInput{}},
  };
  for (const auto& [scancode, expected] : bindings) {
    FrameInput want = expected;
    want.first_key = key_from_scancode(scancode);  // offered to the options page's key choice
    ASSERT_NE(want.first_key, KeyCode::Unidentified) << SDL_GetScancodeName(scancode);
    // Every key also ends a run being watched, but Space (pause) and the right arrow (faster).
    want.space_key = scancode == SDL_SCANCODE_SPACE;
    want.right_key = scancode == SDL_SCANCODE_RIGHT;
    want.other_key = !want.space_key && !want.right_key;
    EXPECT_EQ(frame_with_key(scancode), want) << SDL_GetScancodeName(scancode);
  }
  // Keys the game does not know at all only end a watched run.
  FrameInput only_ends_a_run;
  only_ends_a_run.other_key = true;
  for (const SDL_Scancode unknown : {SDL_SCANCODE_PAUSE, SDL_SCANCODE_APPLICATION, SDL_SCANCODE_F13}) {
    EXPECT_EQ(frame_with_key(unknown), only_ends_a_run) << SDL_GetScancodeName(unknown);
  }
  // The window's keys.
  FrameInput f11;
  f11.fullscreen_key = true;
  f11.first_key = KeyCode::F11;
  f11.other_key = true;
  EXPECT_EQ(frame_with_key(SDL_SCANCODE_F11), f11);
  FrameInput f1;
  f1.help_key = true;
  f1.first_key = KeyCode::F1;
  f1.other_key = true;
  EXPECT_EQ(frame_with_key(SDL_SCANCODE_F1), f1);
}

TEST(SdlKeys, BackspaceRemovesTheLastLetterOfTheName) {
  Session session{Progress{}};
  session.stage().name_edit = "ABC";
  InputState input;
  feed_input_event(input, key_event(SDL_SCANCODE_BACKSPACE, true), nullptr);
  session.update(input.collect(1.0, {}, nullptr, {}), 0.016f);
  EXPECT_EQ(session.name_edit(), "AB");
}

TEST(SdlKeys, ReleasingTheKeyLetsGoOfIt) {
  Session session{Progress{}};
  InputState input;
  feed_input_event(input, key_event(SDL_SCANCODE_LSHIFT, true), nullptr);
  feed_input_event(input, key_event(SDL_SCANCODE_A, true), nullptr);
  input.collect(1.0, {}, nullptr, {});
  feed_input_event(input, key_event(SDL_SCANCODE_LSHIFT, false), nullptr);
  feed_input_event(input, key_event(SDL_SCANCODE_A, false), nullptr);
  EXPECT_EQ(input.collect(1.0, {}, nullptr, {}), FrameInput{});
}

// One virtual game controller seen through the game's SDL gamepad code.
class SdlGamepadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    pads_ = SdlGamepads::start(error);
    ASSERT_NE(pads_, nullptr) << error;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.vendor_id = 0x1234;
    desc.product_id = 0x5678;
    desc.name = "Test Pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    joystick_ = SDL_JoystickOpen(index);
    ASSERT_NE(joystick_, nullptr) << SDL_GetError();
    // Triggers rest at the bottom of their travel.
    set_axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    set_axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    update();
    ASSERT_EQ(pads_->gamepads().size(), 1u) << "the virtual pad was not opened";
  }

  void TearDown() override {
    if (joystick_ != nullptr) {
      const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
      SDL_JoystickClose(joystick_);
      for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
      }
    }
    pads_.reset();
  }

  // SDL reads the virtual pad and the game's gamepad code sees its events.
  void update() {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) pads_->on_event(event);
  }
  void set_button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
  }
  void set_axis(SDL_GameControllerAxis axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }

  FrameInput frame() {
    update();
    FrameInput input = input_.collect(1.0, {}, pads_.get(), {});
    // The virtual pad counts as one in use; the tests look at what its buttons and stick do.
    EXPECT_EQ(input.pads_in_use, 1u);
    input.pads_in_use = 0;
    return input;
  }

  // The frame in which `button` goes down, then one after it comes up again.
  FrameInput press(SDL_GameControllerButton button) {
    set_button(button, true);
    const FrameInput pressed = frame();
    set_button(button, false);
    EXPECT_EQ(frame(), FrameInput{}) << SDL_GameControllerGetStringForButton(button) << " let go";
    return pressed;
  }

  InputState input_;
  std::unique_ptr<SdlGamepads> pads_;
  SDL_Joystick* joystick_ = nullptr;
};

TEST_F(SdlGamepadTest, EveryFaceButtonGrabsAndConfirms) {
  FrameInput expected = grab(0);
  expected.confirm = true;
  for (const SDL_GameControllerButton face :
       {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y}) {
    EXPECT_EQ(press(face), expected) << SDL_GameControllerGetStringForButton(face);
  }
}

TEST_F(SdlGamepadTest, StartConfirmsAndPausesBackGoesBack) {
  FrameInput start;
  start.confirm = start.pause = true;
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_START), start);
  FrameInput back = command(&FrameInput::back);
  back.pad_back_pressed = back.pad_back_held = true;  // held on the title, it opens the help
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_BACK), back);
  // Buttons the game does not read.
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_GUIDE), FrameInput{});
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_LEFTSTICK), FrameInput{});
}

TEST_F(SdlGamepadTest, ShouldersAndTriggersDropDynamite) {
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), fire(0));
  EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER), fire(0));
  for (const SDL_GameControllerAxis trigger : {SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT}) {
    set_axis(trigger, 32767);
    EXPECT_EQ(frame(), fire(0)) << SDL_GameControllerGetStringForAxis(trigger);
    set_axis(trigger, -32768);
    EXPECT_EQ(frame(), FrameInput{});
  }
}

TEST_F(SdlGamepadTest, TheDpadAndTheStickWalkTheWayTheyPoint) {
  const std::pair<SDL_GameControllerButton, Dir> dpad[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, Dir::Up},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Dir::Right},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Dir::Down},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Dir::Left},
  };
  for (const auto& [button, dir] : dpad) {
    EXPECT_EQ(press(button), direction(0, dir)) << SDL_GameControllerGetStringForButton(button);
  }
  // SDL's stick grows downward and to the right.
  const struct {
    SDL_GameControllerAxis axis;
    Sint16 value;
    Dir dir;
  } stick[] = {
      {SDL_CONTROLLER_AXIS_LEFTY, -32767, Dir::Up},
      {SDL_CONTROLLER_AXIS_LEFTX, 32767, Dir::Right},
      {SDL_CONTROLLER_AXIS_LEFTY, 32767, Dir::Down},
      {SDL_CONTROLLER_AXIS_LEFTX, -32767, Dir::Left},
  };
  for (const auto& push : stick) {
    set_axis(push.axis, push.value);
    EXPECT_EQ(frame(), direction(0, push.dir)) << SDL_GameControllerGetStringForAxis(push.axis) << " " << push.value;
    set_axis(push.axis, 0);
    EXPECT_EQ(frame(), FrameInput{});
  }
  // The right stick does not walk.
  set_axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
  EXPECT_EQ(frame(), FrameInput{});
}

// Read every frame, the pads are written over in place: the list and its texts keep their
// storage while the buttons change.
TEST_F(SdlGamepadTest, ReadingThePadsAgainKeepsTheirStorage) {
  const std::vector<GamepadSnapshot>& first = pads_->gamepads();
  const GamepadSnapshot* list = first.data();
  const char* name = first[0].name.data();
  const char* id = first[0].id.data();
  EXPECT_EQ(first[0].name, "Test Pad");
  set_button(SDL_CONTROLLER_BUTTON_A, true);
  update();
  const std::vector<GamepadSnapshot>& again = pads_->gamepads();
  ASSERT_EQ(again.size(), 1u);
  EXPECT_TRUE(again[0].south);
  EXPECT_EQ(again[0].name, "Test Pad");
  EXPECT_EQ(again.data(), list);
  EXPECT_EQ(again[0].name.data(), name);
  EXPECT_EQ(again[0].id.data(), id);
}

}  // namespace
}  // namespace korvedan
