// kvtool trace: plays a cave tick by tick from recorded inputs and prints each tick as JSON.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/input_tokens.hpp"
#include "core/levels.hpp"
#include "core/parse.hpp"
#include "tools/cave_args.hpp"
#include "tools/command.hpp"

namespace korvedan::tool {
namespace {

constexpr std::string_view name = "trace";

bool read_text(const std::string& path, std::string& text) {
  std::stringstream buffer;
  if (path == "-") {
    buffer << std::cin.rdbuf();
  } else {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    buffer << in.rdbuf();
  }
  text = buffer.str();
  return true;
}

// One row per line; the newline after the last row does not start another one.
std::vector<std::string> split_rows(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      rows.push_back(text.substr(start));
      break;
    }
    rows.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return rows;
}

bool read_u32(std::string_view text, std::uint32_t& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

void append_hex(std::string& out, unsigned value, int digits) {
  constexpr char hex[] = "0123456789abcdef";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += hex[(value >> shift) & 15];
}

std::string trace_line(const Cave& cave, const EventList& events) {
  std::string line = "{\"tick\":" + std::to_string(cave.tick) + ",\"events\":[";
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (i > 0) line += ',';
    line += std::to_string(static_cast<int>(events[i]));
  }
  line += "],\"crystals\":" + std::to_string(cave.crystals) + ",\"score\":" + std::to_string(cave.score) +
          ",\"time_left\":" + std::to_string(cave.time_left) +
          ",\"outcome\":" + std::to_string(static_cast<int>(cave.outcome)) +
          ",\"dynamite\":" + std::to_string(cave.dynamite) + ",\"keys\":" + std::to_string(cave.keys) +
          ",\"unlit_lamps\":" + std::to_string(cave.unlit_lamps) +
          ",\"lamp_broken\":" + (cave.lamp_broken ? "1" : "0") +
          ",\"switch_timer\":" + std::to_string(cave.switch_timer) + ",\"diggers\":[";
  for (std::size_t i = 0; i < cave.diggers.size(); ++i) {
    const DiggerState& d = cave.diggers[i];
    if (i > 0) line += ',';
    line += '[' + std::to_string(d.x) + ',' + std::to_string(d.y) + ',' +
            std::to_string(static_cast<int>(d.facing)) + ',' + std::to_string(static_cast<int>(d.status)) + ',' +
            (d.armed ? "1" : "0") + ',' + std::to_string(d.fuse) + ']';
  }
  line += "],\"cells\":\"";
  line.reserve(line.size() + cave.cells.size() * 4 + 3);
  for (const Cell& cell : cave.cells) {
    append_hex(line, static_cast<unsigned>(cell.kind), 2);
    append_hex(line, cell.param, 2);
  }
  line += "\"}\n";
  return line;
}

int run_trace(const Args& args) {
  std::vector<std::string> positional;
  std::optional<std::uint32_t> crystals, time;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--crystals" || a == "--time") {
      std::uint32_t value = 0;
      if (i + 1 >= args.size() || !read_u32(args[i + 1], value)) {
        return usage_error(name, a + " needs a whole number");
      }
      (a == "--crystals" ? crystals : time) = value;
      ++i;
    } else if (a.size() > 1 && a.rfind("--", 0) == 0) {
      return usage_error(name, "unknown option \"" + a + "\"");
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 4) return usage_error(name, "expected CAVE DIFFICULTY PLAYERS INPUTS");
  const std::string& cave_arg = positional[0];
  const auto difficulty = difficulty_arg(positional[1]);
  if (!difficulty) return usage_error(name, "difficulty must be easy, normal or hard, not \"" + positional[1] + "\"");
  if (positional[2] != "1" && positional[2] != "2") {
    return usage_error(name, "players must be 1 or 2, not \"" + positional[2] + "\"");
  }
  const int players = positional[2] == "1" ? 1 : 2;
  const std::string& inputs_path = positional[3];
  if (cave_arg == "-" && inputs_path == "-") return usage_error(name, "the cave and the inputs cannot both be standard input");

  // A cave number means the built-in cave with its table values; anything else is a file.
  std::vector<std::string> file_rows;
  std::vector<std::string_view> row_views;
  LevelEntry level;
  std::string cave_label = cave_arg;
  if (const auto index = cave_index_arg(cave_arg)) {
    level = level_entry(*index);
    cave_label = "cave " + cave_arg;
  } else {
    std::string text;
    if (!read_text(cave_arg, text)) {
      std::cerr << "kvtool trace: " << cave_arg << ": cannot be read\n";
      return 2;
    }
    file_rows = split_rows(text);
    row_views.assign(file_rows.begin(), file_rows.end());
    level = LevelEntry{cave_arg, row_views, 0, 1000};
  }
  if (crystals) level.crystals_needed = *crystals;
  if (time) level.time = *time;
  Result<Cave> parsed = parse_cave(level, players, *difficulty);
  if (!parsed) {
    std::cerr << "kvtool trace: " << cave_label << ": " << parsed.error() << "\n";
    return 2;
  }

  std::string input_text;
  if (!read_text(inputs_path, input_text)) {
    std::cerr << "kvtool trace: " << inputs_path << ": cannot be read\n";
    return 2;
  }
  const auto inputs = parse_input_tokens(input_text, players);
  if (!inputs) {
    std::cerr << "kvtool trace: " << (inputs_path == "-" ? "standard input" : inputs_path) << ": "
              << inputs.error() << "\n";
    return 2;
  }

  Cave& cave = parsed.value();
  EventList events;
  for (const TickInputs& input : inputs.value()) {
    events.clear();
    tick(cave, input[0], input[1], events);
    const std::string line = trace_line(cave, events);
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

KV_COMMAND(trace, "trace", "CAVE DIFFICULTY PLAYERS INPUTS [--crystals N] [--time T]", run_trace);

}  // namespace
}  // namespace korvedan::tool
