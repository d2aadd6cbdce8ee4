// How much faster than real time the synthesiser renders: music alone, and music with all
// eighteen voices sounding at once.
#include <benchmark/benchmark.h>

#include "sound/synth.hpp"
#include "sound/tune.hpp"

namespace korvedan {
namespace {

constexpr int samples_per_second = 22050;
// Every voice is restarted this often, well inside the shortest effect (0.07 s), so all
// eighteen sound for the whole second.
constexpr int retrigger_every = 1024;

void render_second(benchmark::State& state, bool effects, std::uint32_t device_rate) {
  Synth synth(parse_lead(bar_table()), device_rate);
  for (int i = 0; i < 4000; ++i) synth.render_sample();  // past the fade-in
  const int outputs = static_cast<int>(device_rate);
  for (auto _ : state) {
    for (int i = 0; i < outputs; ++i) {
      if (effects && i % retrigger_every == 0) {
        for (int e = 0; e < sound_effect_count; ++e) synth.trigger(static_cast<SoundEffect>(e));
      }
      benchmark::DoNotOptimize(synth.next_output_sample());
    }
  }
  // Seconds of sound per second of compute.
  state.counters["realtime_factor"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                         benchmark::Counter::kIsRate);
}

void BM_MusicOnly(benchmark::State& state) { render_second(state, false, samples_per_second); }
void BM_MusicAndAllVoices(benchmark::State& state) { render_second(state, true, samples_per_second); }
void BM_MusicAndAllVoicesAt48000(benchmark::State& state) { render_second(state, true, 48000); }

BENCHMARK(BM_MusicOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MusicAndAllVoices)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MusicAndAllVoicesAt48000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvedan
