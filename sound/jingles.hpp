// The three short note lists the jingle effects step through, and their lookup.
#pragma once

#include <span>

#include "sound/notes.hpp"

namespace korvedan {

struct JingleNote {
  NoteNumber note;
  float seconds;
};

std::span<const JingleNote> hatch_jingle();
std::span<const JingleNote> won_fanfare();
std::span<const JingleNote> short_rise();

struct JinglePlace {
  NoteNumber note;
  float since_note;  // seconds since the current note began
};

// The note sounding t seconds into the jingle; past its end the last note goes on.
JinglePlace jingle_at(std::span<const JingleNote> jingle, float t);

}  // namespace korvedan
