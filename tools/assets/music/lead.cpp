// The lead: two saws a few cents apart, spread slightly left and right, plus a soft square an
// octave down, with a vibrato that sets in only once a note is held.

#include <algorithm>
#include <cmath>

#include "envelope.h"
#include "filter.h"
#include "instrument_util.h"
#include "oscillator.h"

namespace {

constexpr Adsr kLeadShape{0.012f, 0.4f, 0.7f, 0.3f};
constexpr float kVibratoHz = 5.3f;
constexpr float kVibratoSemitones = 0.18f;
constexpr float kVibratoDelaySeconds = 0.35f;

void renderLeadNote(const Note& note, Channel& out) {
  Oscillator left, right, low;
  StateVariableFilter filterLeft, filterRight;
  Envelope envelope(kLeadShape, note.length);
  int start = noteStartFrame(note);
  for (int i = 0; i < envelope.totalFrames(); ++i) {
    float env = envelope.next();
    if (i % kControlFrames == 0) {
      float t = frameSeconds(i);
      float depth = std::clamp((t - kVibratoDelaySeconds) / 0.4f, 0.0f, 1.0f) * kVibratoSemitones;
      float pitch = note.pitch + depth * std::sin(kTwoPi * kVibratoHz * t);
      left.setFrequency(midiToHz(pitch - 0.07f));
      right.setFrequency(midiToHz(pitch + 0.07f));
      low.setFrequency(midiToHz(pitch - 12.0f));
      float cutoff = 1400.0f + 4200.0f * env;
      filterLeft.setCutoff(cutoff, 1.1f);
      filterRight.setCutoff(cutoff, 1.1f);
    }
    float square = 0.4f * low.pulse(0.5f);
    float l = filterLeft.process(left.saw() + square).low;
    float r = filterRight.process(right.saw() + square).low;
    float amplitude = env * note.velocity * 0.22f;
    out.addStereo(start + i, l * amplitude, r * amplitude);
  }
}

}  // namespace

void renderLead(const NoteList& notes, Channel& out) {
  for (const Note& note : notes) renderLeadNote(note, out);
}
