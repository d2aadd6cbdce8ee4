// Recorded play sessions: every field of a frame survives the file, broken files are refused
// with the line named, and a replay ends in exactly the state the recorded game reached.
#include "game/app/recording.hpp"
#include "game/save/save_json.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvedan {
namespace {

std::string read_text(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string recording_text(std::string_view frames) {
  Progress start;
  start.solved = 3;
  return std::string(recording_first_line) + "\nprogress " + progress_to_json(start) + "\n" + std::string(frames);
}

FrameInput busy_input() {
  FrameInput in;
  in.grab_held = {true, false};
  in.fire_pressed = {false, true};
  in.held_dir = {Dir::Left, Dir::Up};
  in.pressed_dir = {Dir::None, Dir::Down};
  in.confirm = in.back = in.music = in.name_key = true;
  in.backspaces = 3;
  in.typed = {'A', 'B', '7'};
  in.typed_count = 3;
  in.pads_in_use = 2;
  in.pro_pads_in_use = 1;
  return in;
}

TEST(Recording, EveryFieldOfAFrameAndItsExactTimeSurviveTheFile) {
  std::array<char, frame_line_room> buffer;
  const float odd_dt = 0.016666999f;
  const std::string busy(frame_line(busy_input(), odd_dt, buffer));
  EXPECT_EQ(busy.substr(0, 6), "frame ");
  const std::string idle(frame_line(FrameInput{}, 0.1f, buffer));
  FrameInput all_commands;
  all_commands.restart = all_commands.pause = all_commands.players_key = all_commands.open_all_key = true;
  all_commands.typed = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', '9'};
  all_commands.typed_count = 10;
  const std::string full(frame_line(all_commands, 1e-30f, buffer));
  // The keys that came later: the help screen, the window and the first key for choosing one.
  FrameInput later = busy_input();
  later.help_key = later.fullscreen_key = later.pad_back_held = later.pad_back_pressed = true;
  later.first_key = KeyCode::NumpadEnter;
  later.held_dir = {Dir::None, Dir::None};
  later.backspaces = 4294967295u;
  later.typed = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', '9'};
  later.typed_count = 10;
  const std::string longest(frame_line(later, -0.0166669991f, buffer));
  EXPECT_LT(longest.size(), buffer.size());  // nothing cut
  FrameInput watching;
  watching.other_key = true;
  watching.first_key = KeyCode::KeyV;

  const std::string watched(frame_line(watching, 0.25f, buffer));
  const Result<Recording> read = parse_recording(
      recording_text(busy + "\n" + idle + "\n" + full + "\n" + longest + "\n" + watched + "\n"));
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(read.value().start.solved, 3u);
  ASSERT_EQ(read.value().frames.size(), 5u);
  EXPECT_EQ(read.value().frames[3], (RecordedFrame{later, -0.0166669991f}));
  EXPECT_EQ(read.value().frames[4], (RecordedFrame{watching, 0.25f}));
  EXPECT_EQ(read.value().frames[0], (RecordedFrame{busy_input(), odd_dt}));
  EXPECT_EQ(read.value().frames[1], (RecordedFrame{FrameInput{}, 0.1f}));
  EXPECT_EQ(read.value().frames[2], (RecordedFrame{all_commands, 1e-30f}));
}

TEST(Recording, ABrokenFileIsRefusedWithTheLineNamed) {
  std::array<char, frame_line_room> buffer;
  const std::string good(frame_line(FrameInput{}, 0.1f, buffer));
  EXPECT_EQ(parse_recording("korvedan recording 2\nprogress {}\n").error(), "recording line 1: not a recording");
  EXPECT_EQ(parse_recording(std::string(recording_first_line) + "\n").error(), "recording: too short");
  EXPECT_FALSE(parse_recording(std::string(recording_first_line) + "\nprogress {\n"));
  const std::string bad[] = {
      "frame 1p-3 00 00 7 255 255 255 00000000 0 0 0 -",    // no such direction
      "frame 1p-3 00 00 255 255 255 255 00000000 0 3 0 -",  // three pads
      "frame 1p-3 00 00 255 255 255 255 00000000 0 1 2 -",  // more Pro Controllers than pads
      "frame 1p-3 00 00 255 255 255 255 00000000 0 0 0 ab",  // a name never keeps lower case
      "frame 1p-3 00 00 255 255 255 255 00000000 0 0 0 ABCDEFGHIJK",
      "frame 1p-3 02 00 255 255 255 255 00000000 0 0 0 -",
      "frame 1p-3 00 00 255 255 255 255 0000000 0 0 0 -",
      "frame 1p-3 00 00 255 255 255 255 00000000 0 0 0 - more",
      "frame 1e-3 00 00 255 255 255 255 00000000 0 0 0 -",  // times are hexadecimal floats
      "frame 1p-3 00 00 255 255 255 255 000000000000 0 0 0 -",   // twelve commands: neither count
      "frame 1p-3 00 00 255 255 255 255 00000000 0 0 0 - KeyQQ",  // no such key
      "frame 1p-3 00 00 255 255 255 255 00000000 0 0 0 - Unidentified",
      "frame",
  };
  for (const std::string& line : bad) {
    const Result<Recording> read = parse_recording(recording_text(good + "\n" + line + "\n"));
    ASSERT_FALSE(read) << line;
    EXPECT_EQ(read.error(), "recording line 4: not a frame") << line;
  }
}

// A two-player game with name typing, pause and fire, played directly and recorded on the way.
TEST(Recording, AReplayEndsInTheStateTheRecordedGameReached) {
  const std::filesystem::path path =
      std::filesystem::path(KV_BINARY_DIR) / "recording_test_session.txt";
  Progress start;
  start.solved = 2;
  Game played(start);
  std::string error;
  {
    std::unique_ptr<FrameRecorder> recorder = FrameRecorder::open(path.string(), start, error);
    ASSERT_NE(recorder, nullptr) << error;
    for (int frame = 0; frame < 600; ++frame) {
      FrameInput in;
      if (frame == 1) in.name_key = true;
      if (frame == 2) {
        in.typed = {'K', 'O', 'R'};
        in.typed_count = 3;
      }
      if (frame == 3) in.confirm = true;
      if (frame == 4) in.pressed_dir[0] = Dir::Up;  // two players
      if (frame == 5) in.confirm = true;
      in.held_dir = {frame % 90 < 45 ? Dir::Right : Dir::Down, frame % 60 < 30 ? Dir::Left : Dir::Down};
      in.fire_pressed[1] = frame == 200;
      in.pause = frame == 300 || frame == 320;
      in.pads_in_use = 1;
      const float dt = 0.01f + static_cast<float>(frame % 7) * 0.003f;
      recorder->record(in, dt);
      played.frame(in, dt);
    }
  }
  const Result<Recording> read = parse_recording(read_text(path));
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(read.value().frames.size(), 600u);
  const Game replayed = replay_recording(read.value());
  EXPECT_TRUE(replayed.session() == played.session());
  EXPECT_EQ(state_digest(replayed.session()), state_digest(played.session()));
  EXPECT_EQ(replayed.session().progress().name, "KOR");
  EXPECT_TRUE(replayed.session().progress().two_players);
  EXPECT_TRUE(replayed.session().playing());
  EXPECT_GT(replayed.session().cave().tick, 30u);

  // The digest sees a change anywhere in the state.
  Game other = replay_recording(read.value());
  other.frame(FrameInput{}, 0.016f);
  EXPECT_NE(state_digest(other.session()), state_digest(played.session()));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace korvedan
