// SDL's keyboard, text, mouse, touch and focus events handed to the input state.
#pragma once

#include <SDL.h>

#include "game/app/game.hpp"

namespace korvedan {

// The key at that physical position; Unidentified for keys the game does not use.
KeyCode key_from_scancode(SDL_Scancode scancode);
// The scancode of a key the game uses (SDL_SCANCODE_UNKNOWN for Unidentified).
SDL_Scancode scancode_of(KeyCode key);

// What one event meant to the game.
enum class InputEventKind { None, Player, FocusLost };

// Feeds the event into `input` if it is one the players make. `window` gives the size that
// touch positions and the swipe threshold are measured against.
InputEventKind feed_input_event(InputState& input, const SDL_Event& event, SDL_Window* window);

// Physical pixels per logical pixel of the window (1 where the two agree).
double window_scale_factor(SDL_Window* window);

}  // namespace korvedan
