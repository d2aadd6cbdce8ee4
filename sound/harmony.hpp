// What the chord table gives besides the lead: the bass line, the arpeggio and the drums.
#pragma once

#include <cstdint>

#include "sound/notes.hpp"
#include "sound/tune.hpp"

namespace korvedan {

// The bass note of loop step s (0 to 255): root, then an octave, a fifth late in the bar.
NoteNumber bass_note(const Bar& bar, int step);
// The arpeggio note at loop time T: the chord one octave above middle C, a note per 20 ms.
NoteNumber arpeggio_note(const Bar& bar, float loop_time);

// The drum pattern by loop step.
bool kick_at(int step);
bool snare_at(int step);
bool hat_at(int step);

}  // namespace korvedan
