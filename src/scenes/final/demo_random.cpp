// State and step of the program's random numbers; wraps modulo 2^32 by unsigned arithmetic.
#include "scenes/final/demo_random.h"

#include <cstdint>

namespace finalscene {

namespace {
uint32_t state = 1;
}  // namespace

int demoRand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

void resetDemoRandForTesting() { state = 1; }

}  // namespace finalscene
