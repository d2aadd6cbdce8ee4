// Option parsing and offline rendering shared by kvtool music and kvtool effect.
#include "tools/sound_args.hpp"

#include <charconv>
#include <cmath>
#include <iostream>

#include "tools/wav_file.hpp"

namespace korvedan::tool {

namespace {

std::optional<std::uint32_t> rate_arg(const std::string& text) {
  std::uint32_t rate = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rate);
  if (ec != std::errc{} || end != text.data() + text.size() || rate == 0 || rate > 1'000'000) return std::nullopt;
  return rate;
}

std::optional<double> seconds_arg(const std::string& text) {
  double seconds = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (ec != std::errc{} || end != text.data() + text.size() || !(seconds >= 0) || seconds > 3600) return std::nullopt;
  return seconds;
}

}  // namespace

SoundArgs parse_sound_args(const Args& args, bool seconds_allowed) {
  SoundArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool is_rate = arg == "--rate";
    const bool is_seconds = seconds_allowed && arg == "--seconds";
    if (!is_rate && !is_seconds) {
      if (arg.starts_with("--")) parsed.error = "unknown option " + arg;
      parsed.positional.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      parsed.error = arg + " needs a value";
      break;
    }
    const std::string& value = args[++i];
    if (is_rate) {
      auto rate = rate_arg(value);
      if (!rate) parsed.error = "the rate must be a whole number of samples per second, not \"" + value + "\"";
      else parsed.rate = *rate;
    } else {
      parsed.seconds = seconds_arg(value);
      if (!parsed.seconds) parsed.error = "the seconds must be a number from 0 to 3600, not \"" + value + "\"";
    }
  }
  return parsed;
}

int write_rendered(std::string_view command, Synth& synth, std::uint32_t rate, std::size_t count,
                   const std::string& path) {
  std::vector<float> samples(count);
  for (float& s : samples) s = synth.next_output_sample();
  Result<std::size_t> written = write_wav_f32(path, rate, samples);
  if (!written) {
    std::cerr << "kvtool " << command << ": " << written.error() << "\n";
    return 1;
  }
  std::cout << path << ": " << count << " samples at " << rate << " Hz\n";
  return 0;
}

}  // namespace korvedan::tool
