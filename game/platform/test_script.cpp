// Reading the end-to-end tests' script and turning its steps into SDL events.
#include "game/platform/test_script.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "base/fatal.hpp"
#include "game/app/game.hpp"
#include "game/platform/sdl_input.hpp"

namespace korvedan {

namespace {

void push(SDL_Event event) {
  if (SDL_PushEvent(&event) < 0) fatal(std::string("test script: the event could not be pushed: ") + SDL_GetError());
}

void push_key(SDL_Window* window, const std::string& name, Uint32 type, bool repeat) {
  const std::optional<KeyCode> key = key_from_name(name);
  if (!key) fatal("test script: no key is called " + name);
  SDL_Event event{};
  event.type = type;
  event.key.windowID = SDL_GetWindowID(window);
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.scancode = scancode_of(*key);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  push(event);
}

void push_text(SDL_Window* window, const std::string& text) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = SDL_GetWindowID(window);
  SDL_strlcpy(event.text.text, text.c_str(), sizeof event.text.text);
  push(event);
}

void push_click(SDL_Window* window) {
  for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(window);
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    push(event);
  }
}

void push_finger(SDL_Window* window, const std::vector<std::string>& words) {
  if (words.size() != 5) fatal("test script: finger down|move|up ID X Y");
  SDL_Event event{};
  event.type = words[1] == "down" ? SDL_FINGERDOWN : words[1] == "up" ? SDL_FINGERUP : SDL_FINGERMOTION;
  event.tfinger.touchId = 1;
  event.tfinger.fingerId = std::stoll(words[2]);
  event.tfinger.x = std::stof(words[3]);
  event.tfinger.y = std::stof(words[4]);
  event.tfinger.pressure = 1;
  event.tfinger.windowID = SDL_GetWindowID(window);
  push(event);
}

void push_window_event(SDL_Window* window, Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = SDL_GetWindowID(window);
  event.window.event = what;
  push(event);
}

// A real invalid memory access; the undefined-behaviour sanitizer would stop it before the
// processor does.
#if defined(__GNUC__)
__attribute__((no_sanitize_undefined))
#endif
void store_through_null() {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}

// A real integer division by zero, which the processor itself refuses.
#if defined(__GNUC__)
__attribute__((no_sanitize_undefined))
#endif
void divide_by_zero() {
  // Both sides read at run time: with a known numerator of 1 the compiler compares instead of dividing.
  volatile int one = 1;
  volatile int zero = 0;
  volatile int quotient = one / zero;
  (void)quotient;
}

// Calls itself until the stack runs out; the flag that never changes keeps the compiler from
// turning the recursion into a loop or proving that it never ends.
volatile bool keep_recursing = true;
[[gnu::noinline]] std::uint64_t overflow_stack(std::uint64_t depth) {
  volatile char room[4096];
  room[depth % sizeof room] = 1;
  if (!keep_recursing) return depth;
  return overflow_stack(depth + 1) + room[0];
}

void print_state(std::uint64_t frame, const Session& session) {
  const Cave& cave = session.cave();
  std::printf("frame %llu: playing %d paused %d cave %zu", static_cast<unsigned long long>(frame),
              session.playing() ? 1 : 0, session.paused() ? 1 : 0, session.cave_index() + 1);
  for (const DiggerState& digger : cave.diggers) std::printf(" digger %d %d", digger.x, digger.y);
  std::printf(" crystals %u outcome %d music_off %d pads %u name %s\n", static_cast<unsigned>(cave.crystals),
              static_cast<int>(cave.outcome), session.progress().music_off ? 1 : 0, session.pads_in_use(),
              session.name_edit() ? session.name_edit()->c_str() : "-");
  std::fflush(stdout);
}

}  // namespace

std::unique_ptr<TestScript> TestScript::from_environment() {
  const char* path = std::getenv("KV_TEST_SCRIPT");
  if (path == nullptr) return nullptr;
  std::ifstream file(path);
  if (!file) fatal(std::string("test script: cannot read ") + path);
  auto script = std::unique_ptr<TestScript>(new TestScript());
  for (std::string line; std::getline(file, line);) {
    std::istringstream words(line);
    std::string at;
    Step step;
    if (!(words >> at) || at[0] == '#') continue;
    if (at != "at" || !(words >> step.frame)) fatal("test script: a step begins with \"at FRAME\": " + line);
    for (std::string word; words >> word;) step.words.push_back(word);
    if (step.words.empty()) fatal("test script: a step without a command: " + line);
    script->steps_.push_back(std::move(step));
  }
  return script;
}

TestScript::~TestScript() {
  if (virtual_pad_ != nullptr) SDL_JoystickClose(virtual_pad_);
}

void TestScript::run(std::uint64_t frame, const ScriptContext& context) {
  // Steps are in frame order as written; a late step runs at the first frame after its own.
  while (next_ < steps_.size() && steps_[next_].frame <= frame) perform(steps_[next_++], context);
  if (!run_keys_.empty()) tap_run(context);
}

// The tap comes before the next tick is due, so that tick takes it; a cave's tick count says
// which input is next.
void TestScript::tap_run(const ScriptContext& context) {
  const Cave& cave = context.session.cave();
  if (!context.session.playing()) return;
  if (cave.outcome != CaveOutcome::Running) {
    run_keys_.clear();  // the run is over: later caves are the script's own business
    return;
  }
  if (cave.tick == run_tapped_tick_ || cave.tick >= run_keys_.size()) return;
  run_tapped_tick_ = cave.tick;
  const std::string& key = run_keys_[cave.tick];
  if (key.empty()) return;
  push_key(context.window, key, SDL_KEYDOWN, false);
  push_key(context.window, key, SDL_KEYUP, false);
}

void TestScript::perform(const Step& step, const ScriptContext& context) {
  const std::vector<std::string>& w = step.words;
  const std::string& command = w[0];
  SDL_Window* window = context.window;
  if (command == "key" && w.size() == 2) {
    push_key(window, w[1], SDL_KEYDOWN, false);
    push_key(window, w[1], SDL_KEYUP, false);
  } else if (command == "down" && w.size() == 2) {
    push_key(window, w[1], SDL_KEYDOWN, false);
  } else if (command == "up" && w.size() == 2) {
    push_key(window, w[1], SDL_KEYUP, false);
  } else if (command == "repeat" && w.size() == 2) {
    push_key(window, w[1], SDL_KEYDOWN, true);
  } else if (command == "text" && w.size() == 2) {
    push_text(window, w[1]);
  } else if (command == "click") {
    push_click(window);
  } else if (command == "finger") {
    push_finger(window, w);
  } else if (command == "focus-lost") {
    push_window_event(window, SDL_WINDOWEVENT_FOCUS_LOST);
  } else if (command == "close") {
    push_window_event(window, SDL_WINDOWEVENT_CLOSE);
  } else if (command == "resize" && w.size() == 3) {
    SDL_SetWindowSize(window, std::stoi(w[1]), std::stoi(w[2]));
  } else if (command == "pad") {
    pad_command(w);
  } else if (command == "run" && w.size() == 2) {
    std::ifstream file(w[1]);
    if (!file) fatal("test script: cannot read the run " + w[1]);
    run_keys_.clear();
    run_tapped_tick_ = UINT32_MAX;
    for (std::string token; file >> token;) {
      static const std::pair<const char*, const char*> keys[] = {
          {"U", "ArrowUp"}, {"R", "ArrowRight"}, {"D", "ArrowDown"}, {"L", "ArrowLeft"}, {".", ""}};
      const auto found = std::find_if(std::begin(keys), std::end(keys), [&](const auto& k) { return token == k.first; });
      if (found == std::end(keys)) fatal("test script: the run holds more than plain moves: " + token);
      run_keys_.emplace_back(found->second);
    }
  } else if (command == "state") {
    print_state(step.frame, context.session);
  } else if (command == "fatal") {
    std::string message;
    for (std::size_t i = 1; i < w.size(); ++i) message += (i > 1 ? " " : "") + w[i];
    fatal(message);
  } else if (command == "segv") {
    store_through_null();
  } else if (command == "divide-by-zero") {
    divide_by_zero();
  } else if (command == "stack-overflow") {
    overflow_stack(0);
  } else if (command == "throw") {
    std::thread([] { throw std::runtime_error("thrown on another thread"); }).join();
  } else {
    fatal("test script: unknown step: " + command);
  }
}

void TestScript::pad_command(const std::vector<std::string>& w) {
  if (w.size() >= 2 && w[1] == "attach") {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.vendor_id = w.size() >= 4 ? static_cast<Uint16>(std::stoul(w[2], nullptr, 16)) : 0x1234;
    desc.product_id = w.size() >= 4 ? static_cast<Uint16>(std::stoul(w[3], nullptr, 16)) : 0x5678;
    desc.name = "Test Pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) fatal(std::string("test script: no virtual pad: ") + SDL_GetError());
    virtual_pad_ = SDL_JoystickOpen(index);
    if (virtual_pad_ == nullptr) fatal(std::string("test script: the virtual pad cannot be opened: ") + SDL_GetError());
    return;
  }
  if (virtual_pad_ == nullptr) fatal("test script: attach a pad first");
  if (w.size() == 4 && w[1] == "button") {
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(w[2].c_str());
    if (button == SDL_CONTROLLER_BUTTON_INVALID) fatal("test script: no button is called " + w[2]);
    SDL_JoystickSetVirtualButton(virtual_pad_, button, w[3] == "down" ? 1 : 0);
  } else if (w.size() == 4 && w[1] == "axis") {
    const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(w[2].c_str());
    if (axis == SDL_CONTROLLER_AXIS_INVALID) fatal("test script: no axis is called " + w[2]);
    SDL_JoystickSetVirtualAxis(virtual_pad_, axis, static_cast<Sint16>(std::stof(w[3]) * 32767.0f));
  } else {
    fatal("test script: pad attach | pad button NAME down|up | pad axis NAME VALUE");
  }
}

}  // namespace korvedan
