// kvtool play FILE: replays a recorded play session (KV_RECORD=FILE) without a window and
// says where it ended, with the digest of the final state.
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "game/app/recording.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

int play(const Args& args) {
  if (args.size() != 1) return usage_error("play", "one recording file");
  std::ifstream file(args[0], std::ios::binary);
  if (!file) {
    std::cerr << "could not read " << args[0] << "\n";
    return 1;
  }
  std::ostringstream text;
  text << file.rdbuf();
  const Result<Recording> recording = parse_recording(text.str());
  if (!recording) {
    std::cerr << args[0] << ": " << recording.error() << "\n";
    return 1;
  }
  const Game game = replay_recording(recording.value());
  const Session& s = game.session();
  const char* outcomes[] = {"running", "won", "lost"};
  std::printf("%zu frames; %s cave %zu (%s), score %u; %u solved, player %" PRIu64 " \"%s\"%s\n",
              recording.value().frames.size(), s.playing() ? "playing" : "title at", s.cave_index() + 1,
              outcomes[static_cast<int>(s.cave().outcome)], s.cave().score,
              static_cast<unsigned>(s.progress().solved), s.progress().slot + 1, s.progress().name.c_str(),
              s.progress().two_players ? ", two players" : "");
  std::printf("digest %016" PRIx64 "\n", state_digest(s));
  return 0;
}

}  // namespace

KV_COMMAND(play, "play", "FILE", play);

}  // namespace korvedan::tool
