// The instruments of the soundtrack. Each renders its notes (or its span of time) into a channel
// strip; time-varying settings come as curves over the piece's seconds.
#pragma once

#include "automation.h"
#include "mixer.h"
#include "note.h"

// Sixteenth-note on/off pattern that chops a sustained sound, for a span of the piece.
struct GatePattern {
  float start;
  float end;
  unsigned bits;  // bit 15 is the first sixteenth of the bar
  float depth;    // 0: no effect, 1: fully silent when off
};

struct PadControls {
  Curve level;
  Curve cutoffHz;
  GatePattern gate;
};

struct SwellControls {
  float start;
  float end;
  Curve level;
  float periodSeconds;  // one wave: rise, break and fall back
};

struct SweepControls {
  Curve level;
  Curve cutoffHz;
};

void renderPad(const NoteList& notes, const PadControls& controls, Channel& out);
void renderNoiseSwell(const SwellControls& controls, Channel& out);
void renderPulse(const NoteList& notes, const SweepControls& controls, Channel& out);
void renderKick(const NoteList& notes, Channel& out);
void renderHat(const NoteList& notes, float decaySeconds, Channel& out);
void renderClap(const NoteList& notes, Channel& out);
void renderBass(const NoteList& notes, const SweepControls& controls, Channel& out);
void renderArpeggio(const NoteList& notes, const SweepControls& controls, Channel& out);
void renderBell(const NoteList& notes, float decaySeconds, Channel& out);
void renderLead(const NoteList& notes, Channel& out);
void renderRiser(const NoteList& notes, Channel& out);
void renderCrash(const NoteList& notes, Channel& out);
