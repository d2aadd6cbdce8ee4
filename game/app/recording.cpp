// Writing and reading the frames of a recorded play session, and replaying them.
#include "game/app/recording.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cerrno>
#include <cstring>

#include "game/save/save_json.hpp"

namespace korvedan {

namespace {

constexpr std::size_t command_count = 8;

std::array<bool*, command_count> commands(FrameInput& in) {
  return {&in.confirm, &in.restart, &in.back, &in.pause, &in.music, &in.players_key, &in.name_key, &in.open_all_key};
}

// Appends to a fixed buffer; what does not fit is dropped (the buffer holds the longest line).
struct LineWriter {
  std::span<char, 96> out;
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
  bool digits(std::span<bool* const> flags) {
    const std::string_view w = word();
    if (w.size() != flags.size()) return false;
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
  if (!r.digits(commands(in)) || !r.number(in.backspaces) || !r.number(in.pads_in_use) ||
      !r.number(in.pro_pads_in_use) || in.pads_in_use > 2 || in.pro_pads_in_use > in.pads_in_use) {
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
  return r.word().empty();
}

void mix(std::uint64_t& hash, std::string_view bytes) {
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;  // FNV-1a
  }
}

template <class T>
void mix_value(std::uint64_t& hash, T value) {
  std::array<char, sizeof(T)> bytes;
  std::memcpy(bytes.data(), &value, sizeof(T));
  mix(hash, std::string_view(bytes.data(), bytes.size()));
}

}  // namespace

std::string_view frame_line(const FrameInput& input, float dt, std::span<char, 96> out) {
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
  for (bool* flag : commands(copy)) w.digit(*flag);
  for (unsigned n : {input.backspaces, unsigned{input.pads_in_use}, unsigned{input.pro_pads_in_use}}) {
    w.text(" ");
    w.number(n);
  }
  w.text(" ");
  w.text(input.typed_count == 0 ? "-" : std::string_view(input.typed.data(), input.typed_count));
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
  std::array<char, 96> buffer;
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
  std::uint64_t hash = 0xcbf29ce484222325ull;
  mix(hash, progress_to_json(s.progress));
  const Cave& cave = s.cave;
  for (const Cell cell : cave.cells) {
    mix_value(hash, cell.kind);
    mix_value(hash, cell.param);
  }
  for (const std::uint8_t m : cave.last_move) mix_value(hash, m);
  for (const std::uint32_t t : cave.moved_at) mix_value(hash, t);
  for (const DiggerState& d : cave.diggers) {
    for (const std::int64_t v : {std::int64_t{d.x}, std::int64_t{d.y}, std::int64_t(d.facing),
                                 std::int64_t(d.status), std::int64_t{d.armed}, std::int64_t{d.fuse}}) {
      mix_value(hash, v);
    }
  }
  mix_value(hash, cave.wheel.has_value());
  if (cave.wheel) {
    mix_value(hash, cave.wheel->x);
    mix_value(hash, cave.wheel->y);
    mix_value(hash, cave.wheel->remaining);
  }
  for (const std::uint32_t v : {std::uint32_t(cave.timed_shifter_started), cave.timed_shifter_timer,
                                std::uint32_t(cave.width), std::uint32_t(cave.height), cave.tick, cave.crystals,
                                cave.crystals_needed, cave.time_left, cave.score, cave.creature_period,
                                cave.dynamite, cave.pickups, cave.unlit_lamps, cave.switch_timer,
                                std::uint32_t(cave.lamp_broken), std::uint32_t(cave.outcome),
                                std::uint32_t(cave.keys)}) {
    mix_value(hash, v);
  }
  for (const CaveEvent e : s.frame_events) mix_value(hash, e);
  mix_value(hash, s.name_edit.has_value());
  if (s.name_edit) mix(hash, *s.name_edit);
  mix_value(hash, std::uint64_t{s.cave_index});
  for (const float f : {s.camera.x, s.camera.y, s.tick_clock, s.screen_clock, s.end_clock, s.repeat_clock}) {
    mix_value(hash, std::bit_cast<std::uint32_t>(f));
  }
  for (const unsigned v : {s.pads_in_use, s.pro_pads_in_use, unsigned{s.latched_fire[0]},
                           unsigned{s.latched_fire[1]}, unsigned(s.latched_dir[0]), unsigned(s.latched_dir[1]),
                           unsigned{s.save_needed}, unsigned{s.playing}, unsigned{s.paused}, unsigned{s.time_up},
                           unsigned{s.quit_requested}}) {
    mix_value(hash, v);
  }
  return hash;
}

}  // namespace korvedan
