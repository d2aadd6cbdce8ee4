// A thousand frames of play allocate nothing once the first frame has run: this program counts
// every global operator new.
#include <gtest/gtest.h>

// The replaced allocation functions below pair malloc with free; the compiler cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "art/canvas.hpp"
#include "art/sprite_sheet.hpp"
#include "game/app/game.hpp"
#include "game/session/sound_dispatch.hpp"
#include "game/view/screen.hpp"
#include "sound/effect_channel.hpp"

namespace {
std::atomic<std::size_t> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace korvedan {
namespace {

// One ordinary gamepad beside the Pro Controller, its name too long to fit inside a string.
class OneGamepad final : public GamepadSource {
 public:
  OneGamepad() {
    pads_.emplace_back();
    pads_[0].id = "7";
    pads_[0].name = "A wireless gamepad with a long name";
  }
  std::vector<GamepadEvent> drain_events() override { return {}; }
  const std::vector<GamepadSnapshot>& gamepads() override { return pads_; }

 private:
  std::vector<GamepadSnapshot> pads_;
};

struct Counted {
  std::size_t first = 0;  // in the first frame
  std::size_t later = 0;  // in all frames after it
  int quits = 0;
  std::size_t effects = 0;  // effects that went through the channel
  std::uint32_t ticks_played = 0;  // the cave's ticks at the end, 0 unless still playing
};

// Plays cave 1 with both players for `frames` frames: keys pressed and released, dynamite
// fired, the pause toggled, into a window-sized buffer, counting allocations per frame.
Counted play_frames(int frames) {
  Progress progress;
  progress.two_players = true;
  Game game(progress);
  InputState input;
  Canvas canvas;
  const SpriteSheet sprites = SpriteSheet::build();
  std::vector<std::uint32_t> window(960 * 600);
  // Keys and pad push right from the second frame on: pressed in the first, they would move
  // the title's choice to cave 2, which is locked, and the game would never start.
  const std::vector<PadState> pro_pads{PadState{Dir::Right, false, false, false, false}};
  const std::vector<PadState> resting_pro_pads{idle_pad};
  const KeyCode walk[] = {KeyCode::ArrowRight, KeyCode::ArrowDown, KeyCode::KeyA, KeyCode::KeyS};
  OneGamepad gamepad;
  // The frame's effects go to the audio thread's channel, which a receiver drains each frame.
  EffectChannel channel;
  std::atomic<std::uint8_t> music_flag{1};
  std::size_t effects_heard = 0;

  Counted counted;
  for (int frame = 0; frame < frames; ++frame) {
    const std::size_t before = allocations.load();
    if (frame == 0) input.on_key(KeyCode::Enter, true, false);  // start the offered cave
    if (frame % 7 == 0 && frame > 0) input.on_key(walk[(frame / 7) % 4], true, false, "x");
    if (frame % 7 == 3) input.on_key(walk[(frame / 7) % 4], false, false);
    if (frame % 97 == 50) input.on_key(KeyCode::KeyQ, true, false);
    if (frame % 211 == 100) input.on_key(KeyCode::KeyP, true, false);
    if (frame % 211 == 130) input.on_key(KeyCode::KeyP, true, false);
    const FrameInput in = input.collect(1.0, frame == 0 ? resting_pro_pads : pro_pads, &gamepad, {});
    const FrameOutput out = game.frame(in, 1.0f / 60);
    dispatch_sound(out.music_on, out.effects.view(), music_flag, channel);
    channel.receive_all([&](SoundEffect) { ++effects_heard; });
    game.draw(canvas, sprites);
    present_frame(canvas, window, 960, 600);
    const std::size_t used = allocations.load() - before;
    if (used != 0 && frame != 0) std::printf("frame %d: %zu allocations\n", frame, used);
    counted.quits += out.quit ? 1 : 0;
    counted.ticks_played = game.session().playing() ? game.session().cave().tick : 0;
    (frame == 0 ? counted.first : counted.later) += used;
  }
  counted.effects = effects_heard;
  return counted;
}

// The title with its menus: browsing the caves, the players and difficulty menus, two pads.
Counted title_frames(int frames) {
  Game game{Progress{}};
  InputState input;
  Canvas canvas;
  const SpriteSheet sprites = SpriteSheet::build();
  std::vector<std::uint32_t> window(640 * 400);
  const std::vector<PadState> pro_pads{idle_pad, idle_pad};
  const KeyCode menu[] = {KeyCode::ArrowRight, KeyCode::ArrowUp, KeyCode::ArrowDown, KeyCode::ArrowLeft};

  Counted counted;
  for (int frame = 0; frame < frames; ++frame) {
    const std::size_t before = allocations.load();
    if (frame % 5 == 0) input.on_key(menu[(frame / 5) % 4], true, false);
    if (frame % 5 == 2) input.on_key(menu[(frame / 5) % 4], false, false);
    const FrameInput in = input.collect(2.0, pro_pads, nullptr, {});
    const FrameOutput out = game.frame(in, 1.0f / 60);
    game.draw(canvas, sprites);
    present_frame(canvas, window, 640, 400);
    (frame == 0 ? counted.first : counted.later) += allocations.load() - before;
    counted.quits += out.quit ? 1 : 0;
  }
  return counted;
}

TEST(FrameAllocation, AThousandFramesOfPlayAllocateNothingAfterTheFirst) {
  const Counted counted = play_frames(1001);
  std::printf("allocations: first frame %zu, the next 1000 frames %zu\n", counted.first, counted.later);
  EXPECT_EQ(counted.later, 0u);
  EXPECT_EQ(counted.quits, 0);  // the game was played all along, never left
  EXPECT_GT(counted.ticks_played, 50u);  // the cave was played, not the title (about 108 ticks)
  EXPECT_GT(counted.effects, 0u);  // the channel carried the frames' sounds
}

TEST(FrameAllocation, AThousandFramesOfTitleMenusAllocateNothingAfterTheFirst) {
  const Counted counted = title_frames(1001);
  std::printf("title allocations: first frame %zu, the next 1000 frames %zu\n", counted.first, counted.later);
  EXPECT_EQ(counted.later, 0u);
  EXPECT_EQ(counted.quits, 0);
}

}  // namespace
}  // namespace korvedan
