// The bell pluck: two-operator FM with the modulator at 3.5 times the carrier, which gives the
// inharmonic partials of a struck bar; the brightness decays faster than the tone itself.

#include <cmath>

#include "instrument_util.h"

namespace {

constexpr float kModulatorRatio = 3.5f;
constexpr float kAttackSeconds = 0.002f;

void renderBellNote(const Note& note, float decaySeconds, Channel& out) {
  float carrierHz = midiToHz(note.pitch);
  float carrierStep = carrierHz / kSampleRateHz;
  float modulatorStep = carrierHz * kModulatorRatio / kSampleRateHz;
  PanGains pan = panGains(note.pan);
  int start = noteStartFrame(note);
  int frames = secondsToFrames(decaySeconds * 5.0f);
  float carrierPhase = 0.0f, modulatorPhase = 0.0f;
  for (int i = 0; i < frames; ++i) {
    float t = frameSeconds(i);
    float index = 2.2f * std::exp(-t / (0.25f * decaySeconds));
    float modulator = std::sin(kTwoPi * modulatorPhase) * index;
    float tone = std::sin(kTwoPi * carrierPhase + modulator);
    float amplitude = std::exp(-t / decaySeconds) * std::min(1.0f, t / kAttackSeconds);
    addPanned(out, start + i, tone * amplitude * note.velocity * 0.3f, pan);
    carrierPhase += carrierStep;
    modulatorPhase += modulatorStep;
    carrierPhase -= std::floor(carrierPhase);
    modulatorPhase -= std::floor(modulatorPhase);
  }
}

}  // namespace

void renderBell(const NoteList& notes, float decaySeconds, Channel& out) {
  for (const Note& note : notes) renderBellNote(note, decaySeconds, out);
}
