// The background tune: the bar table of melody texts and chords, and the lead parser.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.hpp"
#include "sound/notes.hpp"

namespace korvedan {

// One step of the parsed melody.
struct LeadStep {
  std::uint32_t sounding = 0;  // 1 while the lead plays in this step, 0 in a rest
  NoteNumber note = 0;         // meaningful only while sounding
  std::uint32_t age = 0;       // steps since the note was struck
  bool operator==(const LeadStep&) const = default;
};

// One bar: sixteen tokens of melody text and a chord as three semitones counted from C.
struct Bar {
  std::string_view melody;
  std::array<std::uint32_t, 3> chord;
};

// The sixteen bars, played 0 to 15 and round again.
std::span<const Bar> bar_table();

// A note name such as "E5", "C#5" or "C-1"; nothing when the token is not one.
std::optional<NoteNumber> parse_note_name(std::string_view token);

// The lead of all bars as one stream of tokens (a held note carries over a bar line).
// A token that is neither ".", "-" nor a note name is a fault in the tune data.
std::vector<LeadStep> parse_lead(std::span<const Bar> bars);
// The same, with the fault as a value instead of a stop.
Result<std::vector<LeadStep>> try_parse_lead(std::span<const Bar> bars);

}  // namespace korvedan
