// kvtool record-run CAVE RUN OUT: writes a recorded play session (as KV_RECORD does) of two
// players on a cave: the title, both walking, a pause, a restart, then a two-player run
// ("R/." tokens, one a tick) played to its end, and back out by the title. Each tick's inputs
// are held in exactly the frame that runs the tick, so the session plays the run as it stands.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "game/app/recording.hpp"
#include "core/input_tokens.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

constexpr float frame_dt = 1.0f / 60;

class Driver {
 public:
  explicit Driver(FrameRecorder& recorder) : recorder_(recorder), game_(Progress{}) {}

  const Session& session() const { return game_.session(); }
  std::size_t frames() const { return frames_; }

  void frame(const FrameInput& input) {
    recorder_.record(input, frame_dt);
    game_.frame(input, frame_dt);
    ++frames_;
  }
  void idle(int count) {
    for (int i = 0; i < count; ++i) frame(FrameInput{});
  }
  // A key held for `count` frames, pressed in the first, as the real program reports it.
  void hold(std::size_t player, Dir dir, int count) {
    for (int i = 0; i < count; ++i) {
      FrameInput in;
      in.held_dir[player] = dir;
      if (i == 0) in.pressed_dir[player] = dir;
      frame(in);
    }
  }
  // Whether the next frame runs a cave tick: the session adds the frame's time the same way.
  bool next_frame_ticks() const { return session().tick_clock() + frame_dt >= tick_period; }

 private:
  FrameRecorder& recorder_;
  Game game_;
  std::size_t frames_ = 0;
};

FrameInput command(bool FrameInput::*which) {
  FrameInput in;
  in.*which = true;
  return in;
}

int record_run(const Args& args) {
  if (args.size() != 3) return usage_error("record-run", "a cave number, a run file and an output file");
  const std::optional<std::size_t> cave = cave_index_arg(args[0]);
  if (!cave) return usage_error("record-run", "a cave number from 1");
  std::ifstream file(args[1], std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  Result<std::vector<TickInputs>> run = parse_input_tokens(text.str(), 2);
  if (!file || !run) {
    std::cerr << args[1] << ": " << (file ? run.error() : "could not be read") << "\n";
    return 1;
  }
  std::string error;
  const std::unique_ptr<FrameRecorder> recorder = FrameRecorder::open(args[2], Progress{}, error);
  if (!recorder) {
    std::cerr << error << "\n";
    return 1;
  }
  Driver d(*recorder);
  d.idle(10);
  d.hold(0, Dir::Up, 1);  // two players
  d.idle(5);
  for (std::size_t i = 0; i < *cave; ++i) {
    d.hold(0, Dir::Right, 1);
    d.idle(2);
  }
  d.frame(command(&FrameInput::confirm));
  d.idle(10);
  // Both walk a little, then a pause, and play goes on.
  for (int step = 0; step < 3; ++step) {
    FrameInput in;
    in.held_dir = {Dir::Down, Dir::Right};
    d.frame(in);
  }
  d.idle(12);
  d.frame(command(&FrameInput::pause));
  d.idle(30);
  d.frame(command(&FrameInput::pause));
  d.idle(12);
  d.frame(command(&FrameInput::restart));
  // From the fresh cave, the run.
  std::size_t next = 0;
  while (d.session().cave().outcome == CaveOutcome::Running) {
    FrameInput in;
    if (d.next_frame_ticks()) {
      if (next == run.value().size()) break;
      const TickInputs& tick = run.value()[next++];
      for (std::size_t p = 0; p < 2; ++p) {
        in.held_dir[p] = tick[p].dir;
        in.grab_held[p] = tick[p].grab != 0;
        in.fire_pressed[p] = tick[p].fire != 0;
      }
    }
    d.frame(in);
  }
  const bool won = d.session().cave().outcome == CaveOutcome::Won;
  d.idle(40);
  d.frame(command(&FrameInput::back));  // to the title
  d.idle(10);
  d.frame(command(&FrameInput::back));  // and out
  std::printf("%zu frames, %zu of %zu run inputs; the cave was %s\n", d.frames(), next, run.value().size(),
              won ? "won" : "not won");
  return won ? 0 : 1;
}

}  // namespace

KV_COMMAND(record_run, "record-run", "CAVE RUN OUT", record_run);

}  // namespace korvedan::tool
