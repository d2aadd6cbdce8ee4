// A play session kept as its frames' inputs (KV_RECORD=FILE), and its replay without a window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.hpp"
#include "core/progress.hpp"
#include "game/app/game.hpp"

namespace korvedan {

// The file: a first line "korvedan recording 1", then "progress " and the starting progress in
// the save file's JSON, then one "frame" line per frame:
//   frame DT GRAB FIRE HELD1 HELD2 PRESSED1 PRESSED2 COMMANDS BACKSPACES PADS PRO_PADS TYPED [KEY]
// DT is the frame time as an exact hexadecimal float; GRAB and FIRE are two 0/1 digits (player
// 1, player 2); directions are 0..3 or 255; COMMANDS is eight 0/1 digits (confirm, restart,
// back, pause, music, players, name, open all), five more (V, H, Space, Right arrow, any other
// key) in a frame where one of those or of the last four is set, and four more (help,
// fullscreen, a pad's Back held, a pad's Back pressed) where one of those is; TYPED is the name
// characters typed, or "-"; KEY is the frame's first key press by its name, if it had one.
inline constexpr std::string_view recording_first_line = "korvedan recording 1";

struct RecordedFrame {
  FrameInput input;
  float dt = 0;
  bool operator==(const RecordedFrame&) const = default;
};

struct Recording {
  Progress start;
  std::vector<RecordedFrame> frames;
};

// One frame line without its newline, written into `out` (room for the longest line).
inline constexpr std::size_t frame_line_room = 128;
std::string_view frame_line(const FrameInput& input, float dt, std::span<char, frame_line_room> out);

// Writes a recording as the frames come; each line is flushed, so a crash keeps the frames.
class FrameRecorder {
 public:
  // Null, with the reason in `error`, when the file cannot be made.
  static std::unique_ptr<FrameRecorder> open(const std::string& path, const Progress& start, std::string& error);
  ~FrameRecorder();
  FrameRecorder(const FrameRecorder&) = delete;
  FrameRecorder& operator=(const FrameRecorder&) = delete;

  void record(const FrameInput& input, float dt);

 private:
  explicit FrameRecorder(std::FILE* file) : file_(file) {}
  std::FILE* file_;
};

// The message names the line that is wrong.
Result<Recording> parse_recording(std::string_view text);

// The game after every recorded frame, from the recorded start.
Game replay_recording(const Recording& recording);

// A fixed 64-bit digest of everything a session remembers, for comparing final states.
std::uint64_t state_digest(const Session& session);

}  // namespace korvedan
