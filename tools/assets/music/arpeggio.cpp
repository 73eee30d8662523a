// The arpeggio: short plucks of two detuned saws through a lowpass that follows the curve and each
// pluck's envelope; notes carry their own pan so the pattern walks across the stereo field.

#include <cmath>

#include "envelope.h"
#include "filter.h"
#include "instrument_util.h"
#include "oscillator.h"

namespace {

constexpr Adsr kPluckShape{0.002f, 0.22f, 0.0f, 0.12f};

void renderArpeggioNote(const Note& note, const SweepControls& controls, Channel& out) {
  Oscillator first, second;
  first.setFrequency(midiToHz(note.pitch - 0.06f));
  second.setFrequency(midiToHz(note.pitch + 0.06f));
  second.setPhase(0.5f);
  StateVariableFilter filter;
  Envelope envelope(kPluckShape, note.length);
  PanGains pan = panGains(note.pan);
  int start = noteStartFrame(note);
  float level = 0.0f, cutoff = 0.0f;
  for (int i = 0; i < envelope.totalFrames(); ++i) {
    float env = envelope.next();
    if (i % kControlFrames == 0) {
      float seconds = frameSeconds(start + i);
      cutoff = controls.cutoffHz.at(seconds);
      level = controls.level.at(seconds) * note.velocity * 0.25f;
      filter.setCutoff(cutoff * (0.6f + 2.0f * env), 1.3f);
    }
    float tone = filter.process(first.saw() + second.saw()).low;
    addPanned(out, start + i, tone * env * level, pan);
  }
}

}  // namespace

void renderArpeggio(const NoteList& notes, const SweepControls& controls, Channel& out) {
  for (const Note& note : notes) renderArpeggioNote(note, controls, out);
}
