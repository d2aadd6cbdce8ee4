// Translating SDL events into the input state: one table of the scancodes the game uses.
#include "game/platform/sdl_input.hpp"

#include <array>
#include <utility>

namespace korvedan {

namespace {

// SDL scancodes are physical positions, like the W3C code names the game speaks.
constexpr std::array<std::pair<SDL_Scancode, KeyCode>, 91> scancode_table{{
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
    {SDL_SCANCODE_B, KeyCode::KeyB},
    {SDL_SCANCODE_C, KeyCode::KeyC},
    {SDL_SCANCODE_E, KeyCode::KeyE},
    {SDL_SCANCODE_F, KeyCode::KeyF},
    {SDL_SCANCODE_G, KeyCode::KeyG},
    {SDL_SCANCODE_H, KeyCode::KeyH},
    {SDL_SCANCODE_I, KeyCode::KeyI},
    {SDL_SCANCODE_J, KeyCode::KeyJ},
    {SDL_SCANCODE_K, KeyCode::KeyK},
    {SDL_SCANCODE_L, KeyCode::KeyL},
    {SDL_SCANCODE_O, KeyCode::KeyO},
    {SDL_SCANCODE_T, KeyCode::KeyT},
    {SDL_SCANCODE_U, KeyCode::KeyU},
    {SDL_SCANCODE_V, KeyCode::KeyV},
    {SDL_SCANCODE_X, KeyCode::KeyX},
    {SDL_SCANCODE_Y, KeyCode::KeyY},
    {SDL_SCANCODE_Z, KeyCode::KeyZ},
    {SDL_SCANCODE_0, KeyCode::Digit0},
    {SDL_SCANCODE_1, KeyCode::Digit1},
    {SDL_SCANCODE_2, KeyCode::Digit2},
    {SDL_SCANCODE_3, KeyCode::Digit3},
    {SDL_SCANCODE_4, KeyCode::Digit4},
    {SDL_SCANCODE_5, KeyCode::Digit5},
    {SDL_SCANCODE_6, KeyCode::Digit6},
    {SDL_SCANCODE_7, KeyCode::Digit7},
    {SDL_SCANCODE_8, KeyCode::Digit8},
    {SDL_SCANCODE_9, KeyCode::Digit9},
    {SDL_SCANCODE_F1, KeyCode::F1},
    {SDL_SCANCODE_F2, KeyCode::F2},
    {SDL_SCANCODE_F3, KeyCode::F3},
    {SDL_SCANCODE_F4, KeyCode::F4},
    {SDL_SCANCODE_F5, KeyCode::F5},
    {SDL_SCANCODE_F6, KeyCode::F6},
    {SDL_SCANCODE_F7, KeyCode::F7},
    {SDL_SCANCODE_F8, KeyCode::F8},
    {SDL_SCANCODE_F10, KeyCode::F10},
    {SDL_SCANCODE_F11, KeyCode::F11},
    {SDL_SCANCODE_F12, KeyCode::F12},
    {SDL_SCANCODE_LALT, KeyCode::AltLeft},
    {SDL_SCANCODE_RALT, KeyCode::AltRight},
    {SDL_SCANCODE_MINUS, KeyCode::Minus},
    {SDL_SCANCODE_EQUALS, KeyCode::Equal},
    {SDL_SCANCODE_LEFTBRACKET, KeyCode::BracketLeft},
    {SDL_SCANCODE_RIGHTBRACKET, KeyCode::BracketRight},
    {SDL_SCANCODE_BACKSLASH, KeyCode::Backslash},
    {SDL_SCANCODE_SEMICOLON, KeyCode::Semicolon},
    {SDL_SCANCODE_APOSTROPHE, KeyCode::Quote},
    {SDL_SCANCODE_GRAVE, KeyCode::Backquote},
    {SDL_SCANCODE_COMMA, KeyCode::Comma},
    {SDL_SCANCODE_PERIOD, KeyCode::Period},
    {SDL_SCANCODE_SLASH, KeyCode::Slash},
    {SDL_SCANCODE_INSERT, KeyCode::Insert},
    {SDL_SCANCODE_DELETE, KeyCode::Delete},
    {SDL_SCANCODE_HOME, KeyCode::Home},
    {SDL_SCANCODE_END, KeyCode::End},
    {SDL_SCANCODE_PAGEUP, KeyCode::PageUp},
    {SDL_SCANCODE_PAGEDOWN, KeyCode::PageDown},
    {SDL_SCANCODE_KP_0, KeyCode::Numpad0},
    {SDL_SCANCODE_KP_1, KeyCode::Numpad1},
    {SDL_SCANCODE_KP_2, KeyCode::Numpad2},
    {SDL_SCANCODE_KP_3, KeyCode::Numpad3},
    {SDL_SCANCODE_KP_4, KeyCode::Numpad4},
    {SDL_SCANCODE_KP_5, KeyCode::Numpad5},
    {SDL_SCANCODE_KP_6, KeyCode::Numpad6},
    {SDL_SCANCODE_KP_7, KeyCode::Numpad7},
    {SDL_SCANCODE_KP_8, KeyCode::Numpad8},
    {SDL_SCANCODE_KP_9, KeyCode::Numpad9},
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
