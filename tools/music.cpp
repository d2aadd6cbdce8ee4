// kvtool music FILE.wav: the background loop rendered offline, as the sound card would get it.
#include <cmath>

#include "sound/synth.hpp"
#include "sound/tune.hpp"
#include "tools/sound_args.hpp"

namespace korvedan::tool {
namespace {

// A little more than one pass of the loop (27.43 s), so the wrap can be heard.
constexpr double default_seconds = 27.5;

int run_music(const Args& args) {
  SoundArgs parsed = parse_sound_args(args, true);
  if (!parsed.error.empty()) return usage_error("music", parsed.error);
  if (parsed.positional.size() != 1) return usage_error("music", "expected one output file");
  const double seconds = parsed.seconds.value_or(default_seconds);
  Synth synth(parse_lead(bar_table()), parsed.rate);
  synth.set_music_on(1);
  const auto count = static_cast<std::size_t>(std::ceil(seconds * parsed.rate));
  return write_rendered("music", synth, parsed.rate, count, parsed.positional[0]);
}

KV_COMMAND(music, "music",
           "FILE.wav [--seconds S] [--rate R]   (the music loop as mono float WAV; S defaults to 27.5, "
           "R to 22050)",
           run_music);

}  // namespace
}  // namespace korvedan::tool
