// Speed of the picture paths: scaling a frame against a plain fill, building the sheet, drawing text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "art/font.hpp"
#include "art/sprite_sheet.hpp"
#include "game/view/screen.hpp"

namespace korvedan {
namespace {

Canvas busy_canvas() {
  Canvas c;
  const SpriteSheet sheet = SpriteSheet::build();
  for (std::int32_t y = 0; y < 200; y += 16) {
    for (std::int32_t x = 0; x < 320; x += 16) {
      c.blit(sheet.entries()[static_cast<std::size_t>((x / 16 + y / 16 * 20) % 89)].sprite, x, y);
    }
  }
  return c;
}

void BM_PresentFrame(benchmark::State& state) {
  const Canvas canvas = busy_canvas();
  const auto w = static_cast<std::uint32_t>(state.range(0)), h = static_cast<std::uint32_t>(state.range(1));
  std::vector<std::uint32_t> buffer(std::size_t{w} * h);
  for (auto _ : state) {
    present_frame(canvas, buffer, w, h);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(buffer.size() * 4));
}

// The floor under present_frame: writing every pixel of a buffer of the same size once.
void BM_FillBaseline(benchmark::State& state) {
  const auto w = static_cast<std::uint32_t>(state.range(0)), h = static_cast<std::uint32_t>(state.range(1));
  std::vector<std::uint32_t> buffer(std::size_t{w} * h);
  std::uint32_t colour = 0;
  for (auto _ : state) {
    std::fill(buffer.begin(), buffer.end(), ++colour);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(buffer.size() * 4));
}

// On a shared machine the fastest repetition shows the cost best; the median is reported too.
double fastest(const std::vector<double>& runs) { return *std::min_element(runs.begin(), runs.end()); }

void repeated(benchmark::internal::Benchmark* b) {
  b->Repetitions(15)->ReportAggregatesOnly(true)->ComputeStatistics("min", fastest)->Unit(benchmark::kMicrosecond);
}

void window_sizes(benchmark::internal::Benchmark* b) {
  b->Args({960, 600})->Args({1920, 1080})->Args({3840, 2160});
  repeated(b);
}

BENCHMARK(BM_FillBaseline)->Apply(window_sizes);
BENCHMARK(BM_PresentFrame)->Apply(window_sizes);

void BM_SpriteSheetBuild(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SpriteSheet::build());
}
BENCHMARK(BM_SpriteSheetBuild)->Apply(repeated);

void BM_DrawTextLine(benchmark::State& state) {
  Canvas canvas;
  const std::string_view line = "CAVE 12 - KRISTALLE 05/20 ZEIT 123 PUNKTE 0045600!";  // 50 characters
  for (auto _ : state) {
    draw_text(canvas, 4, 100, line, Rgb{240, 236, 250}, 1);
    benchmark::DoNotOptimize(canvas.pixels().data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_DrawTextLine)->Apply(repeated);

}  // namespace
}  // namespace korvedan
