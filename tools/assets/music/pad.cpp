// The pad: three slightly detuned band-limited saws per note, spread left, centre and right,
// through a slowly breathing lowpass; long attack and release so chords melt into each other.

#include <cmath>

#include "envelope.h"
#include "filter.h"
#include "instrument_util.h"
#include "oscillator.h"

namespace {

constexpr Adsr kPadShape{1.6f, 1.5f, 0.85f, 2.6f};
constexpr float kDetuneSemitones = 0.09f;
constexpr float kGateSmoothing = 0.004f;

struct PadVoice {
  Oscillator saws[3];
  StateVariableFilter filterLeft;
  StateVariableFilter filterRight;
};

void renderPadNote(const Note& note, const PadControls& controls, Channel& out) {
  PadVoice voice;
  for (int i = 0; i < 3; ++i) {
    voice.saws[i].setFrequency(midiToHz(note.pitch + (i - 1) * kDetuneSemitones));
    voice.saws[i].setPhase(note.pitch * 0.618f + i * 0.37f);
  }
  Envelope envelope(kPadShape, note.length);
  float gateCoefficient = 1.0f - std::exp(-1.0f / (kGateSmoothing * kSampleRateHz));
  int first = noteStartFrame(note);
  float level = 0.0f, gate = 1.0f, gateTargetValue = 1.0f;
  for (int i = 0; i < envelope.totalFrames(); ++i) {
    float seconds = frameSeconds(first + i);
    if (i % kControlFrames == 0) {
      float breathing = 1.0f + 0.18f * std::sin(kTwoPi * 0.06f * seconds + note.pitch);
      float cutoff = controls.cutoffHz.at(seconds) * breathing;
      voice.filterLeft.setCutoff(cutoff, 0.9f);
      voice.filterRight.setCutoff(cutoff, 0.9f);
      level = controls.level.at(seconds) * note.velocity * 0.22f;
      gateTargetValue = gateTarget(controls.gate, seconds);
    }
    gate += gateCoefficient * (gateTargetValue - gate);
    float a = voice.saws[0].saw(), b = voice.saws[1].saw(), c = voice.saws[2].saw();
    float amplitude = envelope.next() * level * gate;
    float left = voice.filterLeft.process(a + 0.7f * b + 0.3f * c).low;
    float right = voice.filterRight.process(0.3f * a + 0.7f * b + c).low;
    out.addStereo(first + i, left * amplitude, right * amplitude);
  }
}

}  // namespace

void renderPad(const NoteList& notes, const PadControls& controls, Channel& out) {
  for (const Note& note : notes) renderPadNote(note, controls, out);
}
