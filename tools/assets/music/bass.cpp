// The bass: a saw with a sine an octave below for weight, through a resonant lowpass that snaps
// open at each note and closes within a sixteenth; kept mono in the centre.

#include <cmath>

#include "envelope.h"
#include "filter.h"
#include "instrument_util.h"
#include "oscillator.h"

namespace {

constexpr Adsr kBassShape{0.002f, 0.3f, 0.55f, 0.04f};

void renderBassNote(const Note& note, const SweepControls& controls, Channel& out) {
  Oscillator saw, sub;
  saw.setFrequency(midiToHz(note.pitch));
  sub.setFrequency(midiToHz(note.pitch - 12.0f));
  StateVariableFilter filter;
  Envelope envelope(kBassShape, note.length);
  int first = noteStartFrame(note);
  float level = 0.0f, cutoff = 0.0f;
  for (int i = 0; i < envelope.totalFrames(); ++i) {
    float seconds = frameSeconds(first + i);
    float snap = std::exp(-frameSeconds(i) / 0.07f);
    if (i % kControlFrames == 0) {
      cutoff = controls.cutoffHz.at(seconds);
      level = controls.level.at(seconds) * note.velocity * 0.5f;
      filter.setCutoff(cutoff * (1.0f + 4.0f * snap), 1.6f);
    }
    float tone = filter.process(saw.saw()).low + 0.8f * sub.sine();
    out.add(first + i, tone * envelope.next() * level);
  }
}

}  // namespace

void renderBass(const NoteList& notes, const SweepControls& controls, Channel& out) {
  for (const Note& note : notes) renderBassNote(note, controls, out);
}
