// kvtool effect N FILE.wav: one sound effect rendered offline with the music off.
#include <charconv>
#include <cmath>

#include "sound/synth.hpp"
#include "sound/tune.hpp"
#include "tools/sound_args.hpp"

namespace korvedan::tool {
namespace {

// An effect by number (0 to 17) or by name ("Boom").
std::optional<SoundEffect> effect_arg(const std::string& text) {
  unsigned number = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec == std::errc{} && end == text.data() + text.size()) return effect_from_number(number);
  for (unsigned i = 0; i < sound_effect_count; ++i) {
    if (effect_names[i] == text) return static_cast<SoundEffect>(i);
  }
  return std::nullopt;
}

int run_effect(const Args& args) {
  SoundArgs parsed = parse_sound_args(args, false);
  if (!parsed.error.empty()) return usage_error("effect", parsed.error);
  if (parsed.positional.size() != 2) return usage_error("effect", "expected an effect and an output file");
  const std::optional<SoundEffect> effect = effect_arg(parsed.positional[0]);
  if (!effect) return usage_error("effect", "no effect \"" + parsed.positional[0] + "\" (0 to 17, or a name such as Boom)");
  Synth synth(parse_lead(bar_table()), parsed.rate);
  synth.set_music_on(0);
  synth.trigger(*effect);
  // The whole effect and a tenth of a second of silence after it.
  const double length = static_cast<double>(effect_length(*effect)) + 0.1;
  const auto count = static_cast<std::size_t>(std::ceil(length * parsed.rate));
  return write_rendered("effect", synth, parsed.rate, count, parsed.positional[1]);
}

KV_COMMAND(effect, "effect",
           "N FILE.wav [--rate R]   (effect N, 0 to 17 or its name, as mono float WAV with the music off; "
           "R defaults to 22050)",
           run_effect);

}  // namespace
}  // namespace korvedan::tool
