// The bar table and the parser of its melody notation.
#include "sound/tune.hpp"

#include <charconv>
#include <limits>

#include "base/fatal.hpp"
#include "sound/timing.hpp"

namespace korvedan {

namespace {

constexpr std::string_view bar0 = "E5 . E5 . G5 - E5 . C5 - D5 - E5 - - .";
constexpr std::string_view bar1 = "D5 . D5 . G5 - D5 . B4 - C5 - D5 - - .";
constexpr std::string_view bar8 = "A5 - - - F5 - A5 - C6 - - - A5 - - .";

constexpr std::array<std::uint32_t, 3> chord_c{0, 4, 7};
constexpr std::array<std::uint32_t, 3> chord_g{7, 11, 14};
constexpr std::array<std::uint32_t, 3> chord_a_minor{9, 12, 16};
constexpr std::array<std::uint32_t, 3> chord_f{5, 9, 12};
constexpr std::array<std::uint32_t, 3> chord_e_minor{4, 7, 11};

constexpr std::array<Bar, bar_count> bars{{
    {bar0, chord_c},
    {bar1, chord_g},
    {"C5 . C5 . E5 - C5 . A4 - B4 - C5 - E5 -", chord_a_minor},
    {"F5 - E5 - D5 - C5 - A4 - C5 - D5 - - .", chord_f},
    {bar0, chord_c},
    {bar1, chord_g},
    {"A5 - G5 - F5 - E5 - F5 - - - A4 - C5 -", chord_f},
    {"D5 - E5 - F5 - G5 - - - - . G5 . G5 .", chord_g},
    {bar8, chord_f},
    {"G5 - - - D5 - G5 - B5 - - - G5 - - .", chord_g},
    {"G5 - - - E5 - G5 - B5 - A5 - G5 - E5 -", chord_e_minor},
    {"A5 - - - - - E5 - C5 - E5 - A5 - - .", chord_a_minor},
    {bar8, chord_f},
    {"B5 - - - G5 - B5 - D6 - - - B5 - - .", chord_g},
    {"C6 - - - G5 - E5 - G5 - C6 - - - G5 -", chord_c},
    {"E5 - C5 - G4 - C5 - E5 - G5 - C6 - - .", chord_c},
}};

constexpr std::string_view bad_token = "lead notes are note names";

// Semitone of an upper-case note letter, or -1.
int semitone_of(char letter) {
  switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
  }
}

// A decimal integer with an optional sign that fits 32 bits.
std::optional<std::int64_t> parse_octave(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Unsigned, so a second sign is not a number; 32 bits hold the most negative magnitude.
  std::uint32_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude);
  if (error != std::errc() || stop != end || magnitude > std::uint32_t{1} << 31) return std::nullopt;
  const std::int64_t value = negative ? -std::int64_t{magnitude} : std::int64_t{magnitude};
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return value;
}

}  // namespace

std::span<const Bar> bar_table() { return bars; }

std::optional<NoteNumber> parse_note_name(std::string_view token) {
  if (token.empty()) return std::nullopt;
  int semitone = semitone_of(token.front());
  if (semitone < 0) return std::nullopt;
  token.remove_prefix(1);
  if (!token.empty() && token.front() == '#') {
    semitone += 1;
    token.remove_prefix(1);
  }
  std::optional<std::int64_t> octave = parse_octave(token);
  if (!octave) return std::nullopt;
  // An octave that fits 32 bits can still carry the note number past them: no note either.
  std::int64_t note = semitone + 12 * *octave;
  if (note < std::numeric_limits<NoteNumber>::min() || note > std::numeric_limits<NoteNumber>::max()) {
    return std::nullopt;
  }
  return static_cast<NoteNumber>(note);
}

Result<std::vector<LeadStep>> try_parse_lead(std::span<const Bar> bars_to_parse) {
  std::vector<LeadStep> steps;
  steps.reserve(loop_steps);
  // The running state crosses bar lines.
  std::uint32_t sounding = 0;
  NoteNumber note = 0;  // an unset note counts as 0
  std::uint32_t age = 0;
  for (const Bar& bar : bars_to_parse) {
    std::string_view rest = bar.melody;
    while (true) {
      std::size_t space = rest.find(' ');
      std::string_view token = rest.substr(0, space);
      if (token == ".") {
        sounding = 0;
        age = 0;
      } else if (token == "-") {
        age += 1;
      } else if (std::optional<NoteNumber> parsed = parse_note_name(token)) {
        sounding = 1;
        note = *parsed;
        age = 0;
      } else {
        return Failure{std::string(bad_token)};
      }
      steps.push_back(LeadStep{sounding, note, age});
      if (space == std::string_view::npos) break;
      rest.remove_prefix(space + 1);
    }
  }
  return steps;
}

std::vector<LeadStep> parse_lead(std::span<const Bar> bars_to_parse) {
  Result<std::vector<LeadStep>> parsed = try_parse_lead(bars_to_parse);
  if (!parsed) fatal(parsed.error());
  return std::move(parsed).value();
}

}  // namespace korvedan
