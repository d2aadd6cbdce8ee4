// Ordinary gamepads through SDL's game controller API.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "game/app/game.hpp"

namespace korvedan {

class SdlGamepads final : public GamepadSource {
 public:
  // Starts SDL's game controller subsystem; null with the reason in `error` when it does not.
  static std::unique_ptr<SdlGamepads> start(std::string& error);
  ~SdlGamepads() override;
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // One line per gamepad known at start: "  ID: NAME (vvvv:pppp), mapping from …, connected: …".
  std::vector<std::string> known_pads() const;

  // Opens and closes pads as they come and go, and keeps their events for the log.
  void on_event(const SDL_Event& event);

  std::vector<GamepadEvent> drain_events() override;
  const std::vector<GamepadSnapshot>& gamepads() override;

 private:
  SdlGamepads() = default;
  void open(int device_index);

  struct OpenPad {
    SDL_JoystickID id;
    SDL_GameController* controller;
  };
  std::vector<OpenPad> open_;  // in the order they came
  std::vector<GamepadEvent> pending_;
  std::vector<GamepadSnapshot> snapshots_;  // what gamepads() last read, storage kept
};

// An SDL axis value as −1..1.
float axis_value(Sint16 raw);

}  // namespace korvedan
