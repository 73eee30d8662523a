// The drums: a kick (sine falling from 160 to 45 Hz with a short click), hats (high-passed noise
// with six metallic square partials) and a clap (band-passed noise in three quick bursts).

#include <algorithm>
#include <array>
#include <cmath>

#include "filter.h"
#include "instrument_util.h"
#include "noise_source.h"
#include "oscillator.h"

namespace {

constexpr float kKickSeconds = 0.45f;
constexpr float kClapSeconds = 0.35f;
// Square waves at unrelated low pitches: their high harmonics, left after the high-pass, make a
// dense metallic shimmer with no single whistling tone.
constexpr std::array<float, 6> kMetalPartials = {317.0f, 443.0f, 509.0f, 601.0f, 739.0f, 877.0f};

void renderKickHit(const Note& hit, NoiseSource& noise, Channel& out) {
  int first = noteStartFrame(hit);
  float phase = 0.0f;
  int frames = secondsToFrames(kKickSeconds);
  for (int i = 0; i < frames; ++i) {
    float t = frameSeconds(i);
    float hz = 45.0f + 115.0f * std::exp(-t / 0.035f);
    phase += hz / kSampleRateHz;
    float body = std::sin(kTwoPi * phase) * std::exp(-t / 0.16f);
    float click = noise.white() * std::exp(-t / 0.003f) * 0.35f;
    float fadeOut = std::min(1.0f, (frames - i) / 200.0f);
    out.add(first + i, std::tanh(1.6f * (body + click)) * hit.velocity * fadeOut);
  }
}

void renderHatHit(const Note& hit, float decaySeconds, NoiseSource& noise, Channel& out) {
  Oscillator metal[kMetalPartials.size()];
  for (size_t i = 0; i < kMetalPartials.size(); ++i) metal[i].setFrequency(kMetalPartials[i]);
  StateVariableFilter highpass;
  highpass.setCutoff(7500.0f, 0.8f);
  PanGains pan = panGains(hit.pan);
  int first = noteStartFrame(hit);
  int frames = secondsToFrames(decaySeconds * 6.0f);
  for (int i = 0; i < frames; ++i) {
    float t = frameSeconds(i);
    float ring = 0.0f;
    for (Oscillator& partial : metal) ring += partial.pulse(0.5f);
    float source = 0.6f * noise.white() + 0.12f * ring;
    float envelope = std::exp(-t / decaySeconds) * std::min(1.0f, i / 20.0f);
    addPanned(out, first + i, highpass.process(source).high * envelope * hit.velocity * 0.5f, pan);
  }
}

// Three short noise bursts 11 ms apart, then the tail: the sound of several hands, not one.
float clapEnvelope(float t) {
  float bursts = 0.0f;
  for (int b = 0; b < 3; ++b) {
    float since = t - b * 0.011f;
    if (since >= 0.0f && since < 0.011f) bursts = std::max(bursts, std::exp(-since / 0.004f));
  }
  float tail = t >= 0.022f ? std::exp(-(t - 0.022f) / 0.09f) : 0.0f;
  return std::max(bursts, tail);
}

void renderClapHit(const Note& hit, NoiseSource& noise, Channel& out) {
  StateVariableFilter band;
  band.setCutoff(1300.0f, 1.4f);
  int first = noteStartFrame(hit);
  int frames = secondsToFrames(kClapSeconds);
  for (int i = 0; i < frames; ++i) {
    float sample = band.process(noise.white()).band * clapEnvelope(frameSeconds(i));
    out.add(first + i, sample * hit.velocity * 1.6f);
  }
}

}  // namespace

void renderKick(const NoteList& notes, Channel& out) {
  NoiseSource noise(0x4b1c4u);
  for (const Note& hit : notes) renderKickHit(hit, noise, out);
}

void renderHat(const NoteList& notes, float decaySeconds, Channel& out) {
  NoiseSource noise(0x4a7u);
  for (const Note& hit : notes) renderHatHit(hit, decaySeconds, noise, out);
}

void renderClap(const NoteList& notes, Channel& out) {
  NoiseSource noise(0xc1a9u);
  for (const Note& hit : notes) renderClapHit(hit, noise, out);
}
