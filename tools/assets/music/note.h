// One note of the score: when, how long, which pitch, how hard and where in the stereo field.
#pragma once

#include <vector>

struct Note {
  float start;     // seconds from the beginning of the piece
  float length;    // seconds the gate stays open (the release rings on after it)
  float pitch;     // MIDI note number
  float velocity;  // 0 to 1
  float pan = 0.0f;
};

using NoteList = std::vector<Note>;
