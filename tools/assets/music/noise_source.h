// Deterministic white noise for the synthesiser (xorshift32): the same sequence from the same seed
// on every run and platform, independent of the C library's generator.
#pragma once

#include <cstdint>

class NoiseSource {
 public:
  explicit NoiseSource(uint32_t seed);

  uint32_t nextBits();
  float uniform();  // [0, 1)
  float white();    // [-1, 1)

 private:
  uint32_t state;
};
