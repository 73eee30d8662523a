// Noise effects for transitions: the riser (noise whose band sweeps up and swells over the note's
// length, into a scene change) and the crash (a bright noise burst that rings out on a downbeat).

#include <algorithm>
#include <cmath>

#include "filter.h"
#include "instrument_util.h"
#include "noise_source.h"

namespace {

constexpr float kCrashDecaySeconds = 0.9f;

void renderRiserNote(const Note& note, NoiseSource noise[2], Channel& out) {
  StateVariableFilter band[2];
  int start = noteStartFrame(note);
  int frames = secondsToFrames(note.length);
  float amplitude = 0.0f;
  for (int i = 0; i < frames; ++i) {
    float progress = static_cast<float>(i) / frames;
    if (i % kControlFrames == 0) {
      float hz = 300.0f * std::pow(30.0f, progress);
      band[0].setCutoff(hz, 2.5f);
      band[1].setCutoff(hz * 1.06f, 2.5f);
      amplitude = progress * progress * note.velocity;
    }
    float fadeOut = std::min(1.0f, (frames - i) / 400.0f);
    out.addStereo(start + i, band[0].process(noise[0].white()).band * amplitude * fadeOut,
                  band[1].process(noise[1].white()).band * amplitude * fadeOut);
  }
}

void renderCrashNote(const Note& note, NoiseSource noise[2], Channel& out) {
  StateVariableFilter highpass[2];
  highpass[0].setCutoff(3500.0f, 0.7f);
  highpass[1].setCutoff(3700.0f, 0.7f);
  int start = noteStartFrame(note);
  int frames = secondsToFrames(kCrashDecaySeconds * 6.0f);
  for (int i = 0; i < frames; ++i) {
    float t = frameSeconds(i);
    float amplitude = std::exp(-t / kCrashDecaySeconds) * note.velocity * std::min(1.0f, i / 30.0f);
    out.addStereo(start + i, highpass[0].process(noise[0].white()).high * amplitude,
                  highpass[1].process(noise[1].white()).high * amplitude);
  }
}

}  // namespace

void renderRiser(const NoteList& notes, Channel& out) {
  NoiseSource noise[2] = {NoiseSource(0x71530u), NoiseSource(0x71531u)};
  for (const Note& note : notes) renderRiserNote(note, noise, out);
}

void renderCrash(const NoteList& notes, Channel& out) {
  NoiseSource noise[2] = {NoiseSource(0xc7a5u), NoiseSource(0xc7a6u)};
  for (const Note& note : notes) renderCrashNote(note, noise, out);
}
