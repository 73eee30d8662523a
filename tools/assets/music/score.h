// The score: every note of every instrument over the whole piece, and the curves that shape the
// sections (the ocean's fade-in and build-up, the beat, the forest breakdown, the final scene).
#pragma once

#include "automation.h"
#include "instruments.h"
#include "note.h"

struct Score {
  NoteList pad;
  NoteList pulse;
  NoteList glitter;
  NoteList kick;
  NoteList closedHat;
  NoteList openHat;
  NoteList clap;
  NoteList bass;
  NoteList arpeggio;
  NoteList bell;
  NoteList lead;
  NoteList leadHigh;
  NoteList riser;
  NoteList crash;

  PadControls padControls;
  SwellControls swellControls;
  SweepControls pulseControls;
  SweepControls bassControls;
  SweepControls arpeggioControls;
  Curve masterGain;
};

Score buildScore();

// Parts of the score, one file each: the harmony-driven parts, the rhythm section, the melodies.
void addPadChords(Score& score);
void addOceanParts(Score& score);
void addRhythmSection(Score& score);
void addArpeggios(Score& score);
void addBells(Score& score);
void addLeadMelody(Score& score);
