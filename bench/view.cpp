// Drawing one frame: the title screen and a busy play screen, against a plain canvas fill.
#include <benchmark/benchmark.h>

#include "art/colours.hpp"
#include "core/levels.hpp"
#include "game/session/session.hpp"
#include "game/view/view.hpp"

namespace korvedan {
namespace {

const SpriteSheet& sheet() {
  static const SpriteSheet built = SpriteSheet::build();
  return built;
}

// The baseline: covering the canvas once with one colour.
void BM_FillCanvas(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    canvas.fill_rect(0, 0, 320, 200, colours::hud_background);
    benchmark::DoNotOptimize(canvas.pixels().data());
  }
}
BENCHMARK(BM_FillCanvas);

void BM_DrawTitle(benchmark::State& state) {
  Session session{Progress{}};
  session.stage().screen_clock = 1.3f;
  Canvas canvas;
  for (auto _ : state) {
    draw_view(canvas, session, sheet());
    benchmark::DoNotOptimize(canvas.pixels().data());
  }
}
BENCHMARK(BM_DrawTitle);

// The first great cave with two players, a few ticks in, halfway through a tick.
void BM_DrawBusyCave(benchmark::State& state) {
  Progress progress;
  progress.two_players = true;
  progress.all_open = true;
  Session session{progress};
  session.start_cave(113);
  for (int i = 0; i < 20; ++i) session.session_tick({0, 0, Dir::Right}, {0, 0, Dir::Down});
  session.stage().camera = session.camera_target();
  session.stage().tick_clock = 0.06f;
  session.stage().screen_clock = 2.7f;
  Canvas canvas;
  for (auto _ : state) {
    draw_view(canvas, session, sheet());
    benchmark::DoNotOptimize(canvas.pixels().data());
  }
}
BENCHMARK(BM_DrawBusyCave);

}  // namespace
}  // namespace korvedan
