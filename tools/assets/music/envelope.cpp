// Per-sample ADSR: one add or one multiply per sample, so it costs nothing beside the oscillators.

#include "envelope.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"

namespace {

float coefficientFor(float seconds, float fallDb) {
  float frames = std::max(1.0f, seconds * kSampleRateHz);
  return std::exp(std::log(dbToGain(-fallDb)) / frames);
}

}  // namespace

Envelope::Envelope(const Adsr& shape, float gateSeconds)
    : shape(shape),
      gateFrames(std::max(1, secondsToFrames(gateSeconds))),
      releaseFrames(std::max(1, secondsToFrames(shape.release))),
      attackStep(1.0f / std::max(1.0f, shape.attack * kSampleRateHz)),
      decayCoefficient(coefficientFor(shape.decay, 60.0f)),
      releaseCoefficient(coefficientFor(shape.release, 80.0f)) {}

float Envelope::next() {
  if (frame >= gateFrames + releaseFrames) return 0.0f;
  bool attacking = frame < gateFrames && static_cast<float>(frame) * attackStep < 1.0f;
  if (frame >= gateFrames) {
    level *= releaseCoefficient;
  } else if (attacking) {
    level = std::min(1.0f, level + attackStep);
  } else {
    level = shape.sustain + (level - shape.sustain) * decayCoefficient;
  }
  ++frame;
  return level;
}
