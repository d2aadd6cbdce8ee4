// The help screen and the options page driven by made-up frames: pages, values, new keys,
// refusals and the standard keys; and what the input code does with the keys chosen.
#include "game/session/options.hpp"

#include <gtest/gtest.h>

#include "game/session/input.hpp"
#include "game/session/session.hpp"

namespace korvedan {
namespace {

FrameInput dir(Dir d) {
  FrameInput in;
  in.pressed_dir[0] = d;
  return in;
}
FrameInput key(KeyCode k) {
  FrameInput in;
  in.first_key = k;
  in.back = k == KeyCode::Escape;
  in.confirm = k == KeyCode::Space || k == KeyCode::Enter;
  in.help_key = k == KeyCode::F1;
  in.fullscreen_key = k == KeyCode::F11;
  return in;
}

struct OptionsPage {
  Session s{Progress{}};
  void frame(const FrameInput& in) { s.update(in, 0.016f); }
  // F1, then Right to the options page (one help page while only the first cave is open).
  OptionsPage() {
    frame(key(KeyCode::F1));
    frame(dir(Dir::Right));
  }
  void down(int rows) {
    for (int i = 0; i < rows; ++i) frame(dir(Dir::Down));
  }
  const Settings& settings() const { return s.progress().settings; }
  const HelpScreen& screen() const { return *s.help(); }
};

TEST(HelpScreen, F1OpensItFromTheTitleAndEscapeOrF1CloseIt) {
  Session s{Progress{}};
  s.update(key(KeyCode::F1), 0.016f);
  ASSERT_TRUE(s.help().has_value());
  EXPECT_EQ(s.help()->page, 0);
  s.update(key(KeyCode::Escape), 0.016f);
  EXPECT_FALSE(s.help().has_value());
  EXPECT_FALSE(s.quit_requested());  // Escape left the help, not the game
  s.update(key(KeyCode::F1), 0.016f);
  s.update(key(KeyCode::F1), 0.016f);
  EXPECT_FALSE(s.help().has_value());

  // Nothing but the title opens it: in a cave F1 does nothing.
  s.start_cave(0);
  s.update(key(KeyCode::F1), 0.016f);
  EXPECT_FALSE(s.help().has_value());
}

TEST(HelpScreen, LeftAndRightTurnThePagesWithinBounds) {
  OptionsPage o;
  EXPECT_EQ(o.screen().page, 1);  // the options page
  o.frame(dir(Dir::Down));
  o.down(option_first_key_row - 1);  // a key row, where Left and Right turn pages
  o.frame(dir(Dir::Right));
  EXPECT_EQ(o.screen().page, 1);
  o.frame(dir(Dir::Left));
  EXPECT_EQ(o.screen().page, 0);
  o.frame(dir(Dir::Left));
  EXPECT_EQ(o.screen().page, 0);
}

TEST(HelpScreen, MoreCavesOpenMeanMoreKindsAndMorePages) {
  Progress newcomer;
  std::array<CellKind, help_kinds.size()> kinds{};
  const std::size_t first = opened_help_kinds(newcomer, kinds);
  EXPECT_GE(first, 4u);
  EXPECT_LT(first, 10u);
  EXPECT_EQ(kinds[0], CellKind::Digger);
  for (std::size_t i = 0; i < first; ++i) EXPECT_NE(kinds[i], CellKind::Robot);
  EXPECT_EQ(help_page_count(newcomer), 1u);

  Progress everything;
  everything.all_open = true;
  EXPECT_EQ(opened_help_kinds(everything, kinds), help_kinds.size());
  EXPECT_EQ(help_page_count(everything), 2u);
}

TEST(OptionsPage, VolumesStepAndStopAtZeroAndTen) {
  OptionsPage o;
  o.down(static_cast<int>(OptionRow::Music));
  o.frame(dir(Dir::Right));
  EXPECT_EQ(o.settings().music_volume, 10);
  EXPECT_FALSE(o.s.save_needed());  // nothing changed
  for (int i = 0; i < 12; ++i) o.frame(dir(Dir::Left));
  EXPECT_EQ(o.settings().music_volume, 0);
  EXPECT_EQ(o.screen().page, 1);  // Left at the bottom of the scale turns no page
  EXPECT_TRUE(o.s.save_needed());
  o.frame(dir(Dir::Right));
  EXPECT_EQ(o.settings().music_volume, 1);
  o.down(1);
  o.frame(dir(Dir::Left));
  EXPECT_EQ(o.settings().effects_volume, 9);
  EXPECT_EQ(o.screen().page, 1);  // the value changed, not the page
}

TEST(OptionsPage, FullscreenAndLanguageToggle) {
  OptionsPage o;
  o.frame(key(KeyCode::Space));
  EXPECT_TRUE(o.settings().fullscreen);
  o.frame(dir(Dir::Left));
  EXPECT_FALSE(o.settings().fullscreen);
  o.down(1);
  o.frame(key(KeyCode::Enter));
  EXPECT_EQ(o.settings().language, Language::English);
  o.frame(dir(Dir::Right));
  EXPECT_EQ(o.settings().language, Language::German);
}

TEST(Fullscreen, F11TogglesItOnEveryScreen) {
  Session s{Progress{}};
  s.update(key(KeyCode::F11), 0.016f);
  EXPECT_TRUE(s.progress().settings.fullscreen);
  EXPECT_TRUE(s.save_needed());
  s.start_cave(0);
  s.update(key(KeyCode::F11), 0.016f);
  EXPECT_FALSE(s.progress().settings.fullscreen);
  s.stage().playing = false;
  s.stage().name_edit = "AB";
  s.update(key(KeyCode::F11), 0.016f);
  EXPECT_TRUE(s.progress().settings.fullscreen);
  EXPECT_EQ(*s.name_edit(), "AB");
}

TEST(OptionsPage, ChoosingANewKeyRefusingTakenAndFixedOnesAndEscapeKeepingTheOld) {
  OptionsPage o;
  const int grab_row = static_cast<int>(option_first_key_row) + static_cast<int>(Action::Grab);
  o.down(grab_row);
  o.frame(key(KeyCode::Space));
  ASSERT_TRUE(o.screen().choosing_key);

  o.frame(key(KeyCode::KeyW));  // player 2 walks up with it
  EXPECT_EQ(o.screen().refusal, KeyRefusal::Taken);
  EXPECT_TRUE(o.screen().choosing_key);
  o.frame(key(KeyCode::ArrowUp));  // player 1's own walking key
  EXPECT_EQ(o.screen().refusal, KeyRefusal::Taken);
  for (KeyCode fixed : {KeyCode::KeyP, KeyCode::KeyR, KeyCode::KeyM, KeyCode::F1, KeyCode::F9, KeyCode::F11}) {
    o.frame(key(fixed));
    EXPECT_EQ(o.screen().refusal, KeyRefusal::Fixed) << key_name(fixed);
    EXPECT_TRUE(o.screen().choosing_key);
  }
  EXPECT_EQ(o.settings().keys[0][4], "ShiftRight");
  EXPECT_TRUE(o.s.help().has_value());  // F1 while choosing is a refused key, not the way out

  o.frame(key(KeyCode::Escape));
  EXPECT_FALSE(o.screen().choosing_key);
  EXPECT_EQ(o.settings().keys[0][4], "ShiftRight");
  EXPECT_TRUE(o.s.help().has_value());

  o.frame(key(KeyCode::Space));
  o.frame(key(KeyCode::KeyK));
  EXPECT_FALSE(o.screen().choosing_key);
  EXPECT_FALSE(o.screen().refusal.has_value());
  EXPECT_EQ(o.settings().keys[0][4], "KeyK");
  EXPECT_TRUE(o.s.save_needed());
  EXPECT_EQ(bindings_from(o.settings()).key(0, Action::Grab), KeyCode::KeyK);

  // Player 2's dynamite may take the key player 1 just gave up.
  o.down(static_cast<int>(bound_actions) + 1);
  ASSERT_EQ(o.screen().row, option_first_key_row + bound_actions + static_cast<std::size_t>(Action::Dynamite));
  o.frame(key(KeyCode::Space));
  o.frame(key(KeyCode::ShiftRight));
  EXPECT_EQ(o.settings().keys[1][5], "ShiftRight");

  // STANDARD gives every key back.
  o.down(1);
  ASSERT_EQ(o.screen().row, option_standard_row);
  o.frame(key(KeyCode::Space));
  EXPECT_EQ(o.settings().keys, Settings{}.keys);
}

TEST(KeyBindingsFromSettings, ABrokenSetFallsBackToTheStandardKeys) {
  Settings s;
  s.keys[0][4] = "KeyK";
  EXPECT_EQ(bindings_from(s).key(0, Action::Grab), KeyCode::KeyK);
  for (const char* bad : {"NoSuchKey", "Escape", "KeyW"}) {  // unknown, fixed, twice
    Settings broken = s;
    broken.keys[0][0] = bad;
    EXPECT_EQ(bindings_from(broken), KeyBindings{}) << bad;
  }
}

TEST(KeyBindingsFromSettings, ShownNamesAreShortAndInCapitals) {
  std::array<char, 16> room{};
  EXPECT_EQ(shown_key_name(KeyCode::KeyK, room), "K");
  EXPECT_EQ(shown_key_name(KeyCode::Digit7, room), "7");
  EXPECT_EQ(shown_key_name(KeyCode::ShiftRight, room), "SHIFTRIGHT");
}

struct Keys {
  InputState input;
  FrameInput frame() { return input.collect(1.0, {}, nullptr, nullptr); }
};

TEST(ChosenKeys, TheInputFollowsTheBindings) {
  Keys k;
  k.input.bindings.keys[0][static_cast<std::size_t>(Action::Grab)] = KeyCode::KeyK;
  k.input.bindings.keys[0][static_cast<std::size_t>(Action::Left)] = KeyCode::KeyJ;
  k.input.on_key(KeyCode::ShiftRight, true, false);
  EXPECT_FALSE(k.frame().grab_held[0]);
  k.input.on_key(KeyCode::KeyK, true, false);
  k.input.on_key(KeyCode::KeyJ, true, false);
  const FrameInput in = k.frame();
  EXPECT_TRUE(in.grab_held[0]);
  EXPECT_EQ(in.held_dir[0], Dir::Left);
  EXPECT_EQ(in.pressed_dir[0], Dir::Left);
  k.input.on_key(KeyCode::ArrowLeft, true, false);
  EXPECT_EQ(k.frame().pressed_dir[0], Dir::None);  // the old key walks no more
}

TEST(ChosenKeys, LeftCtrlFiresForPlayer2UntilSomeoneTakesIt) {
  Keys k;
  k.input.on_key(KeyCode::ControlLeft, true, false);
  EXPECT_TRUE(k.frame().fire_pressed[1]);
  k.input.bindings.keys[0][static_cast<std::size_t>(Action::Dynamite)] = KeyCode::ControlLeft;
  k.input.on_key(KeyCode::ControlLeft, false, false);
  k.input.on_key(KeyCode::ControlLeft, true, false);
  const FrameInput in = k.frame();
  EXPECT_FALSE(in.fire_pressed[1]);
  EXPECT_TRUE(in.fire_pressed[0]);
}

TEST(WindowKeys, F11AndAltEnterAskForFullscreenAndAltEnterConfirmsNothing) {
  Keys k;
  k.input.on_key(KeyCode::F11, true, false);
  FrameInput in = k.frame();
  EXPECT_TRUE(in.fullscreen_key);
  EXPECT_EQ(in.first_key, KeyCode::F11);
  k.input.on_key(KeyCode::AltLeft, true, false);
  k.input.on_key(KeyCode::Enter, true, false);
  in = k.frame();
  EXPECT_TRUE(in.fullscreen_key);
  EXPECT_FALSE(in.confirm);
  EXPECT_FALSE(in.fire_pressed[0]);
  k.input.on_key(KeyCode::AltLeft, false, false);
  k.input.on_key(KeyCode::Enter, false, false);
  k.input.on_key(KeyCode::Enter, true, false);
  in = k.frame();
  EXPECT_FALSE(in.fullscreen_key);
  EXPECT_TRUE(in.confirm);
  k.input.on_key(KeyCode::F1, true, false);
  EXPECT_TRUE(k.frame().help_key);
}

// A pad's Back on the title: let go soon, it leaves the game; held, it opens the help screen,
// and the press that closes the help screen does not count again on the title.
TEST(HelpScreen, APadsBackHeldOnTheTitleOpensItAndAShortPressStillQuits) {
  const auto pad_back = [](bool pressed, bool held) {
    FrameInput in;
    in.back = in.pad_back_pressed = pressed;
    in.pad_back_held = held;
    return in;
  };
  Session s{Progress{}};
  s.update(pad_back(true, true), 0.1f);
  s.update(pad_back(false, true), 0.1f);
  EXPECT_FALSE(s.quit_requested());  // not while it is held
  s.update(pad_back(false, false), 0.1f);
  EXPECT_TRUE(s.take_quit_requested());

  s.update(pad_back(true, true), 0.1f);
  for (int i = 0; i < 6; ++i) s.update(pad_back(false, true), 0.1f);  // 0.7 s
  EXPECT_FALSE(s.help().has_value());
  s.update(pad_back(false, true), 0.1f);
  ASSERT_TRUE(s.help().has_value());
  s.update(pad_back(false, false), 0.1f);  // letting go after it opened
  EXPECT_TRUE(s.help().has_value());
  EXPECT_FALSE(s.quit_requested());

  s.update(pad_back(true, true), 0.1f);  // a press in the help screen closes it
  EXPECT_FALSE(s.help().has_value());
  for (int i = 0; i < 10; ++i) s.update(pad_back(false, true), 0.1f);
  s.update(pad_back(false, false), 0.1f);
  EXPECT_FALSE(s.help().has_value());
  EXPECT_FALSE(s.quit_requested());

  // Escape still quits at once, and a Back pressed before a cave starts is forgotten there.
  s.update(key(KeyCode::Escape), 0.1f);
  EXPECT_TRUE(s.take_quit_requested());
  s.update(pad_back(true, true), 0.1f);
  s.start_cave(0);
  s.update(pad_back(false, false), 0.1f);
  s.update(key(KeyCode::Escape), 0.1f);  // back to the title
  s.update(FrameInput{}, 0.1f);
  EXPECT_FALSE(s.quit_requested());
}

TEST(WindowKeys, ATwoFingerTapIsF1AndConfirmsNothingWhileOneFingerStillTaps) {
  Keys k;
  k.input.on_touch(1, TouchPhase::Started, 100, 100, 1.0);
  k.input.on_touch(2, TouchPhase::Started, 200, 100, 1.0);
  k.input.on_touch(1, TouchPhase::Ended, 103, 100, 1.0);
  FrameInput in = k.frame();
  EXPECT_FALSE(in.help_key || in.confirm);  // one finger is still down
  k.input.on_touch(2, TouchPhase::Ended, 200, 104, 1.0);
  in = k.frame();
  EXPECT_TRUE(in.help_key);
  EXPECT_FALSE(in.confirm);
  EXPECT_FALSE(k.frame().help_key);

  // A finger that swipes away spoils the tap, and the next gesture starts afresh.
  k.input.on_touch(3, TouchPhase::Started, 100, 100, 1.0);
  k.input.on_touch(4, TouchPhase::Started, 200, 100, 1.0);
  k.input.on_touch(4, TouchPhase::Moved, 260, 100, 1.0);
  k.input.on_touch(4, TouchPhase::Ended, 260, 100, 1.0);
  k.input.on_touch(3, TouchPhase::Ended, 100, 100, 1.0);
  in = k.frame();
  EXPECT_FALSE(in.help_key || in.confirm);
  k.input.on_touch(5, TouchPhase::Started, 100, 100, 1.0);
  k.input.on_touch(5, TouchPhase::Ended, 101, 100, 1.0);
  in = k.frame();
  EXPECT_TRUE(in.confirm);
  EXPECT_FALSE(in.help_key);
}

}  // namespace
}  // namespace korvedan
