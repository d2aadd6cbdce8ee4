// The arguments kvtool's sound commands share: an output file, a rate and a length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sound/synth.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {

struct SoundArgs {
  std::vector<std::string> positional;
  std::uint32_t rate = 22050;
  std::optional<double> seconds;
  std::string error;  // empty when the arguments were understood
};

// Splits off "--rate R" (and "--seconds S" when allowed) from the other arguments.
SoundArgs parse_sound_args(const Args& args, bool seconds_allowed);

// Renders `count` samples of the synthesiser at its device rate and writes them as a WAV file;
// returns the exit status.
int write_rendered(std::string_view command, Synth& synth, std::uint32_t rate, std::size_t count,
                   const std::string& path);

}  // namespace korvedan::tool
