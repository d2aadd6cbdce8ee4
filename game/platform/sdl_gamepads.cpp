// Opening SDL game controllers as they arrive and reading their buttons and sticks.
#include "game/platform/sdl_gamepads.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "procon/procon_text.hpp"

namespace korvedan {

namespace {

std::string button_name(Uint8 button) {
  const char* name = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
  return name != nullptr ? name : "button " + std::to_string(button);
}

std::string axis_name(Uint8 axis) {
  const char* name = SDL_GameControllerGetStringForAxis(static_cast<SDL_GameControllerAxis>(axis));
  return name != nullptr ? name : "axis " + std::to_string(axis);
}

}  // namespace

float axis_value(Sint16 raw) { return std::clamp(static_cast<float>(raw) / 32767.0f, -1.0f, 1.0f); }

std::unique_ptr<SdlGamepads> SdlGamepads::start(std::string& error) {
  // Pads are read whether or not the window has the focus, like the Pro Controller.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  return std::unique_ptr<SdlGamepads>(new SdlGamepads());
}

SdlGamepads::~SdlGamepads() {
  for (const OpenPad& pad : open_) SDL_GameControllerClose(pad.controller);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::vector<std::string> SdlGamepads::known_pads() const {
  std::vector<std::string> lines;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    const char* name = SDL_JoystickNameForIndex(i);
    lines.push_back("  " + std::to_string(SDL_JoystickGetDeviceInstanceID(i)) + ": " + (name ? name : "?") + " (" +
                    hex_u16(SDL_JoystickGetDeviceVendor(i)) + ":" + hex_u16(SDL_JoystickGetDeviceProduct(i)) +
                    "), mapping from " + (SDL_IsGameController(i) ? "SDL's controller mappings" : "nowhere") +
                    ", connected: true");
  }
  return lines;
}

void SdlGamepads::open(int device_index) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
  if (std::any_of(open_.begin(), open_.end(), [id](const OpenPad& pad) { return pad.id == id; })) return;
  SDL_GameController* controller = SDL_GameControllerOpen(device_index);
  if (controller == nullptr) {
    pending_.push_back({std::to_string(id), std::string("could not be opened: ") + SDL_GetError()});
    return;
  }
  open_.push_back({id, controller});
  pending_.push_back({std::to_string(id), "Connected"});
}

void SdlGamepads::on_event(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      open(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED: {
      const SDL_JoystickID id = event.cdevice.which;
      const auto found = std::find_if(open_.begin(), open_.end(), [id](const OpenPad& pad) { return pad.id == id; });
      if (found == open_.end()) break;
      SDL_GameControllerClose(found->controller);
      open_.erase(found);
      pending_.push_back({std::to_string(id), "Disconnected"});
      break;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      pending_.push_back({std::to_string(event.cbutton.which),
                          std::string(event.type == SDL_CONTROLLERBUTTONDOWN ? "ButtonPressed(" : "ButtonReleased(") +
                              button_name(event.cbutton.button) + ")"});
      break;
    case SDL_CONTROLLERAXISMOTION: {
      char value[16];
      std::snprintf(value, sizeof value, "%.3f", static_cast<double>(axis_value(event.caxis.value)));
      pending_.push_back({std::to_string(event.caxis.which), "AxisChanged(" + axis_name(event.caxis.axis) + ", " +
                                                                 value + ")"});
      break;
    }
    default:
      break;
  }
}

std::vector<GamepadEvent> SdlGamepads::drain_events() {
  std::vector<GamepadEvent> events;
  events.swap(pending_);
  return events;
}

const std::vector<GamepadSnapshot>& SdlGamepads::gamepads() {
  // Written over in place: once the pads are known, their texts fit the storage they have.
  std::vector<GamepadSnapshot>& pads = snapshots_;
  pads.resize(open_.size());
  for (std::size_t i = 0; i < open_.size(); ++i) {
    const OpenPad& open = open_[i];
    SDL_GameController* c = open.controller;
    const auto button = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
    const auto axis = [c](SDL_GameControllerAxis a) { return axis_value(SDL_GameControllerGetAxis(c, a)); };
    GamepadSnapshot& pad = pads[i];
    char id[16];
    const auto [id_end, id_error] = std::to_chars(id, id + sizeof id, open.id);
    (void)id_error;  // 16 characters hold every 32-bit id
    pad.id.assign(id, id_end);
    const char* name = SDL_GameControllerName(c);
    pad.name.assign(name != nullptr ? name : "");
    pad.vendor = SDL_GameControllerGetVendor(c);
    pad.product = SDL_GameControllerGetProduct(c);
    pad.connected = SDL_GameControllerGetAttached(c) == SDL_TRUE;
    pad.dpad_up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    pad.dpad_right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    pad.dpad_down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    pad.dpad_left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    pad.stick_x = axis(SDL_CONTROLLER_AXIS_LEFTX);
    pad.stick_y = -axis(SDL_CONTROLLER_AXIS_LEFTY);  // SDL's y grows downward
    pad.south = button(SDL_CONTROLLER_BUTTON_A);
    pad.east = button(SDL_CONTROLLER_BUTTON_B);
    pad.west = button(SDL_CONTROLLER_BUTTON_X);
    pad.north = button(SDL_CONTROLLER_BUTTON_Y);
    pad.start = button(SDL_CONTROLLER_BUTTON_START);
    pad.select = button(SDL_CONTROLLER_BUTTON_BACK);
    pad.left_shoulder = button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    pad.right_shoulder = button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    pad.left_trigger = axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    pad.right_trigger = axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
  }
  return pads;
}

}  // namespace korvedan
