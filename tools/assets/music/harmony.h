// The harmony, in D minor: which chord each bar carries, and how the pad, the bass and the
// arpeggio spell it. Pad voicings move by step or hold common tones from chord to chord.
#pragma once

#include <array>

enum class Chord { Dm, Bb, F, C, Gm, A };

Chord chordAtBar(int bar);

// Four pad notes (MIDI) from low to high.
std::array<int, 4> padVoicing(Chord chord);

// The root in the bass register (MIDI 33 to 45).
int bassRoot(Chord chord);

// Root, third and fifth as MIDI notes in the octave from D4 up.
std::array<int, 3> triad(Chord chord);
