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

Game replay_file(const std::string& name) {
  std::ifstream file(std::filesystem::path(KV_SOURCE_DIR) / "data" / "recordings" / name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const Result<Recording> recording = parse_recording(text.str());
  if (!recording) ADD_FAILURE() << name << ": " << recording.error();
  return recording ? replay_recording(recording.value()) : Game(Progress{});
}

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

// Two players: start cave 1, both walk, pause and go on, restart, walk again, drop nothing
// (no dynamite in cave 1), back to the title and out.
TEST(StoredRecordings, TwoPlayersWithPauseAndRestart) {
  const Game game = replay_file("two-players-pause-restart.txt");
  const Session& s = game.session();
  EXPECT_TRUE(s.progress().two_players);
  EXPECT_FALSE(s.playing());
  EXPECT_FALSE(s.paused());
  ASSERT_EQ(s.cave().diggers.size(), 2u);
  // Where the program's test script saw them just before leaving (frame 280).
  EXPECT_EQ(s.cave().diggers[0].x, 6);
  EXPECT_EQ(s.cave().diggers[0].y, 1);
  EXPECT_EQ(s.cave().diggers[1].x, 2);
  EXPECT_EQ(s.cave().diggers[1].y, 5);
  EXPECT_EQ(s.cave().outcome, CaveOutcome::Running);
  EXPECT_EQ(state_digest(s), 0xfb8eb705f24545beull);
}

}  // namespace
}  // namespace korvedan
