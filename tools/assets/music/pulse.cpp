// The build-up pulse: a plucked, slowly width-modulated pulse wave whose lowpass opens with the
// curve and with each note's own envelope.

#include <cmath>

#include "envelope.h"
#include "filter.h"
#include "instrument_util.h"
#include "oscillator.h"

namespace {

constexpr Adsr kPulseShape{0.003f, 0.25f, 0.25f, 0.09f};

void renderPulseNote(const Note& note, const SweepControls& controls, Channel& out) {
  Oscillator oscillator;
  oscillator.setFrequency(midiToHz(note.pitch));
  StateVariableFilter filter;
  Envelope envelope(kPulseShape, note.length);
  int first = noteStartFrame(note);
  float level = 0.0f, cutoff = 0.0f, width = 0.5f;
  for (int i = 0; i < envelope.totalFrames(); ++i) {
    float env = envelope.next();
    if (i % kControlFrames == 0) {
      float seconds = frameSeconds(first + i);
      cutoff = controls.cutoffHz.at(seconds);
      level = controls.level.at(seconds) * note.velocity * 0.3f;
      width = 0.5f - 0.2f * (0.5f + 0.5f * std::sin(kTwoPi * 0.2f * seconds));
      filter.setCutoff(cutoff * (1.0f + 2.5f * env), 2.0f);
    }
    float sample = filter.process(oscillator.pulse(width)).low;
    out.add(first + i, sample * env * level);
  }
}

}  // namespace

void renderPulse(const NoteList& notes, const SweepControls& controls, Channel& out) {
  for (const Note& note : notes) renderPulseNote(note, controls, out);
}
