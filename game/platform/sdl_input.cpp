// Translating SDL events into the input state: one table of the scancodes the game uses.
#include "game/platform/sdl_input.hpp"

#include <array>
#include <utility>

namespace korvedan {

namespace {

// SDL scancodes are physical positions, like the W3C code names the game speaks.
constexpr std::array<std::pair<SDL_Scancode, KeyCode>, 26> scancode_table{{
    {SDL_SCANCODE_UP, KeyCode::ArrowUp},
    {SDL_SCANCODE_RIGHT, KeyCode::ArrowRight},
    {SDL_SCANCODE_DOWN, KeyCode::ArrowDown},
    {SDL_SCANCODE_LEFT, KeyCode::ArrowLeft},
    {SDL_SCANCODE_W, KeyCode::KeyW},
    {SDL_SCANCODE_D, KeyCode::KeyD},
    {SDL_SCANCODE_S, KeyCode::KeyS},
    {SDL_SCANCODE_A, KeyCode::KeyA},
    {SDL_SCANCODE_RSHIFT, KeyCode::ShiftRight},
    {SDL_SCANCODE_LSHIFT, KeyCode::ShiftLeft},
    {SDL_SCANCODE_SPACE, KeyCode::Space},
    {SDL_SCANCODE_RETURN, KeyCode::Enter},
    {SDL_SCANCODE_KP_ENTER, KeyCode::NumpadEnter},
    {SDL_SCANCODE_RCTRL, KeyCode::ControlRight},
    {SDL_SCANCODE_Q, KeyCode::KeyQ},
    {SDL_SCANCODE_LCTRL, KeyCode::ControlLeft},
    {SDL_SCANCODE_R, KeyCode::KeyR},
    {SDL_SCANCODE_ESCAPE, KeyCode::Escape},
    {SDL_SCANCODE_P, KeyCode::KeyP},
    {SDL_SCANCODE_M, KeyCode::KeyM},
    {SDL_SCANCODE_TAB, KeyCode::Tab},
    {SDL_SCANCODE_N, KeyCode::KeyN},
    {SDL_SCANCODE_F9, KeyCode::F9},
    {SDL_SCANCODE_BACKSPACE, KeyCode::Backspace},
    {SDL_SCANCODE_V, KeyCode::KeyV},
    {SDL_SCANCODE_H, KeyCode::KeyH},
}};

TouchPhase touch_phase(Uint32 type) {
  switch (type) {
    case SDL_FINGERDOWN: return TouchPhase::Started;
    case SDL_FINGERUP: return TouchPhase::Ended;
    default: return TouchPhase::Moved;
  }
}

}  // namespace

KeyCode key_from_scancode(SDL_Scancode scancode) {
  for (const auto& [code, key] : scancode_table) {
    if (code == scancode) return key;
  }
  return KeyCode::Unidentified;
}

SDL_Scancode scancode_of(KeyCode key) {
  for (const auto& [code, known] : scancode_table) {
    if (known == key) return code;
  }
  return SDL_SCANCODE_UNKNOWN;
}

double window_scale_factor(SDL_Window* window) {
  int logical_w = 0, logical_h = 0, pixel_w = 0, pixel_h = 0;
  SDL_GetWindowSize(window, &logical_w, &logical_h);
  SDL_GetWindowSizeInPixels(window, &pixel_w, &pixel_h);
  if (logical_w <= 0 || pixel_w <= 0) return 1.0;
  return static_cast<double>(pixel_w) / logical_w;
}

InputEventKind feed_input_event(InputState& input, const SDL_Event& event, SDL_Window* window) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      input.on_key(key_from_scancode(event.key.keysym.scancode), event.type == SDL_KEYDOWN, event.key.repeat != 0);
      return InputEventKind::Player;
    case SDL_TEXTINPUT:
      input.on_text(event.text.text);
      return InputEventKind::Player;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      // SDL also reports touches as mouse clicks; the touch itself already counts.
      if (event.button.which == SDL_TOUCH_MOUSEID) return InputEventKind::None;
      if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) input.on_left_click();
      return InputEventKind::Player;
    case SDL_FINGERDOWN:
    case SDL_FINGERUP:
    case SDL_FINGERMOTION: {
      int w = 0, h = 0;
      if (window != nullptr) SDL_GetWindowSizeInPixels(window, &w, &h);
      const double scale = window != nullptr ? window_scale_factor(window) : 1.0;
      input.on_touch(static_cast<std::int64_t>(event.tfinger.fingerId), touch_phase(event.type),
                     static_cast<double>(event.tfinger.x) * w, static_cast<double>(event.tfinger.y) * h, scale);
      return InputEventKind::Player;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        input.on_focus_lost();
        return InputEventKind::FocusLost;
      }
      return InputEventKind::None;
    default:
      return InputEventKind::None;
  }
}

}  // namespace korvedan
