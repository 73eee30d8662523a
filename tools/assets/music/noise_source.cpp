// Xorshift32 noise: three shifts per sample, good enough spectrally for hats, wind and surf.

#include "noise_source.h"

// Xorshift has one fixed point, zero; any other seed gives the full period.
NoiseSource::NoiseSource(uint32_t seed) : state(seed == 0 ? 0x9e3779b9u : seed) {}

uint32_t NoiseSource::nextBits() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

float NoiseSource::uniform() { return static_cast<float>(nextBits() >> 8) * (1.0f / 16777216.0f); }

float NoiseSource::white() { return uniform() * 2.0f - 1.0f; }
