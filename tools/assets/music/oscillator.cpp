// PolyBLEP oscillator: a naive waveform plus a two-sample polynomial correction around each jump.

#include "oscillator.h"

#include <cmath>

#include "dsp.h"

namespace {

// Residual of a band-limited step, t is the phase in cycles and dt the increment per sample.
float polyBlep(float t, float dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0f;
  }
  if (t > 1.0f - dt) {
    t = (t - 1.0f) / dt;
    return t * t + t + t + 1.0f;
  }
  return 0.0f;
}

}  // namespace

void Oscillator::setFrequency(float hz) { increment = hz / kSampleRateHz; }

void Oscillator::setPhase(float cycles) { phase = cycles - std::floor(cycles); }

float Oscillator::advance() {
  float current = phase;
  phase += increment;
  if (phase >= 1.0f) phase -= 1.0f;
  return current;
}

float Oscillator::sine() { return std::sin(kTwoPi * advance()); }

float Oscillator::saw() {
  float t = advance();
  return 2.0f * t - 1.0f - polyBlep(t, increment);
}

float Oscillator::pulse(float width) {
  float t = advance();
  float value = t < width ? 1.0f : -1.0f;
  float fall = t - width;
  if (fall < 0.0f) fall += 1.0f;
  return value + polyBlep(t, increment) - polyBlep(fall, increment);
}
