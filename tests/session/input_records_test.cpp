// The pad's log text, the neutral records, and the pad list shared between two threads.
#include "game/session/input_records.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>

namespace korvedan {
namespace {

TEST(PadState, IdlePadText) {
  EXPECT_EQ(to_string(idle_pad),
            "PadState { dir: None, face: false, start: false, select: false, drop: false }");
  EXPECT_EQ(idle_pad.dir, Dir::None);
}

TEST(PadState, EveryFieldIsWrittenInItsPlace) {
  EXPECT_EQ(to_string(PadState{Dir::Up, true, false, false, false}),
            "PadState { dir: Some(Up), face: true, start: false, select: false, drop: false }");
  EXPECT_EQ(to_string(PadState{Dir::Right, false, true, false, false}),
            "PadState { dir: Some(Right), face: false, start: true, select: false, drop: false }");
  EXPECT_EQ(to_string(PadState{Dir::Down, false, false, true, false}),
            "PadState { dir: Some(Down), face: false, start: false, select: true, drop: false }");
  EXPECT_EQ(to_string(PadState{Dir::Left, false, false, false, true}),
            "PadState { dir: Some(Left), face: false, start: false, select: false, drop: true }");
  std::ostringstream out;
  out << PadState{Dir::None, true, true, true, true};
  EXPECT_EQ(out.str(),
            "PadState { dir: None, face: true, start: true, select: true, drop: true }");
}

TEST(FrameInput, NeutralHasNoDirectionAndNoCommand) {
  const FrameInput input;
  for (int p = 0; p < 2; ++p) {
    EXPECT_FALSE(input.grab_held[p]);
    EXPECT_FALSE(input.fire_pressed[p]);
    EXPECT_EQ(input.held_dir[p], Dir::None);
    EXPECT_EQ(input.pressed_dir[p], Dir::None);
  }
  EXPECT_FALSE(input.confirm || input.restart || input.back || input.pause || input.music ||
               input.players_key || input.name_key || input.open_all_key);
  FrameInput changed = input;
  changed.pressed_dir[1] = Dir::Left;
  EXPECT_NE(changed, input);
}

TEST(SharedPadList, StartsEmptyAndHandsOutCopies) {
  SharedPads pads = make_shared_pads();
  EXPECT_TRUE(pads->copy().empty());
  pads->replace({PadState{Dir::Up}, idle_pad});
  std::vector<PadState> copy = pads->copy();
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy[0].dir, Dir::Up);
  copy[0].face = true;  // a copy is the reader's own
  EXPECT_FALSE(pads->copy()[0].face);
  pads->replace({});
  EXPECT_TRUE(pads->copy().empty());
}

TEST(SharedPadList, AReaderNeverSeesAHalfReplacedList) {
  SharedPads pads = make_shared_pads();
  const std::vector<PadState> a(3, PadState{Dir::Left, true});
  const std::vector<PadState> b(5, PadState{Dir::Down, false, true});
  std::atomic<bool> done{false};
  std::thread writer([handle = pads, &a, &b, &done] {
    for (int i = 0; i < 20000; ++i) handle->replace(i % 2 ? a : b);
    done = true;
  });
  int seen = 0;
  while (!done || seen == 0) {
    const std::vector<PadState> copy = pads->copy();
    EXPECT_TRUE(copy.empty() || copy == a || copy == b);
    ++seen;
  }
  writer.join();
  EXPECT_EQ(pads->copy(), a);
}

}  // namespace
}  // namespace korvedan
