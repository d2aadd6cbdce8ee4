// Play sessions recorded from the real program (KV_RECORD) replay to the state it reached: the
// save file it wrote, the diggers where its test script saw them, and the stored digest.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/app/recording.hpp"
#include "game/save/save_json.hpp"

namespace korvedan {
namespace {

Recording read_recording(const std::string& name) {
  std::ifstream file(std::filesystem::path(KV_SOURCE_DIR) / "data" / "recordings" / name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  Result<Recording> recording = parse_recording(text.str());
  if (!recording) ADD_FAILURE() << name << ": " << recording.error();
  return recording ? std::move(recording).value() : Recording{};
}

Game replay_file(const std::string& name) { return replay_recording(read_recording(name)); }

// Name a profile, switch to the next and name it too, then come round the eight slots back to
// the first; leave by the title.
TEST(StoredRecordings, NamingAProfileAndSwitchingBackToIt) {
  const Game game = replay_file("naming-profiles.txt");
  const Session& s = game.session();
  // What the recorded program wrote into its save file at the end.
  EXPECT_EQ(progress_to_json(s.progress()),
            R"({"solved":0,"best":[],"music_off":false,"two_players":false,"difficulty":"Normal","slot":0,)"
            R"("name":"TILDO","others":[{"slot":1,"name":"ARNE","solved":0,"best":[]}],"all_open":false})");
  EXPECT_FALSE(s.playing());
  EXPECT_FALSE(s.name_edit().has_value());
  EXPECT_FALSE(s.state().quit_requested);  // Game::frame handed the request over to the platform
  EXPECT_EQ(state_digest(s), 0x65356ed9706134caull);
}

// Two players: cave 1 started from the title, both walk, a pause and play goes on, a restart,
// then the stored two-player run (data/recordings/two-players-cave-1.run, which kvtool
// record-run played into this recording) to the win: player 1 leaves by the first hatch,
// player 2 by the second. Then back to the title and out.
TEST(StoredRecordings, TwoPlayersWithPauseRestartAndAWin) {
  const Recording recording = read_recording("two-players-pause-restart-win.txt");
  Game game(recording.start);
  // The frame in which each thing first happened; the order is the session's story.
  std::size_t paused = 0, restarted = 0, won = 0, saved = 0;
  std::uint32_t last_tick = 0;
  for (std::size_t i = 0; i < recording.frames.size(); ++i) {
    const FrameOutput out = game.frame(recording.frames[i].input, recording.frames[i].dt);
    const Session& s = game.session();
    if (paused == 0 && s.paused()) paused = i;
    if (restarted == 0 && s.playing() && s.cave().tick < last_tick) restarted = i;
    if (won == 0 && s.cave().outcome == CaveOutcome::Won) won = i;
    if (saved == 0 && won != 0 && out.save_progress) saved = i;
    last_tick = s.cave().tick;
  }
  EXPECT_GT(paused, 0u);
  EXPECT_GT(restarted, paused);
  EXPECT_GT(won, restarted);
  EXPECT_GE(saved, won);  // the solved cave was handed to the platform to save

  const Session& s = game.session();
  EXPECT_TRUE(s.progress().two_players);
  EXPECT_EQ(s.progress().solved, 1u);
  EXPECT_FALSE(s.playing());
  EXPECT_FALSE(s.paused());
  ASSERT_EQ(s.cave().diggers.size(), 2u);
  EXPECT_EQ(s.cave().diggers[0].status, DiggerStatus::Out);
  EXPECT_EQ(s.cave().diggers[1].status, DiggerStatus::Out);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Won);
  // Replaying the file in one go reaches the same state.
  EXPECT_EQ(state_digest(replay_recording(recording).session()), state_digest(s));
  EXPECT_EQ(state_digest(s), 0x448fe633ffcf5353ull);
}

}  // namespace
}  // namespace korvedan
