// Helpers the instruments share: where a note starts in frames, the control rate at which
// filters and curves are updated, and the trance-gate shape.
#pragma once

#include "dsp.h"
#include "instruments.h"

// Cutoffs and curves change every this many frames (0.7 ms), far below what the ear resolves.
constexpr int kControlFrames = 32;

inline int noteStartFrame(const Note& note) { return secondsToFrames(note.start); }

inline float frameSeconds(int frame) { return static_cast<float>(frame) / kSampleRateHz; }

// Places one mono sample by the note's own pan; a centred note keeps its level.
inline void addPanned(Channel& out, int frame, float sample, const PanGains& pan) {
  constexpr float kCentreCompensation = 1.41421356f;
  out.addStereo(frame, sample * pan.left * kCentreCompensation,
                sample * pan.right * kCentreCompensation);
}

// Target gain of a gate pattern at a moment; callers smooth it to avoid clicks.
float gateTarget(const GatePattern& gate, float seconds);
