// Writing and reading the frames of a recorded play session, and replaying them.
#include "game/app/recording.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <optional>

#include "core/cave_digest.hpp"
#include "game/save/save_json.hpp"
#include "game/session/key_code.hpp"

namespace korvedan {

namespace {

constexpr std::size_t command_count = 8;

// A frame with any of the keys that watch a run gets five digits more, and one with help,
// fullscreen or a pad's Back four more after those; older files never have them.
constexpr std::size_t watch_command_count = 5;
constexpr std::size_t window_command_count = 4;
constexpr std::size_t all_command_count = command_count + watch_command_count + window_command_count;

std::array<bool*, all_command_count> commands(FrameInput& in) {
  return {&in.confirm,       &in.restart,   &in.back,          &in.pause,         &in.music,
          &in.players_key,   &in.name_key,  &in.open_all_key,  &in.watch_key,     &in.show_key,
          &in.space_key,     &in.right_key, &in.other_key,     &in.help_key,      &in.fullscreen_key,
          &in.pad_back_held, &in.pad_back_pressed};
}

// The fewest digits that carry every flag set.
std::span<bool* const> commands_written(const std::array<bool*, all_command_count>& all) {
  const auto any_set = [&all](std::size_t from, std::size_t to) {
    return std::any_of(all.begin() + from, all.begin() + to, [](bool* flag) { return *flag; });
  };
  const std::size_t watch_end = command_count + watch_command_count;
  const std::size_t count = any_set(watch_end, all.size()) ? all.size()
                            : any_set(command_count, watch_end) ? watch_end
                                                                : command_count;
  return std::span<bool* const>(all).first(count);
}

// Appends to a fixed buffer; what does not fit is dropped (the buffer holds the longest line).
struct LineWriter {
  std::span<char, frame_line_room> out;
  std::size_t size = 0;

  void text(std::string_view s) {
    const std::size_t n = std::min(s.size(), out.size() - size);
    std::memcpy(out.data() + size, s.data(), n);
    size += n;
  }
  void digit(bool b) { text(b ? "1" : "0"); }
  void number(unsigned long long n) {
    size = static_cast<std::size_t>(std::to_chars(out.data() + size, out.data() + out.size(), n).ptr - out.data());
  }
  void hex_float(float f) {
    size = static_cast<std::size_t>(
        std::to_chars(out.data() + size, out.data() + out.size(), f, std::chars_format::hex).ptr - out.data());
  }
};

// Reads the space-separated words of one line.
struct LineReader {
  std::string_view rest;

  std::string_view word() {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view w = rest.substr(0, end);
    rest.remove_prefix(end);
    return w;
  }
  template <class T>
  bool number(T& value) {
    const std::string_view w = word();
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
    return !w.empty() && error == std::errc() && end == w.data() + w.size();
  }
  bool hex_float(float& value) {
    const std::string_view w = word();
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value, std::chars_format::hex);
    return !w.empty() && error == std::errc() && end == w.data() + w.size();
  }
  // As many digits as there are flags, or only as many as one of the `shorter` counts.
  bool digits(std::span<bool* const> flags, std::initializer_list<std::size_t> shorter = {}) {
    const std::string_view w = word();
    if (w.size() != flags.size() && std::find(shorter.begin(), shorter.end(), w.size()) == shorter.end()) {
      return false;
    }
    for (std::size_t i = 0; i < w.size(); ++i) {
      if (w[i] != '0' && w[i] != '1') return false;
      *flags[i] = w[i] == '1';
    }
    return true;
  }
  bool dir(Dir& d) {
    unsigned code = 0;
    if (!number(code) || (code > 3 && code != 255)) return false;
    d = static_cast<Dir>(code);
    return true;
  }
};

bool parse_frame(std::string_view line, RecordedFrame& frame) {
  LineReader r{line};
  FrameInput& in = frame.input;
  if (r.word() != "frame" || !r.hex_float(frame.dt)) return false;
  const std::array<bool*, 2> grab{&in.grab_held[0], &in.grab_held[1]};
  const std::array<bool*, 2> fire{&in.fire_pressed[0], &in.fire_pressed[1]};
  if (!r.digits(grab) || !r.digits(fire)) return false;
  if (!r.dir(in.held_dir[0]) || !r.dir(in.held_dir[1]) || !r.dir(in.pressed_dir[0]) || !r.dir(in.pressed_dir[1])) {
    return false;
  }
  if (!r.digits(commands(in), {command_count, command_count + watch_command_count}) || !r.number(in.backspaces) ||
      !r.number(in.pads_in_use) || !r.number(in.pro_pads_in_use) || in.pads_in_use > 2 ||
      in.pro_pads_in_use > in.pads_in_use) {
    return false;
  }
  const std::string_view typed = r.word();
  if (typed != "-") {
    if (typed.empty() || typed.size() > in.typed.size()) return false;
    for (char c : typed) {
      if (name_character(c) != c) return false;
      in.typed[in.typed_count++] = c;
    }
  }
  const std::string_view key = r.word();
  if (!key.empty()) {
    const std::optional<KeyCode> first = key_from_name(key);
    if (!first || *first == KeyCode::Unidentified) return false;
    in.first_key = *first;
  }
  return r.word().empty();
}

}  // namespace

std::string_view frame_line(const FrameInput& input, float dt, std::span<char, frame_line_room> out) {
  LineWriter w{out};
  FrameInput copy = input;
  w.text("frame ");
  w.hex_float(dt);
  w.text(" ");
  w.digit(input.grab_held[0]);
  w.digit(input.grab_held[1]);
  w.text(" ");
  w.digit(input.fire_pressed[0]);
  w.digit(input.fire_pressed[1]);
  for (Dir d : {input.held_dir[0], input.held_dir[1], input.pressed_dir[0], input.pressed_dir[1]}) {
    w.text(" ");
    w.number(static_cast<unsigned>(d));
  }
  w.text(" ");
  const auto all = commands(copy);
  for (bool* flag : commands_written(all)) w.digit(*flag);
  for (unsigned n : {input.backspaces, unsigned{input.pads_in_use}, unsigned{input.pro_pads_in_use}}) {
    w.text(" ");
    w.number(n);
  }
  w.text(" ");
  w.text(input.typed_count == 0 ? "-" : std::string_view(input.typed.data(), input.typed_count));
  if (input.first_key != KeyCode::Unidentified) {
    w.text(" ");
    w.text(key_name(input.first_key));
  }
  return {out.data(), w.size};
}

std::unique_ptr<FrameRecorder> FrameRecorder::open(const std::string& path, const Progress& start,
                                                   std::string& error) {
  // Binary, so a recording made on Windows has the same plain line ends the reader expects.
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = std::strerror(errno);
    return nullptr;
  }
  std::fprintf(file, "%.*s\nprogress %s\n", static_cast<int>(recording_first_line.size()),
               recording_first_line.data(), progress_to_json(start).c_str());
  std::fflush(file);
  return std::unique_ptr<FrameRecorder>(new FrameRecorder(file));
}

FrameRecorder::~FrameRecorder() { std::fclose(file_); }

void FrameRecorder::record(const FrameInput& input, float dt) {
  std::array<char, frame_line_room> buffer;
  const std::string_view line = frame_line(input, dt, buffer);
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

Result<Recording> parse_recording(std::string_view text) {
  Recording recording;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++number;
    const std::string where = "recording line " + std::to_string(number) + ": ";
    if (number == 1) {
      if (line != recording_first_line) return Failure{where + "not a recording"};
    } else if (number == 2) {
      if (!line.starts_with("progress ")) return Failure{where + "no starting progress"};
      Result<Progress> start = progress_from_json(line.substr(9));
      if (!start) return Failure{where + start.error()};
      recording.start = std::move(start).value();
    } else {
      RecordedFrame frame;
      if (!parse_frame(line, frame)) return Failure{where + "not a frame"};
      recording.frames.push_back(frame);
    }
  }
  if (number < 2) return Failure{"recording: too short"};
  return recording;
}

Game replay_recording(const Recording& recording) {
  Game game(recording.start);
  for (const RecordedFrame& frame : recording.frames) game.frame(frame.input, frame.dt);
  return game;
}

std::uint64_t state_digest(const Session& session) {
  const SessionState& s = session.state();
  std::uint64_t hash = digest_start;
  digest_bytes(hash, progress_to_json(s.progress));
  digest_cave(hash, s.cave);
  for (const CaveEvent e : s.frame_events) digest_value(hash, e);
  digest_value(hash, s.name_edit.has_value());
  if (s.name_edit) digest_bytes(hash, *s.name_edit);
  digest_value(hash, std::uint64_t{s.cave_index});
  for (const float f : {s.camera.x, s.camera.y, s.tick_clock, s.screen_clock, s.end_clock, s.repeat_clock}) {
    digest_value(hash, std::bit_cast<std::uint32_t>(f));
  }
  for (const unsigned v : {s.pads_in_use, s.pro_pads_in_use, unsigned{s.latched_fire[0]},
                           unsigned{s.latched_fire[1]}, unsigned(s.latched_dir[0]), unsigned(s.latched_dir[1]),
                           unsigned{s.save_needed}, unsigned{s.playing}, unsigned{s.paused}, unsigned{s.time_up},
                           unsigned{s.quit_requested}}) {
    digest_value(hash, v);
  }
  return hash;
}

}  // namespace korvedan
