// Writing and reading a recorded run's file.
#include "core/recorded_run.hpp"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/levels.hpp"

namespace korvedan {

namespace {

constexpr std::size_t tokens_per_line = 32;

// The words of the first line in their places; the values are read between them.
struct FirstLineReader {
  std::string_view rest;

  std::string_view word() {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view w = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return w;
  }
  bool expect(std::string_view w) { return word() == w; }
  template <class T>
  bool number(T& value, int base = 10) {
    const std::string_view w = word();
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value, base);
    return !w.empty() && error == std::errc() && end == w.data() + w.size();
  }
};

Result<RunHeader> parse_first_line(std::string_view line) {
  FirstLineReader r{line};
  RunHeader header;
  std::size_t cave_number = 0;
  std::string_view difficulty;
  std::string_view hash;
  const bool read = r.expect("korvedan") && r.expect("run") && r.expect("cave") && r.number(cave_number) &&
                    r.expect("players") && r.number(header.players) && r.expect("difficulty") &&
                    !(difficulty = r.word()).empty() && r.expect("score") && r.number(header.score) &&
                    r.expect("hash") && (hash = r.rest).size() == 16 && r.number(header.cave_hash, 16);
  if (!read) return Failure{"line 1: not the first line of a recorded run"};
  if (cave_number < 1 || cave_number > level_count) return Failure{"line 1: no such cave"};
  if (header.players != 1 && header.players != 2) return Failure{"line 1: one or two players"};
  const std::optional<Difficulty> d = difficulty_from_word(difficulty);
  if (!d) return Failure{"line 1: no such difficulty"};
  header.cave_index = cave_number - 1;
  header.difficulty = *d;
  return header;
}

}  // namespace

std::string run_first_line(const RunHeader& h) {
  std::string hash(16, '0');  // sixteen hexadecimal digits, leading zeros kept
  char digits[16];
  char* const end = std::to_chars(digits, digits + sizeof digits, h.cave_hash, 16).ptr;
  std::copy(digits, end, hash.end() - (end - digits));
  return "korvedan run cave " + std::to_string(h.cave_index + 1) + " players " + std::to_string(h.players) +
         " difficulty " + std::string(difficulty_word(h.difficulty)) + " score " + std::to_string(h.score) +
         " hash " + hash;
}

std::string format_recorded_run(const RunHeader& header, const std::vector<TickInputs>& inputs) {
  std::string text = run_first_line(header) + '\n';
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    text += format_input_token(inputs[i][0]);
    if (header.players == 2) text += '/' + format_input_token(inputs[i][1]);
    text += (i + 1) % tokens_per_line == 0 || i + 1 == inputs.size() ? '\n' : ' ';
  }
  return text;
}

Result<RecordedRun> parse_recorded_run(std::string_view text) {
  const std::size_t end = text.find('\n');
  Result<RunHeader> header = parse_first_line(text.substr(0, end));
  if (!header) return Failure{header.error()};
  RecordedRun run{header.value(), {}};
  if (end == std::string_view::npos) return run;
  // From the first line's line feed on, so that the token reader counts lines as the file does.
  Result<std::vector<TickInputs>> inputs = parse_input_tokens(text.substr(end), run.header.players);
  if (!inputs) return Failure{inputs.error()};
  run.inputs = std::move(inputs).value();
  return run;
}

}  // namespace korvedan
