// The game as the platform sees it: a frame's input in, what to act on out, a read-only view.
#pragma once

#include "art/canvas.hpp"
#include "art/sprite_sheet.hpp"
#include <optional>
#include <utility>

#include "core/progress.hpp"
#include "game/session/input.hpp"
#include "game/session/input_records.hpp"
#include "game/session/key_bindings.hpp"
#include "game/session/session.hpp"
#include "game/session/sound_dispatch.hpp"
#include "game/save/run_files.hpp"

namespace korvedan {

// What the platform must do after a frame.
struct FrameOutput {
  FrameEffects effects;        // to the synthesiser, in order
  bool music_on = true;        // the synthesiser's music flag
  bool save_progress = false;  // the progress changed: write the save file
  bool quit = false;           // the player left by the title
  bool fullscreen = false;     // the window covers the screen
  std::uint8_t music_volume = volume_steps;    // 0..10
  std::uint8_t effects_volume = volume_steps;  // 0..10
  KeyBindings keys;            // the players' keys, for the input state

  bool operator==(const FrameOutput&) const = default;
};

// The running game. The platform feeds it frames and draws what it shows; everything else
// about the game stays behind this class, the players' run files too: a won cave's run is
// written and V's run is read here, in the frame, so the platform only says at the start
// where they live (`runs`; without it no run is kept and V finds none).
class Game {
 public:
  explicit Game(Progress progress, std::optional<RunFiles> runs = std::nullopt)
      : session_(std::move(progress)), runs_(std::move(runs)) {}

  // One drawn frame; `dt` is the frame time in seconds, already capped by the caller.
  FrameOutput frame(const FrameInput& input, float dt);
  // Paints the whole canvas for the current screen.
  void draw(Canvas& canvas, const SpriteSheet& sprites) const;
  // Read-only, for the pictures, the save file and the tests.
  const Session& session() const { return session_; }
  // The window, the sound and the keys as the settings want them, before the first frame.
  FrameOutput settings_output() const;

 private:
  void watch_own_run();

  Session session_;
  std::optional<RunFiles> runs_;
};

}  // namespace korvedan
